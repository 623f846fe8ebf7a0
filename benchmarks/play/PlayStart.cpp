// The start and the counters of the benchmarks of play (PlayStart.h).
#include "play/PlayStart.h"

bool startPlay(benchmark::State& state, std::optional<BusiestLevelPlay>& play)
{
    if (!BusiestLevelPlay::available()) {
        state.SkipWithError("needs an X server (run under xvfb-run)");
        return false;
    }
    play.emplace(secondsBeforeTiming);
    if (play->liveWaves() > 0 && play->liveEnemies() > 0)
        return true;
    state.SkipWithError("no wave is out after the untimed play");
    return false;
}

bool startFullPoolPlay(benchmark::State& state, std::optional<BusiestLevelPlay>& play,
                       std::optional<FullShotPools>& pools)
{
    if (!startPlay(state, play))
        return false;
    pools.emplace(play->state);
    if (!pools->hasGuns()) {
        state.SkipWithError("the level has no enemy or player gun to lend its shots");
        return false;
    }
    pools->fill();
    return true;
}

void countWork(benchmark::State& state, const BusiestLevelPlay& play)
{
    state.counters["waves"] = play.liveWaves();
    state.counters["enemies"] = play.liveEnemies();
    state.counters["items"] = play.liveItems();
    state.counters["shots"] = play.flyingShots();
}
