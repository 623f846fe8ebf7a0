// Start and end of the audio service: the sound system, its groups and the
// four banks.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/Log.h"
#include "app/ResourceLocations.h"
#include "app/TextUtils.h"
#include "core/Game.h"

namespace {

const int channelCount = 64;
// The key the game's banks are written with.
const char* const bankKey = "Murdane7";

std::string bankPath(const std::string& programFolder, const wchar_t* bankFile)
{
    return toNarrowString(toWideString(soundFolder(programFolder)) + bankFile);
}

void createGroups(AudioState& state)
{
    state.musicGroup = state.system->createChannelGroup("channelMusic");
    state.effectsGroup = state.system->createChannelGroup("channelEffects");
    state.editorGroup = state.system->createChannelGroup("channelEditor");
    state.effectsGroup->setVolumeRamp(true);
    state.musicGroup->setVolumeRamp(true);
    state.masterGroup = state.system->getMasterChannelGroup();
    state.masterGroup->addGroup(state.musicGroup);
    state.masterGroup->addGroup(state.effectsGroup);
    state.masterGroup->addGroup(state.editorGroup);
}

// The banks come from the program folder, as the game's other resources do,
// wherever the program was started from and whatever config.ini holds.
void openBanks(AudioState& state, const std::string& programFolder)
{
    const platform::SoundCreateInfo info{bankKey};
    const auto open = [&](const wchar_t* file, unsigned mode) {
        const std::string path = bankPath(programFolder, file);
        platform::Sound* bank = state.system->createSound(path, mode, &info);
        if (!bank)
            logLine("[ERROR] can't open sound bank " + path);
        return bank;
    };
    state.musicBank = open(L"/musics.tzn", platform::soundStream);
    state.soundsBank = open(L"/sounds.tzn", platform::soundLoopOff);
    state.pauseBank = open(L"/pauseSound.tzn", platform::soundLoopNormal);
    state.bank3D = open(L"/sounds3D.tzn", platform::soundLoopOff | platform::sound3DInverseRolloff);
}

void indexMusics(AudioState& state)
{
    if (!state.musicIndex.empty() || !state.musicBank)
        return;
    for (int i = 0; i < state.musicBank->getNumSubSounds(); ++i)
        if (platform::Sound* music = state.musicBank->getSubSound(i))
            state.musicIndex[music->getName()] = i;
}

} // namespace

void initSound()
{
    AudioState& state = audio();
    if (state.system)
        shutdownSound();
    state = AudioState{};
    state.system = new platform::SoundSystem;
    if (!state.system->init(channelCount))
        logLine("no sound device could be opened: the game runs muted");
    state.system->set3DSettings(1.0f, 1.0f, 3.0f);
    createGroups(state);

    const std::string& programFolder = Game::getSingletonPtr()->programFolder;
    logLine("sounds banks loading: " + bankPath(programFolder, L"/musics.tzn"));
    openBanks(state, programFolder);
    state.system->update();
    logLine("sounds banks loaded");
    indexMusics(state);
    logLine("musics banks initialized");
}

void shutdownSound()
{
    AudioState& state = audio();
    releaseSounds();
    if (state.system)
        state.system->close();
    delete state.system;
    // The groups and channels went with the system.
    state = AudioState{};
}

void releaseSounds()
{
    AudioState& state = audio();
    for (platform::Sound** sound : {&state.currentMusic, &state.pauseSound}) {
        if (*sound)
            (*sound)->release();
        *sound = nullptr;
    }
    for (auto& [name, sound] : state.soundTable)
        sound->release();
    state.soundTable.clear();
    for (platform::Sound** bank : {&state.musicBank, &state.soundsBank, &state.pauseBank, &state.bank3D}) {
        if (*bank)
            (*bank)->release();
        *bank = nullptr;
    }
    state.musicIndex.clear();
    state.antiRepeat.clear();
    state.durationCache.clear();
}
