#include "play/Level.h"

#include "app/AudioService.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/playState.h"

#include <algorithm>
#include <cmath>

bool Level::hasTriggers() const
{
    return state && !state->triggers.empty();
}

std::uint16_t Level::nextItemRenderPriority()
{
    const unsigned count = std::max(1u, Game::getSingletonPtr()->maxSpritesPriorities);
    itemPriorityCounter = static_cast<std::uint16_t>((itemPriorityCounter + 1u) % count);
    return itemPriorityCounter;
}
