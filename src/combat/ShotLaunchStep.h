// One fixed step of the guns as their shots see it. While a step is open,
// every gun of the level launches with one set of launches, so what stays
// the same through the step (the camera rig's transform, the collision
// camera's matrices, the scene's names looked up) is asked of Ogre once for
// all of them. Open it once the camera rig has moved for the step, around
// the guns' updates; guns firing outside a step take these values for
// themselves, as before, with the same results.
#pragma once

#include "combat/ShotLaunches.h"

class Level;

class ShotLaunchStep {
public:
    explicit ShotLaunchStep(Level& level);
    ~ShotLaunchStep();
    ShotLaunchStep(const ShotLaunchStep&) = delete;
    ShotLaunchStep& operator=(const ShotLaunchStep&) = delete;

private:
    Level& level;
    // The step open before this one, back in charge when this one closes.
    ShotLaunches* outer = nullptr;
    ShotLaunches launches;
};
