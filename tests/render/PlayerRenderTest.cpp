// The sample game's ships built as play builds them, from the players
// library, and drawn: the fighter in its hull's colours with its rotors
// turning, the mirrored sprite ship showing a frame of its sheet, and the
// stand-by box for a ship the library lacks.
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "combat/Player.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "world/sfxManager.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Frame = std::vector<Ogre::ColourValue>;

// The level's scale for the fighter, at which its canopy, hull, stripes and
// rotors lie where the checks below look.
constexpr float fighterSize = 2.0f / 1.5f;

// Every pixel of the last frame, row by row.
Frame grabFrame(const RenderScene& scene)
{
    Frame pixels;
    for (int row = 0; row < RenderScene::frameSize; ++row)
        for (int column = 0; column < RenderScene::frameSize; ++column)
            pixels.push_back(scene.colourOnScreen((column + 0.5f) / RenderScene::frameSize,
                                                  (row + 0.5f) / RenderScene::frameSize));
    return pixels;
}

// The world point of the play plane a pixel shows.
Ogre::Vector3 pixelToWorld(std::size_t index)
{
    const float pixelSize = RenderScene::viewSize / RenderScene::frameSize;
    const auto centre = [pixelSize](std::size_t pixel) {
        return (static_cast<float>(pixel) + 0.5f) * pixelSize - RenderScene::viewSize * 0.5f;
    };
    return Ogre::Vector3(centre(index % RenderScene::frameSize), 0.0f, centre(index / RenderScene::frameSize));
}

class PlayerRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        game.loadGameboxes();
        game.buildToybox();
        play.level.effects->sceneManager = scene->scene;
        ship = std::make_unique<Player>();
        game.player = ship.get();
    }
    void TearDown() override
    {
        ship.reset();
        game.player = nullptr;
        game.clearLibraries();
    }

    // As a level start builds the play ship: its nodes, the library
    // definition copied in, then put in place for its intro. `size` is the
    // scale the level's player element gives it.
    void buildShip(const std::string& definitionName, float size)
    {
        ship->scale = Ogre::Vector3(size);
        ship->createSceneNodes(scene->scene);
        game.createPlayer(definitionName);
        ship->respawn(true);
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    CurrentLevel play;
    std::unique_ptr<Player> ship;
    LogCapture log;
};

