// The Level's view of the items library: the medal ranks, and the medal
// counters that a broken chain sets back.
#include "play/Level.h"

#include "core/Game.h"
#include "world/Item.h"

void Level::resetItemMap()
{
    medalRanks.clear();
    // A definition switched off takes no rank; of two medals with the same
    // score the later in key order holds it.
    for (const auto& entry : Game::getSingletonPtr()->itemLibrary) {
        Item* definition = entry.second;
        if (definition->itemKind == itemKindMedal && !definition->isDisabled)
            medalRanks[definition->Score] = definition;
    }
    int rank = 1;
    for (const auto& entry : medalRanks)
        entry.second->medalType = rank++;
}

void Level::flagAllItemDefinitions()
{
    for (const auto& entry : Game::getSingletonPtr()->itemLibrary)
        entry.second->medalCounter = 1;
}
