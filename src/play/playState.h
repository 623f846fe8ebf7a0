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
class sfx;

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

    // Level build passes. The level file names the objects a trigger
    // links and the wave an object rides on; these passes turn the names
    // into pointers (the first object of a name wins), then build the
    // enemies' looks when play starts.
    void linkEntities();
    void attachEntities();
    void buildEnemyVisuals();
    // Puts every effect on the render layer of its layer id.
    void refreshEntityValues();
    // Effects placed by the level file; owned by the level's teardown.
    std::vector<sfx*> sfxList;
};