TEST_F(PlayerRender, TheFighterShowsItsHullWhereItStandsAndOnlyItsRotorsChangeAsTheyTurn)
{
    // Straight down: every face lit by the up component of its normal.
    scene->addLight(Ogre::Vector3::NEGATIVE_UNIT_Y);
    buildShip("PlayerDefault01", fighterSize);
    ASSERT_EQ(ship->rotors.size(), 2u);
    // The play state puts the crosshair ahead of the ship; here, out of sight.
    ship->aimNode->setPosition(0.0f, 0.0f, 50.0f);

    scene->renderFrame();
    scene->keepFrame("fighter");
    const Frame before = grabFrame(*scene);
    // The front faces slope up at 0.9329 toward the light; the specular
    // texture adds grey times a faint highlight (shininess 60, times 1.2),
    // the glow texture the hull's own colours at half strength.
    const auto lit = [](const Ogre::ColourValue& texture) {
        return (texture * (0.9329f + 0.5f) + grey(0.5f) * 0.0174f).saturateCopy();
    };
    // Nose up: the canopy ahead of the middle, the hull beside it, a red
    // stripe at the back of each wing.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-0.3f, 0.0f, -3.0f)), lit(rgb(0x102050)));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-1.5f, 0.0f, -0.5f)), lit(rgb(0xffd23c)));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(1.5f, 0.0f, -0.5f)), lit(rgb(0xffd23c)));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-2.66f, 0.0f, 1.59f)), lit(rgb(0xe02818)));
    // Beside the nose, behind the tail and past the wing tips: the background.
    for (const Ogre::Vector3& off : {Ogre::Vector3(-2.0f, 0.0f, -5.0f), Ogre::Vector3(0.0f, 0.0f, 4.0f),
                                     Ogre::Vector3(-6.0f, 0.0f, 3.0f), Ogre::Vector3(6.0f, 0.0f, 3.0f)})
        EXPECT_COLOUR(scene->colourAt(off), Ogre::ColourValue::Black) << off;

    ship->turnRotors(0.05);
    scene->renderFrame();
    scene->keepFrame("fighterTurned");
    const Frame after = grabFrame(*scene);
    std::vector<int> changedAtRotor(ship->rotors.size(), 0);
    int changedElsewhere = 0;
    for (std::size_t pixel = 0; pixel < before.size(); ++pixel) {
        if (colourDistance(before[pixel], after[pixel]) <= colourTolerance)
            continue;
        const Ogre::Vector3 at = pixelToWorld(pixel);
        bool isAtRotor = false;
        for (std::size_t i = 0; i < ship->rotors.size(); ++i) {
            const rotor& part = *ship->rotors[i];
            Ogre::Vector3 hub = part.node->_getDerivedPosition();
            hub.y = 0.0f;
            const float reach = part.entity->getBoundingRadius() * part.node->_getDerivedScale().x;
            if (at.distance(hub) <= reach + 0.1f) {
                ++changedAtRotor[i];
                isAtRotor = true;
            }
        }
        changedElsewhere += isAtRotor ? 0 : 1;
    }
    for (std::size_t i = 0; i < changedAtRotor.size(); ++i)
        EXPECT_GE(changedAtRotor[i], 10) << ship->rotors[i]->meshName << " turned where it is seen";
    EXPECT_EQ(changedElsewhere, 0);

    // A hit's flash colour is added to the hull, weighted by its alpha; the
    // background is left alone.
    ship->setColour(Ogre::ColourValue(0.0f, 0.4f, 0.0f, 0.5f));
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-0.3f, 0.0f, -3.0f)),
                  lit(rgb(0x102050)) + Ogre::ColourValue(0.0f, 0.2f, 0.0f, 0.0f));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, 4.0f)), Ogre::ColourValue::Black);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(PlayerRender, TheMirroredSpriteShipShowsOneFrameOfItsSheetAndHoldsIt)
{
    buildShip("PlayerSprite01", 3.0f);
    // A frame of the sheet is 64 pixels square, 2 units at scale 1: a pixel
    // of the frame, nose up, on the plane of 6 units.
    const auto framePixel = [](float x, float y) {
        return Ogre::Vector3((x / 64.0f - 0.5f) * 6.0f, 0.0f, (y / 64.0f - 0.5f) * 6.0f);
    };
    // Mirrored through its plane, and still drawn.
    EXPECT_EQ(ship->entityNode->_getDerivedScale(), Ogre::Vector3(6.0f, -3.0f, 6.0f));

    scene->renderFrame();
    scene->keepFrame("spriteShip");
    const Frame shown = grabFrame(*scene);
    // What every frame of the sheet shows: the body either side, the cockpit
    // ahead of the middle, the flame behind; clear beside the nose.
    EXPECT_COLOUR(scene->colourAt(framePixel(20.0f, 36.0f)), rgb(0x60c0ff));
    EXPECT_COLOUR(scene->colourAt(framePixel(44.0f, 36.0f)), rgb(0x60c0ff));
    EXPECT_COLOUR(scene->colourAt(framePixel(32.0f, 26.0f)), rgb(0x103050));
    EXPECT_COLOUR(scene->colourAt(framePixel(32.0f, 42.0f)), rgb(0xffb020));
    EXPECT_COLOUR(scene->colourAt(framePixel(8.0f, 10.0f)), Ogre::ColourValue::Black);
    EXPECT_COLOUR(scene->colourAt(framePixel(32.0f, 62.0f)), Ogre::ColourValue::Black);

    // The respawn chose the sheet's tile: the clock running on leaves it.
    scene->setClock(0.375f);
    scene->renderFrame();
    const Frame later = grabFrame(*scene);
    int changed = 0;
    for (std::size_t pixel = 0; pixel < shown.size(); ++pixel)
        changed += colourDistance(shown[pixel], later[pixel]) > colourTolerance ? 1 : 0;
    EXPECT_EQ(changed, 0);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(PlayerRender, AShipTheLibraryLacksIsDrawnAsTheStandByBox)
{
    ship->meshName = "ghost.mesh";
    buildShip("PlayerGone", 4.0f);
    scene->renderFrame();
    scene->keepFrame("standByShip");
    // A dark square of the magenta checker board, away from its edges.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-0.9f, 0.0f, -0.9f)), rgb(0x8d008c));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, 4.0f)), Ogre::ColourValue::Black);
    EXPECT_TRUE(log.contains("[ERROR] can't find player mesh: ghost.mesh"));
}

} // namespace
