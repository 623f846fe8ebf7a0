// The triggers' frame and the order they are updated in.
#include "play/playState.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "world/Trigger.h"

#include <algorithm>

void playState::updateTriggers(double seconds)
{
    const int mode = Game::getSingletonPtr()->gameMode;
    if (mode == gameModeLevelComplete || mode == gameModeGameCompleted)
        return;
    for (Trigger* trigger : triggerUpdateList)
        trigger->update(seconds);
}

namespace {

bool isLinkedToTrigger(const Trigger& trigger)
{
    return std::any_of(trigger.linkedObjects.begin(), trigger.linkedObjects.end(),
                       [](const entity* linked) { return linked && linked->kind == kindTrigger; });
}

bool contains(const std::vector<Trigger*>& list, const Trigger* trigger)
{
    return std::find(list.begin(), list.end(), trigger) != list.end();
}

} // namespace

void playState::buildTriggerUpdateList()
{
    triggerUpdateList.clear();
    std::vector<Trigger*> frontier;
    for (Trigger* trigger : triggers) {
        if (isLinkedToTrigger(*trigger))
            continue;
        triggerUpdateList.push_back(trigger);
        frontier.push_back(trigger);
    }
    while (!frontier.empty()) {
        std::vector<Trigger*> next;
        for (const Trigger* trigger : frontier)
            for (entity* linking : trigger->linkedFrom) {
                if (!linking || linking->kind != kindTrigger)
                    continue;
                auto* linkingTrigger = static_cast<Trigger*>(linking);
                if (contains(triggerUpdateList, linkingTrigger))
                    continue;
                triggerUpdateList.push_back(linkingTrigger);
                next.push_back(linkingTrigger);
            }
        frontier.swap(next);
    }
}
