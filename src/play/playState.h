// The state that plays a level. This is its least form: the lists of the
// level's triggers and items that it updates each frame, and the screen-wide
// bomb that items and triggers set off. Building the level, the frame of
// play, the shots and the play flow arrive with the play state.
#pragma once

#include "core/GameState.h"

#include <OgreVector.h>

#include <string>
#include <vector>

class Item;
class Trigger;
class Wave;

class playState : public GameState {
public:
    // The bomb: sets the Game's bomb timers, cancels the enemies' shots
    // (each dropping the item) when asked, shows the smart-bomb effect at
    // the player when asked, and hits the enemies on screen with the damage.
    void damageAllEnemies(bool cancelBullets, bool cancelAll, const std::string& cancelItemName, int damage,
                          bool showEffect, bool clearCoolDown);
    // Enemies hold fire a moment and every enemy shot is cancelled, each
    // dropping the item.
    void cancelBulletsForScore(const std::string& itemName, bool cancelAll);
    // Every trigger of the update list, with the unscaled frame time; not in
    // game modes 8 and 13.
    void updateTriggers(double seconds);
    // Every pooled item and every item of the level.
    void updateItems(double seconds);
    // One fixed step of every live shot of a pool, the enemies' homing on
    // the target; records that became free leave the live list. The hit
    // tests join these steps with the combat between ships and shots.
    void updateEnemyBullets(double dt, const Ogre::Vector3& target);
    void updatePlayerBullets(double dt, const Ogre::Vector3& target);

    // The level's triggers, in update order; owned by the level's teardown.
    std::vector<Trigger*> triggers;
    // Items placed in the level (the pool's items live in the Game).
    std::vector<Item*> items;
    // The level's waves, in file order; owned by the level's teardown.
    std::vector<Wave*> waves;

    // --- Play flow, level reset and input in play ---
    // Reacts to the Game's mode: the clean-ups of a mode change, the death
    // timer and the respawn. Runs first in every frame of play.
    void updatePlayFlow(double dt);
    // Puts every shot, item, wave and trigger of the level back to its
    // start; the flag is not used.
    void resetLevelState(bool keepFlag);
    void setGamePaused(bool paused);
    // Game time runs at the factor (0 freezes it); nothing without Ogre.
    static void setControllerTimeFactor(float factor);
    // Ends the flying enemy shots: each may drop the item; with effects,
    // shots that cannot be cancelled stay unless all are asked for.
    void cancelEnemyBullets(bool dropItems, bool withEffects, bool all, const std::string& itemName);
    void stopEnemyWeapons();
    // Ends every flying player shot without effects.
    void clearPlayerBullets();

    void pause() override;
    void resume() override;
    void keyPressed(const OIS::KeyEvent& event) override;
    void mouseMoved(int x, int y, int wheel) override;
    void windowResized() override;
    void windowFocusLost() override;
    void resumeAfterFocus() override;
    void controllerButtonDown(std::uint8_t button) override;

    // The mode of the previous frame; a frame that sees another mode is a
    // mode change.
    int lastGameMode = -1;
    // Set when the pointer was warped to the other edge: the motion event
    // the warp itself causes is not a move of the player's.
    bool isMouseWarped = false;
};
