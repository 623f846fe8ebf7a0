// The state that plays a level. Entering builds the whole scene of the
// Game's current level (camera rig, viewports, physics world, Level, player,
// placed objects) and leaving tears it down so that the next entry starts
// from an empty scene. Its frame runs the Game's timers, the world step and
// the guns and shots in fixed steps; it also holds the level's lists, the
// screen-wide bomb and the cancelling of enemy shots.
#pragma once

#include "core/GameState.h"
#include "play/HitTargets.h"
#include "platform/FreedMemory.h"

#include <OgreVector.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
class Root;
class SceneManager;
class Viewport;
} // namespace Ogre

class Enemy;
class Game;
class GameCamera;
class HighScoreMenu;
class Item;
class Level;
class LevelFile;
class Obb;
class OverlayPreferer;
class ContinueMenu;
class PauseMenu;
class GameEndScreen;
class ScoreMenu;
class Player;
class Trigger;
class Wave;
class Weapon;
class background;
class sfx;
class PhysicsWorld;
class btDiscreteDynamicsWorld;

class playState : public GameState {
public:
    // The one play state of the run.
    static playState* getInstance();

    void enter(Ogre::RenderWindow* renderWindow) override;
    void exit() override;
    void update(double dt) override;

    // Steps of entering.
    void createBackgroundViewport();
    void setupShadows();
    void createScreenBounds();
    void preloadOverlays(const LevelFile& file);
    void setPreloadTexture();

    // The bomb: sets the Game's bomb timers, cancels the enemies' shots
    // (each dropping the item) when asked, shows the smart-bomb effect at
    // the player when asked, and hits the enemies on screen with the damage.
    void damageAllEnemies(bool cancelBullets, bool cancelAll, const std::string& cancelItemName, int damage,
                          bool showEffect, bool clearCoolDown);
    // Enemies hold fire a moment and every enemy shot is cancelled, each
    // dropping the item.
    void cancelBulletsForScore(const std::string& itemName, bool cancelAll);

    // The per-frame lists and loops.
    void collectActiveEnemies();
    void updateBackgroundVisibility();
    void collectVisibleBackgrounds();
    // The alive, targetable enemy of the list nearest to the point (squared
    // distance to its node); among equal distances the last one wins.
    static Enemy* findNearestEnemy(const std::vector<Enemy*>& list, const Ogre::Vector3& point);
    // Every trigger of the update list, with the unscaled frame time; not in
    // game modes 8 and 13.
    void updateTriggers(double seconds);
    void updateSfx(double dt);
    // Every wave; the Game learns how many have finished.
    void updateWaves(double dt);
    // The Game learns how many waves the level has and how many have finished.
    void countWaves();
    // Every pooled item and every item of the level.
    void updateItems(double seconds);
    // The triggers in the order they are updated: those linked to no trigger
    // first, then, breadth first, the triggers linking to ones already
    // listed. A trigger reached by neither is not updated.
    void buildTriggerUpdateList();
    // One fixed step of the side's laser beams, then of every live shot of
    // its pool, and their hits, the enemies' shots and beams homing on the
    // target; records that became free leave the live list.
    void updateEnemyBullets(double dt, const Ogre::Vector3& target);
    void updatePlayerBullets(double dt, const Ogre::Vector3& target);

    // --- Laser beams ---
    // Where beam k of the gun stops on the outline, also kept as the gun's
    // end point. A beam that is not invincible ends there: it is finished
    // at once, for the caller to release it and the beams behind it.
    Ogre::Vector3 testLaserHit(Weapon& gun, int k, const Obb& target);

    // --- Hits of the shots ---
    // The outlines the shot steps test against, filed afresh by each step.
    HitTargets hitTargets;

    Ogre::Root* root = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::RenderWindow* window = nullptr;
    // Emptied by the level reset.
    std::map<std::string, int> resetMap;
    // The play flow's game mode of the previous frame; -1 after entering.
    std::int32_t lastGameMode = -1;
    // The squared distance the nearest-shot and nearest-enemy searches
    // start from.
    static constexpr float farAwaySquared = 900000.0f;
    // Rebuilt every frame for the collision steps.
    std::vector<Enemy*> onScreenEnemies;
    std::vector<Enemy*> activeEnemies;
    std::vector<background*> visibleBackgrounds;
    Ogre::Camera* playCamera = nullptr;
    OIS::Keyboard* keyboard = nullptr;
    OIS::Mouse* mouse = nullptr;
    // The background viewport draws only the level's background picture, by
    // hand or during a refresh window; the game viewport draws the rest.
    Ogre::Viewport* backgroundViewport = nullptr;
    Ogre::Viewport* gameViewport = nullptr;
    // Play was paused because the game controller went away.
    std::uint8_t padLost = 0;
    Game* game = nullptr;
    // Fixed-step accumulators (seconds) of enemy fire and of player fire and
    // shots; they keep their remainders across frames.
    double enemyFireTime = 0.0;
    double shotTime = 0.0;
    OverlayPreferer* overlayPreferer = nullptr;
    // Seconds of frames between two returns of the heap's free pages.
    static constexpr double freedMemorySeconds = 10.0;
    platform::FreedMemoryPace freedMemoryPace{freedMemorySeconds};
    GameCamera* camera = nullptr;
    // Owned through the Game.
    Player* player = nullptr;
    Level* level = nullptr;
    // The level's waves, in file order.
    std::vector<Wave*> waves;
    // The level's placed backgrounds.
    std::vector<background*> levelEntities;
    // Items placed in the level (the pool's items live in the Game).
    std::vector<Item*> items;
    // The level's triggers, and the order they are updated in.
    std::vector<Trigger*> triggers;
    std::vector<Trigger*> triggerUpdateList;
    // Effects placed in the level.
    std::vector<sfx*> sfxList;
    // The outline of the Game's invincibilityLimits rectangle.
    Obb* invincibilityBounds = nullptr;
    std::uint32_t restartPending = 0;
    // Cleared when play of the level (re)starts, like the Game's own.
    bool isPlayStartPending = false;
    // Set by every level reset.
    bool isSpriteReset = false;
    // The physics world with what it is made of, and the world itself.
    PhysicsWorld* physics = nullptr;
    btDiscreteDynamicsWorld* world = nullptr;

