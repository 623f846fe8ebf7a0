#include "play/BusiestLevelPlay.h"

#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/Waypoint.h"

#include <OgreMath.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

// Of the sample game's three levels, the second has the most waves (four:
// a swarm of nine, saucers, a snake and a tank), the most placed items and
// the most placed effects.
const char* const busiestLevel = "Level02";
// The window of a 720p game: the view decides what is on screen.
constexpr unsigned int windowWidth = 1280;
constexpr unsigned int windowHeight = 720;
// An item's status while it moves and can be collected.
constexpr std::uint32_t itemActive = 2;
// A camera shot (degrees about X, before the head's quarter turn) that
// looks 60 degrees down on the play ahead of the camera.
constexpr float cameraShotDownAhead = 210.0f;
// Entries of Ogre's sine and cosine tables, as the program's start-up makes them.
constexpr unsigned int trigTableSize = 4096;

// The enemies' motion reads the tables; they live as long as the process.
void makeTrigTables()
{
    [[maybe_unused]] static Ogre::Math* const tables = new Ogre::Math(trigTableSize);
}

// The sample levels' camera shot turns the camera's head to 30 degrees above
// the horizon, where no wave ever comes into view and none would start: the
// head is turned down onto the play instead, as the shot is surely meant.
void lookDownOnPlay(GameCamera& camera)
{
    if (!camera.levelPath.empty())
        camera.levelPath.front()->camShotOrientation.x = cameraShotDownAhead;
}

// The window, the scene and the game's libraries, made on first use and
// kept for the process, as the render tests keep their window: the level is
// entered and left in them again for each benchmark.
class SampleGame {
public:
    SampleGame()
    {
        makeTrigTables();
        Game& game = *Game::getSingletonPtr();
        game.loadGameboxes();
        game.buildToybox();
        game.levelName = busiestLevel;
        if (game.playerName.empty() && !game.playerLibrary.empty())
            game.playerName = game.playerLibrary.begin()->first;
        window().resize(windowWidth, windowHeight);
    }
    static Ogre::RenderWindow& window() { return *Game::getSingletonPtr()->renderWindow; }

private:
    // The engine, the window and the game's resources.
    RenderScene scene;
};

Ogre::RenderWindow& sampleGameWindow()
{
    [[maybe_unused]] static const SampleGame* const sample = new SampleGame;
    return SampleGame::window();
}

} // namespace

BusiestLevelPlay::BusiestLevelPlay(double secondsBeforeTiming)
{
    Ogre::RenderWindow& window = sampleGameWindow();
    window.removeAllViewports();
    state.enter(&window);
    startPlay();
    const long frames = std::lround(secondsBeforeTiming / frameTime);
    for (long i = 0; i < frames; ++i) {
        frame();
        updateTransforms();
    }
}

BusiestLevelPlay::~BusiestLevelPlay() { state.exit(); }

// ---- Stand-in for the play state's own level start ----
// Entering does not start play yet: until it does, this does what the frame
// needs of a started level: the level, its waves, items and shots back to
// their start, the camera at the head of its path, the enemies' looks, the
// ship placed and armed, and the game mode "playing". The rendered frames,
// screens, HUD and music of a real start are left out: nothing here draws.
void BusiestLevelPlay::startPlay()
{
    Game& game = *Game::getSingletonPtr();
    Level& level = *state.level;
    game.isPaused = false;
    level.assignRenderQueues();
    state.camera->applyLevelSettings();
    game.waveCount = static_cast<int>(state.waves.size());
    level.restart(true);
    state.resetLevelState(false);
    level.attachEntitiesToLayers();
    lookDownOnPlay(*state.camera);
    state.camera->restartPath();
    state.player->followCameraNode(false);
    state.player->updateIntro(0.0);
    state.buildEnemyVisuals();
    state.player->updateObbs();
    state.player->setWeaponLevel(game.weaponLevel);
    game.setGameState(gameModePlaying);
}

void BusiestLevelPlay::updateTransforms()
{
    if (state.sceneManager)
        state.sceneManager->getRootSceneNode()->_update(true, false);
}

int BusiestLevelPlay::liveWaves() const
{
    int running = 0;
    for (const Wave* wave : state.waves)
        running += wave->status == Wave::statusRunning;
    return running;
}

int BusiestLevelPlay::flyingShots() const
{
    const Game& game = *Game::getSingletonPtr();
    int flying = 0;
    for (const bullet* shot : game.enemyBullets)
        flying += shot && shot->state == bullet::stateFlying;
    for (const bullet* shot : game.playerBullets)
        flying += shot && shot->state == bullet::stateFlying;
    return flying;
}

int BusiestLevelPlay::liveItems() const
{
    const Game& game = *Game::getSingletonPtr();
    int live = 0;
    for (const Item* item : game.itemPool)
        live += item && item->status == itemActive;
    for (const Item* item : state.items)
        live += item->status == itemActive;
    return live;
}
