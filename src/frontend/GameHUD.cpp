#include "frontend/GameHUD.h"

#include "frontend/HUDElement.h"

#include <algorithm>
#include <limits>

GameHUD::~GameHUD() { destroy(); }

void GameHUD::destroy()
{
    for (HUDElement* element : elements)
        delete element;
    elements.clear();
}

std::int32_t GameHUD::nextElementId() const
{
    std::int32_t largest = 0;
    for (const HUDElement* element : elements)
        largest = std::max(largest, element->UID);
    // An id from data may already be the largest there is.
    return largest == std::numeric_limits<std::int32_t>::max() ? largest : largest + 1;
}
