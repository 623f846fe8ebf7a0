#include "platform/sound/BankCipher.h"
#include "platform/sound/SoundBank.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::BankFile;
using platform::BankSound;

std::vector<unsigned char> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::shared_ptr<platform::SoundData> fileData(const std::string& path)
{
    return std::shared_ptr<platform::SoundData>(platform::openSoundData(path));
}

std::string readEntry(const BankFile& bank, std::size_t index)
{
    std::unique_ptr<platform::SoundData> entry = bank.openEntry(index);
    std::string bytes(static_cast<std::size_t>(entry->size()), '\0');
    bytes.resize(entry->readAt(0, bytes.data(), bytes.size()));
    return bytes;
}

class SoundBankTest : public ::testing::Test {
protected:
    std::string bankPath() const { return folder.path() + "sounds.tzn"; }
    void writeSample(const std::string& key)
    {
        ASSERT_TRUE(platform::writeBank(bankPath(), key,
                                        {BankSound{"shot", bytesOf("RIFF shot data")},
                                         BankSound{"explosion", bytesOf(std::string(5000, 'x'))},
                                         BankSound{"shot", bytesOf("second shot")}}));
    }
    TempFolder folder;
};

TEST_F(SoundBankTest, RoundTripKeepsNamesOrderAndBytes)
{
    writeSample("Murdane7");
    std::unique_ptr<BankFile> bank = BankFile::open(fileData(bankPath()), "Murdane7");
    ASSERT_TRUE(bank);
    ASSERT_EQ(bank->entries().size(), 3u);
    EXPECT_EQ(bank->entries()[0].name, "shot");
    EXPECT_EQ(bank->entries()[1].name, "explosion");
    EXPECT_EQ(bank->entries()[2].name, "shot");
    EXPECT_EQ(readEntry(*bank, 0), "RIFF shot data");
    EXPECT_EQ(readEntry(*bank, 1), std::string(5000, 'x'));
    EXPECT_EQ(readEntry(*bank, 2), "second shot");
    EXPECT_FALSE(bank->openEntry(3));
}

TEST_F(SoundBankTest, DataIsEncipheredAndAnyRangeDeciphersOnItsOwn)
{
    writeSample("Murdane7");
    const std::string file = folder.read("sounds.tzn");
    EXPECT_EQ(file.find("RIFF shot data"), std::string::npos);
    EXPECT_EQ(file.find("explosion"), std::string::npos);

    std::unique_ptr<BankFile> bank = BankFile::open(fileData(bankPath()), "Murdane7");
    ASSERT_TRUE(bank);
    std::unique_ptr<platform::SoundData> entry = bank->openEntry(0);
    char middle[5] = {};
    ASSERT_EQ(entry->readAt(5, middle, 4), 4u);
    EXPECT_STREQ(middle, "shot");
}

TEST_F(SoundBankTest, AnotherKeyDoesNotOpenTheBank)
{
    writeSample("Murdane7");
    EXPECT_TRUE(BankFile::isBank(*fileData(bankPath())));
    EXPECT_FALSE(BankFile::open(fileData(bankPath()), "Murdane8"));
    EXPECT_FALSE(BankFile::open(fileData(bankPath()), ""));
    EXPECT_NE(platform::bankKeyCheck("Murdane7"), platform::bankKeyCheck("murdane7"));
}

TEST_F(SoundBankTest, DamagedOrForeignFilesDoNotOpen)
{
    writeSample("Murdane7");
    const std::string whole = folder.read("sounds.tzn");
    folder.write("cut.tzn", whole.substr(0, 40));
    EXPECT_FALSE(BankFile::open(fileData(folder.path() + "cut.tzn"), "Murdane7"));

    // A data range running past the end of the file.
    folder.write("short.tzn", whole.substr(0, whole.size() - 1));
    EXPECT_FALSE(BankFile::open(fileData(folder.path() + "short.tzn"), "Murdane7"));

    folder.write("plain.wav", "RIFF....WAVEfmt ");
    EXPECT_FALSE(BankFile::isBank(*fileData(folder.path() + "plain.wav")));
    EXPECT_FALSE(BankFile::open(fileData(folder.path() + "plain.wav"), "Murdane7"));
    EXPECT_FALSE(BankFile::open(nullptr, "Murdane7"));
}

TEST_F(SoundBankTest, WriterRefusesEmptyAndOverlongNames)
{
    EXPECT_FALSE(platform::writeBank(bankPath(), "k", {BankSound{"", bytesOf("a")}}));
    EXPECT_FALSE(platform::writeBank(bankPath(), "k", {BankSound{std::string(512, 'n'), bytesOf("a")}}));
    EXPECT_TRUE(platform::writeBank(bankPath(), "k", {BankSound{std::string(511, 'n'), bytesOf("a")}}));
    EXPECT_FALSE(platform::writeBank(folder.path() + "missing/folder.tzn", "k", {}));
}

TEST_F(SoundBankTest, EmptyBankOpensWithNoSubSounds)
{
    ASSERT_TRUE(platform::writeBank(bankPath(), "k", {}));
    std::unique_ptr<BankFile> bank = BankFile::open(fileData(bankPath()), "k");
    ASSERT_TRUE(bank);
    EXPECT_TRUE(bank->entries().empty());
}

} // namespace