    // --- Play flow, level reset and input in play ---
    // Reacts to the Game's mode: the clean-ups of a mode change, the death
    // timer and the respawn. Runs first in every frame of play.
    void updatePlayFlow(double dt);
    // Puts every shot, item, wave and trigger of the level back to its
    // start; the flag is not used.
    void resetLevelState(bool keepFlag);
    void setGamePaused(bool paused);
    // Shows the Level's gauge and chain gauge with the HUD, as far as the
    // game's switches allow them; hides them.
    void swapOverlayPicture(bool show);
    // Game time runs at the factor (0 freezes it); nothing without Ogre.
    static void setControllerTimeFactor(float factor);
    // Ends the flying enemy shots: each may drop the item; with effects,
    // shots that cannot be cancelled stay unless all are asked for.
    void cancelEnemyBullets(bool dropItems, bool withEffects, bool all, const std::string& itemName);
    // Every enemy gun's sound fades out and its firing cycle ends: no
    // salvo, charge or warm-up is left half done, and the gun turns back to
    // its stored orientation.
    void stopEnemyWeapons();
    // Ends every flying player shot without effects and without its ribbon;
    // a shot riding the camera rig stays in it, the others leave their parent.
    void clearPlayerBullets();

    void pause() override;
    void resume() override;
    void keyPressed(const OIS::KeyEvent& event) override;
    void mouseMoved(int x, int y, int wheel) override;
    void windowResized() override;
    void windowFocusLost() override;
    void resumeAfterFocus() override;
    void controllerButtonDown(std::uint8_t button) override;

    // Set when the pointer was warped to the other edge: the motion event
    // the warp itself causes is not a move of the player's.
    bool isMouseWarped = false;

    // --- Pause menu and the game controller in play ---
    // Escape, the controller's start button and the window's close request
    // open and close the pause menu; Shift+Tab lets the background redraw.
    void keyReleased(const OIS::KeyEvent& event) override;
    void windowClosed(bool closed) override;
    // Pauses play once when the game controller that was open goes away.
    void watchController();
    // Made when a level is entered, gone when it is left.
    PauseMenu* pauseMenu = nullptr;
    ContinueMenu* continueMenu = nullptr;
    // The end-of-game messages and the stage scores, opened by the play flow
    // in the end and score modes; made and gone with the level.
    GameEndScreen* endScreen = nullptr;
    ScoreMenu* scoreMenu = nullptr;
    // The high-score screen of the play flow, made with the level.
    HighScoreMenu* highScoreMenu = nullptr;

    // Level build passes. The level file names the objects a trigger
    // links and the wave an object rides on; these passes turn the names
    // into pointers (the first object of a name wins), then build the
    // enemies' looks when play starts.
    void linkEntities();
    void attachEntities();
    void buildEnemyVisuals();
    // Puts every effect on the render layer of its layer id.
    void refreshEntityValues();

    // --- Starting and restarting play, the checkpoint ---
    // (Re)starts play of the loaded level: views, sounds, the level back to
    // its start, the fade in, the ship and the enemies' looks; play is then
    // in game mode 1.
    void startLevel();
    // The level's screens, counters and objects back to their start.
    void restartLevel();
    // Triggers that neither keep a node of their own nor test contact leave
    // the scene, so that they are not drawn.
    void detachHiddenEntities();
    // Every enemy on screen that is not all armour takes the damage.
    void hitOnScreenEnemies(int damage);
    // One frame rendered, and the window updated; nothing without a window.
    void renderFrame();
    void updateWindow();

    // --- Ship control, camera follow, body contact and bombs ---
    // Moves the ship from the input inside the screen, pushes it out of
    // enemies and walls, pans the camera after it, tilts, turns and banks
    // it, sets the bomb off from its button and hands it its state step.
    void updatePlayerControl(double dt);
    // Counts the running bomb down; while it runs no chain builds up when
    // bombs break the multiplier.
    void updateBombTimer(double dt);
    // The ship faces the flagged side (-x, or +z when it faces vertically).
    bool isFacingFlagged = false;

private:
    void showPlayerAndLayers();
    void openStartView();
    void startPlayerAndEnemies();
    void armPlayer();

private:
    void createGameViewport();
    void createOverlayPreferer();
    void createPhysicsWorld();
    void destroyPhysicsWorld();
    void createLevel(const LevelFile& file);
    // Keys pressed on the screens before the level, or while it loaded,
    // are held as they are now; none of those presses reaches the level
    // (a pause key from the stage scores would pause it).
    void settleEarlierKeys();
    void buildLevel(const LevelFile& file);
    void destroyLevelObjects();
    void clearScene();
    void runWorldStep(double dt);
    void stepGunsAndShots(double dt);
    void endBackgroundRefresh();
    static void setDebugOverlaysVisible(bool visible);
    void stepPhysics(double dt);
    void leaveWhenFaded();
};
