// The Level's part in placing effects: layer positions, render priorities
// and the numbers that name copied effects.
#include "play/Level.h"

#include "play/NameNumber.h"
#include "world/sfx.h"

#include <algorithm>

std::uint16_t Level::getLayerIndex(std::int32_t id) const
{
    // Without an order every object is drawn at the first layer's place.
    const auto found = std::find(layerOrder.begin(), layerOrder.end(), id);
    return found == layerOrder.end() ? 0 : static_cast<std::uint16_t>(found - layerOrder.begin());
}

std::uint16_t Level::nextEffectRenderPriority()
{
    effectPriorityCounter = static_cast<std::uint16_t>((effectPriorityCounter + 2u) % 99u);
    return effectPriorityCounter;
}

std::int32_t Level::nextSfxNumber()
{
    std::int32_t highest = 0;
    if (placedEffects)
        for (const sfx* effect : *placedEffects)
            if (effect)
                highest = std::max(highest, nameNumber(effect->name));
    lastSfxNameCounter = highest + 1;
    return lastSfxNameCounter;
}
