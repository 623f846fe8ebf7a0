#include "play/playState.h"

#include "core/Game.h"
#include "world/Trigger.h"

namespace {
// Modes in which the level's triggers hold still.
constexpr int modeLevelComplete = 8;
constexpr int modeGameCompleted = 13;
} // namespace

void playState::updateTriggers(double seconds)
{
    const int mode = Game::getSingletonPtr()->gameMode;
    if (mode == modeLevelComplete || mode == modeGameCompleted)
        return;
    for (Trigger* trigger : triggers)
        trigger->update(seconds);
}
