#include "play/Level.h"

#include "play/NameNumber.h"
#include "play/playState.h"
#include "world/Trigger.h"

#include <algorithm>

std::int32_t Level::nextTriggerNumber()
{
    std::int32_t highest = 0;
    if (state)
        for (const Trigger* trigger : state->triggers)
            if (trigger)
                highest = std::max(highest, nameNumber(trigger->name));
    lastTriggerNameCounter = highest + 1;
    return lastTriggerNameCounter;
}
