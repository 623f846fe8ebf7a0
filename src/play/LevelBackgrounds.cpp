// The Level's part in placing backgrounds: their layers, the render
// priorities of sprite backgrounds and the numbers that name copies.
#include "play/Level.h"

#include "core/Game.h"
#include "play/NameNumber.h"
#include "world/background.h"

#include <algorithm>

levelLayer* Level::getLayer(std::int32_t id)
{
    if (layers.empty())
        return nullptr;
    const auto found = layers.find(id);
    return found != layers.end() ? &found->second : &layers.begin()->second;
}

std::uint16_t Level::nextBackgroundRenderPriority()
{
    const unsigned count = std::max(1u, Game::getSingletonPtr()->maxSpritesPriorities);
    backgroundPriorityCounter = static_cast<std::uint16_t>((backgroundPriorityCounter + 1u) % count);
    return backgroundPriorityCounter;
}

std::int32_t Level::nextBackgroundNumber()
{
    std::int32_t highest = 0;
    for (const background* placed : backgrounds)
        if (placed)
            highest = std::max(highest, nameNumber(placed->name));
    lastBGNameCounter = highest + 1;
    return lastBGNameCounter;
}
