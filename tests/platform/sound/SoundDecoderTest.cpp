#include "platform/sound/SoundData.h"
#include "platform/sound/SoundDecoder.h"
#include "support/OgreTestRoot.h"
#include "support/SoundFiles.h"
#include "support/TempFolder.h"

#include <OgreArchiveManager.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::SoundDecoder;

std::unique_ptr<SoundDecoder> openFile(const std::string& path)
{
    return SoundDecoder::open(platform::openSoundData(path));
}

float peakOf(const std::vector<std::int16_t>& samples)
{
    int peak = 0;
    for (std::int16_t sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return static_cast<float>(peak) / 32768.0f;
}

struct FormatCase {
    const char* file;
    int format;
};

class SoundDecoderFormats : public ::testing::TestWithParam<FormatCase> {
protected:
    TempFolder folder;
};

TEST_P(SoundDecoderFormats, DecodesWholeToneWithItsLengthAndLevel)
{
    const std::string path = folder.path() + GetParam().file;
    ASSERT_TRUE(soundtest::writeTone(path, GetParam().format, 0.5));
    std::unique_ptr<SoundDecoder> decoder = openFile(path);
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->channels(), 1);
    EXPECT_EQ(decoder->sampleRate(), 44100);
    EXPECT_NEAR(static_cast<double>(decoder->lengthMilliseconds()), 500.0, 30.0);
    const std::vector<std::int16_t> samples = decoder->readAll();
    EXPECT_NEAR(static_cast<double>(samples.size()), 22050.0, 1400.0);
    EXPECT_NEAR(peakOf(samples), 0.5f, 0.06f);
    ASSERT_TRUE(decoder->rewind());
    EXPECT_EQ(decoder->readAll().size(), samples.size());
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, SoundDecoderFormats,
                         ::testing::Values(FormatCase{"tone.wav", soundtest::wavFormat},
                                           FormatCase{"tone.ogg", soundtest::oggFormat},
                                           FormatCase{"tone.flac", soundtest::flacFormat},
                                           FormatCase{"tone.mp3", soundtest::mp3Format}));

TEST(SoundDecoder, StereoStaysStereoAndMoreChannelsMixDownToMono)
{
    TempFolder folder;
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "stereo.wav", soundtest::wavFormat, 0.1, 2));
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "surround.wav", soundtest::wavFormat, 0.1, 3));
    std::unique_ptr<SoundDecoder> stereo = openFile(folder.path() + "stereo.wav");
    std::unique_ptr<SoundDecoder> surround = openFile(folder.path() + "surround.wav");
    ASSERT_TRUE(stereo && surround);
    EXPECT_EQ(stereo->channels(), 2);
    EXPECT_EQ(stereo->readAll().size(), 2u * 4410u);
    EXPECT_EQ(surround->channels(), 1);
    const std::vector<std::int16_t> mono = surround->readAll();
    EXPECT_EQ(mono.size(), 4410u);
    EXPECT_NEAR(peakOf(mono), 0.5f, 0.01f);
    EXPECT_EQ(platform::mixToMono({100, 300, -50, -150}), (std::vector<std::int16_t>{200, -100}));
}

TEST(SoundDecoder, CorruptMissingAndEmptyFilesGiveNoDecoder)
{
    TempFolder folder;
    folder.write("broken.wav", "RIFF\x10\x00\x00\x00WAVEjunk that is no sound at all");
    folder.write("empty.ogg", "");
    EXPECT_FALSE(openFile(folder.path() + "broken.wav"));
    EXPECT_FALSE(openFile(folder.path() + "empty.ogg"));
    EXPECT_FALSE(openFile(folder.path() + "missing.wav"));
    EXPECT_FALSE(SoundDecoder::open(nullptr));
}

TEST(SoundData, FileInsideAZipArchiveIsReadThroughOgre)
{
    sharedTestRoot();
    TempFolder folder;
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "zipped.ogg", soundtest::oggFormat, 0.2));
    const std::string archivePath = folder.path() + "sounds.tzn";
    ASSERT_EQ(std::system(("zip -q -j '" + archivePath + "' '" + folder.path() + "zipped.ogg'").c_str()), 0);
    Ogre::Archive* archive = Ogre::ArchiveManager::getSingleton().load(archivePath, "Zip", true);

    std::unique_ptr<SoundDecoder> decoder = openFile(archivePath + "/zipped.ogg");
    ASSERT_TRUE(decoder);
    EXPECT_NEAR(static_cast<double>(decoder->readAll().size()), 8820.0, 1200.0);
    EXPECT_FALSE(platform::openSoundData(archivePath + "/other.ogg"));
    EXPECT_FALSE(platform::openSoundData(folder.path() + "nowhere/zipped.ogg"));
    Ogre::ArchiveManager::getSingleton().unload(archive);
}

} // namespace
