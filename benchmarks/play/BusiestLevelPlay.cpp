#include "play/BusiestLevelPlay.h"

#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Item.h"

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
// The window, the scene and the game's libraries, made on first use and
// kept for the process, as the render tests keep their window: the level is
// entered and left in them again for each benchmark.
class SampleGame {
public:
    SampleGame()
    {
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
    const long frames = std::lround(secondsBeforeTiming / frameTime);
    for (long i = 0; i < frames; ++i) {
        frame();
        updateTransforms();
    }
}

BusiestLevelPlay::~BusiestLevelPlay() { state.exit(); }

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
        live += item && item->status == Item::statusActive;
    for (const Item* item : state.items)
        live += item->status == Item::statusActive;
    return live;
}
