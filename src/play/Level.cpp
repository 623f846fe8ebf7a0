#include "play/Level.h"

#include "app/AudioService.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/NameNumber.h"
#include "play/playState.h"
#include "world/Item.h"

#include <algorithm>
#include <cmath>

bool Level::hasTriggers() const
{
    return state && !state->triggers.empty();
}

std::int32_t Level::nextItemNumber()
{
    std::int32_t highest = 0;
    if (state)
        for (const Item* item : state->items)
            if (item)
                highest = std::max(highest, nameNumber(item->name));
    lastItemNameCounter = highest + 1;
    return lastItemNameCounter;
}

std::uint16_t Level::nextItemRenderPriority()
{
    const unsigned count = std::max(1u, Game::getSingletonPtr()->maxSpritesPriorities);
    itemPriorityCounter = static_cast<std::uint16_t>((itemPriorityCounter + 1u) % count);
    return itemPriorityCounter;
}
