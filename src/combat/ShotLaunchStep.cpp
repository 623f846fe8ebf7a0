// Opening and closing a step of the guns on its level.
#include "combat/ShotLaunchStep.h"

#include "play/Level.h"

ShotLaunchStep::ShotLaunchStep(Level& level) : level(level), outer(level.stepLaunches)
{
    level.stepLaunches = &launches;
}

ShotLaunchStep::~ShotLaunchStep()
{
    level.stepLaunches = outer;
}
