#include "platform/sound/Sound.h"

#include "platform/sound/SoundBank.h"
#include "platform/sound/SoundDecoder.h"
#include "platform/sound/SoundStream.h"
#include "platform/sound/SoundSystem.h"

namespace platform {

namespace {

const unsigned loopFlags = soundLoopOff | soundLoopNormal;
const unsigned placementFlags = sound3DHeadRelative | sound3DInverseRolloff;

ALuint makeBuffer(const std::vector<std::int16_t>& samples, int channels, int rate)
{
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, samples.data(),
                 static_cast<ALsizei>(samples.size() * sizeof(std::int16_t)), rate);
    return buffer;
}

} // namespace

unsigned withModeFlags(unsigned current, unsigned requested)
{
    const unsigned stream = current & soundStream;
    if (requested == soundDefault)
        return stream;
    unsigned mode = current;
    if (requested & loopFlags)
        mode = (mode & ~loopFlags) | ((requested & soundLoopNormal) ? soundLoopNormal : soundLoopOff);
    if (requested & placementFlags)
        mode = (mode & ~placementFlags) | (requested & placementFlags);
    return (mode & ~soundStream) | stream;
}

bool isLooping(unsigned mode) { return (mode & soundLoopNormal) != 0; }

bool isPlaced(unsigned mode) { return (mode & sound3DInverseRolloff) && !(mode & sound3DHeadRelative); }

Sound::Sound(SoundSystem& system, std::string name, unsigned mode, Sound* parent)
    : system(system), name(std::move(name)), mode(mode), parent(parent)
{
}

Sound::~Sound()
{
    subSounds.clear();
    if (buffer)
        alDeleteBuffers(1, &buffer);
    if (monoBuffer)
        alDeleteBuffers(1, &monoBuffer);
}

void Sound::setMode(unsigned newMode) { mode = withModeFlags(mode, newMode); }

unsigned Sound::getLength()
{
    if (!lengthKnown && openData) {
        if (std::unique_ptr<SoundDecoder> decoder = SoundDecoder::open(openData()))
            lengthMs = decoder->lengthMilliseconds();
        lengthKnown = true;
    }
    return lengthMs;
}

int Sound::getNumSubSounds() const { return bank ? static_cast<int>(bank->entries().size()) : 0; }

Sound* Sound::getSubSound(int index)
{
    if (index < 0 || index >= getNumSubSounds())
        return nullptr;
    std::unique_ptr<Sound>& slot = subSounds[static_cast<std::size_t>(index)];
    if (!slot) {
        const BankFile* source = bank.get();
        const auto entry = static_cast<std::size_t>(index);
        auto sound = std::make_unique<Sound>(system, source->entries()[entry].name, mode, this);
        if (mode & soundStream)
            sound->makeStream([source, entry] { return source->openEntry(entry); });
        else if (!sound->loadSamples(SoundDecoder::open(source->openEntry(entry)), !system.isMuted()))
            return nullptr;
        slot = std::move(sound);
    }
    return slot.get();
}

int Sound::findSubSound(const std::string& subSoundName) const
{
    if (!bank)
        return -1;
    const std::vector<BankEntry>& entries = bank->entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].name == subSoundName)
            return static_cast<int>(i);
    return -1;
}

void Sound::set3DMinMaxDistance(float min, float max)
{
    minDistance = min;
    maxDistance = max;
}

void Sound::release()
{
    if (!parent)
        system.destroySound(this);
}

bool Sound::loadSamples(std::unique_ptr<SoundDecoder> decoder, bool makeBuffers)
{
    if (!decoder)
        return false;
    lengthMs = decoder->lengthMilliseconds();
    lengthKnown = true;
    if (!makeBuffers)
        return true;
    const std::vector<std::int16_t> samples = decoder->readAll();
    buffer = makeBuffer(samples, decoder->channels(), decoder->sampleRate());
    // Only mono buffers are placed by the mixer.
    if (decoder->channels() == 2)
        monoBuffer = makeBuffer(mixToMono(samples), 1, decoder->sampleRate());
    return true;
}

void Sound::makeStream(DataOpener opener, const SoundDecoder* opened)
{
    openData = std::move(opener);
    if (opened) {
        lengthMs = opened->lengthMilliseconds();
        lengthKnown = true;
    }
}

void Sound::makeBank(std::unique_ptr<BankFile> opened)
{
    bank = std::move(opened);
    subSounds.resize(bank->entries().size());
}

std::unique_ptr<SoundStream> Sound::openStream()
{
    std::unique_ptr<SoundDecoder> decoder = openData ? SoundDecoder::open(openData()) : nullptr;
    if (!decoder)
        return nullptr;
    if (!lengthKnown) {
        lengthMs = decoder->lengthMilliseconds();
        lengthKnown = true;
    }
    return std::make_unique<SoundStream>(std::move(decoder));
}

} // namespace platform
