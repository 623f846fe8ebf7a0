// The Level's part in placing backgrounds: their layers, the render
// priorities of sprite backgrounds and the numbers that name copies.
#include "play/Level.h"

#include "core/Game.h"
#include "world/background.h"

#include <OgreStringConverter.h>

#include <algorithm>

namespace {

// The number that ends a name: the digits after its last other character,
// 0 when there are none (too long a run counts 0 as well).
std::int32_t nameNumber(const std::string& name)
{
    const std::size_t lastOther = name.find_last_not_of("0123456789");
    const std::string digits = lastOther == std::string::npos ? name : name.substr(lastOther + 1);
    if (digits.empty() || digits.size() > 9)
        return 0;
    return Ogre::StringConverter::parseInt(digits);
}

} // namespace

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
    backgroundNameCounter = highest + 1;
    return backgroundNameCounter;
}
