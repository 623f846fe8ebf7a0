// The audio service on the sample game's banks, mixed by OpenAL Soft's
// "null" output (no sound card needed): playing an effect by name with the
// frame's update, a frame's update with every voice busy, and the start-up
// with the four banks.
#include "app/AudioService.h"
#include "core/Game.h"
#include "support/OgreTestRoot.h"
#include "support/ResourceGroupScope.h"
#include "support/SoundFiles.h"

#include <benchmark/benchmark.h>

namespace {

// The sample game as start-up finds it: its folder and its loose sound files.
class SampleGameSounds {
public:
    SampleGameSounds()
    {
        soundtest::useSilentSoundOutput();
        sharedTestRoot();
        ResourceGroupScope::addFolder(std::string(ZARNITH_GAME_DIR) + "/data/Sounds/SoundFX", "GAMERSC");
        Game& game = *Game::getSingletonPtr();
        game.gameFolder = ZARNITH_GAME_DIR;
        game.resourceAvailability.clear();
        game.isSoundOn = true;
    }
    ~SampleGameSounds() { Game::getSingletonPtr()->gameFolder.clear(); }

private:
    ResourceGroupScope group{{"GAMERSC"}};
};

// A frame that plays one effect, as the game's frames do: the play, then the
// frame's update that hands the channel to the mixer and retires the ended ones.
void BM_PlaySoundOfALoadedNameAndTheFrameUpdate(benchmark::State& state)
{
    SampleGameSounds game;
    initSound();
    loadSound("shot.wav", false, false, false, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(playSound("shot.wav", 1.0f, noSoundPosition, true));
        updateSound(0.016f, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z);
    }
    shutdownSound();
}
BENCHMARK(BM_PlaySoundOfALoadedNameAndTheFrameUpdate)->Unit(benchmark::kMicrosecond);

// The channel reaches the mixer in the next update: the play with that
// update, all 64 voices busy so that each play takes over the oldest.
void BM_PlaySoundAndItsUpdate(benchmark::State& state)
{
    SampleGameSounds game;
    initSound();
    loadSound("shot.wav", false, false, false, false);
    for (int i = 0; i < 64; ++i)
        playSound("shot.wav", 1.0f, noSoundPosition, true).setMode(platform::soundLoopNormal);
    for (auto _ : state) {
        playSound("shot.wav", 1.0f, noSoundPosition, true).setMode(platform::soundLoopNormal);
        updateSound(0.016f, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z);
    }
    shutdownSound();
}
BENCHMARK(BM_PlaySoundAndItsUpdate)->Unit(benchmark::kMicrosecond);

void BM_UpdateSoundWith64ChannelsPlaying(benchmark::State& state)
{
    SampleGameSounds game;
    initSound();
    loadSound("explosion.flac", false, false, false, false);
    for (int i = 0; i < 64; ++i)
        playSound("explosion.flac", 1.0f, Ogre::Vector3(float(i), 0.0f, 0.0f), true).setMode(platform::soundLoopNormal);
    const Ogre::Vector3 camera(0.0f, 200.0f, 0.0f);
    for (auto _ : state)
        updateSound(0.016f, camera, Ogre::Vector3::NEGATIVE_UNIT_Y);
    shutdownSound();
}
BENCHMARK(BM_UpdateSoundWith64ChannelsPlaying)->Unit(benchmark::kMicrosecond);

void BM_InitSoundWithTheSampleBanks(benchmark::State& state)
{
    SampleGameSounds game;
    for (auto _ : state) {
        initSound();
        state.PauseTiming();
        shutdownSound();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InitSoundWithTheSampleBanks)->Unit(benchmark::kMillisecond);

void BM_ShutdownSound(benchmark::State& state)
{
    SampleGameSounds game;
    for (auto _ : state) {
        state.PauseTiming();
        initSound();
        state.ResumeTiming();
        shutdownSound();
    }
}
BENCHMARK(BM_ShutdownSound)->Unit(benchmark::kMillisecond);

} // namespace
