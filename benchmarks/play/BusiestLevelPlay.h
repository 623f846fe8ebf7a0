// The sample game's busiest level in play, for timing the frame of play.
// Ogre on OpenGL in a hidden window (play needs viewports and materials) and
// the game's libraries are made once for the process; each object enters
// the level as the program does, starts play, runs it untimed until the
// waves are out and shooting, and leaves the level at its end. Nothing is
// drawn after entering: the frame of play only moves the scene.
#pragma once

#include "support/RenderScene.h"

#include "combat/Player.h"
#include "play/playState.h"

class BusiestLevelPlay {
public:
    // Fixed frame time of the timed frames: 60 frames a second.
    static constexpr double frameTime = 1.0 / 60.0;

    // Whether play can be entered here (an X server is there).
    static bool available() { return RenderScene::available(); }

    explicit BusiestLevelPlay(double secondsBeforeTiming);
    ~BusiestLevelPlay();
    BusiestLevelPlay(const BusiestLevelPlay&) = delete;
    BusiestLevelPlay& operator=(const BusiestLevelPlay&) = delete;

    // One frame of play, as the game manager runs it.
    // The ship is kept out of harm, so that play goes on as it started.
    void frame()
    {
        state.player->invincibilityTime = 1.0f;
        state.update(frameTime);
    }
    // Brings the scene's transforms up to date, as the rendered frame
    // between two frames of play does.
    void updateTransforms();

    // What the frame works on, for the benchmark's counters.
    int liveEnemies() const { return static_cast<int>(state.activeEnemies.size()); }
    int liveWaves() const;
    int flyingShots() const;
    int liveItems() const;

    playState state;
};
