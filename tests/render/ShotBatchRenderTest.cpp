// Sprite shots drawn by the batch: shots of two definitions with their own
// textures, of both sides, each where its quad lies, and a shot whose
// texture got no material drawn with the stand-in, on a black background.
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "core/materials/ShotMaterials.h"

#include <OgreImage.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ShotBatchRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        play.level.create(scene->scene);
        play.level.resetShotPools();
        play.level.bulletBatch->create(scene->scene);
    }
    void TearDown() override
    {
        if (!scene)
            return;
        play.level.destroy();
        for (const auto& entry : definitions)
            game.bulletLibrary.erase(entry.first);
    }

    Weapon& gunFor(const std::string& name, const std::string& texture)
    {
        definitions[name].meshName = texture;
        game.bulletLibrary[name] = &definitions[name];
        guns.push_back(std::make_unique<Weapon>());
        guns.back()->meshName = name;
        return *guns.back();
    }

    // A shot of the gun launched at the point, and a step of flight that
    // takes no time: the step puts its corners where the shot is.
    bullet& fire(Weapon& gun, bool isPlayer, const Ogre::Vector3& at)
    {
        bullet* record = play.level.takeBullet(isPlayer);
        record->isPlayerBullet = isPlayer;
        record->phase = 1.0f;
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        record->launch(&gun, at, 1.0f, direction, nullptr, &definitions[gun.meshName]);
        double noTime = 0.0;
        record->update(noTime, Ogre::Vector3::ZERO);
        return *record;
    }

    // A texel of the picture, as the texture holds it.
    static Ogre::ColourValue texel(const std::string& picture, std::size_t x, std::size_t y)
    {
        Ogre::Image image;
        image.load(picture, Ogre::RGN_AUTODETECT);
        return image.getColourAt(x, y, 0);
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    CurrentLevel play;
    std::map<std::string, bulletDefinition> definitions;
    std::vector<std::unique_ptr<Weapon>> guns;
    LogCapture log;
};

TEST_F(ShotBatchRender, ShotsOfEachDefinitionShowTheirTextureWhereTheyAreAndAMissingOneTheStandIn)
{
    LibraryEntry blueSheet(game.spriteLibrary, "shotBlue.png", 2.0f, 1.0f);
    createBulletMaterials("shotBlue.png");
    createBulletMaterials("rockStone.png");
    createBulletMaterials("notFoundBullet.jpg");
    Weapon& blue = gunFor("blue", "shotBlue.png");
    Weapon& rock = gunFor("rock", "rockStone.png");
    Weapon& lost = gunFor("lost", "gone.png");
    // Each shot seen at a point of its quad: the middle of the blue and the
    // rock picture, and on the 4 x 4 quad of the stand-in's 32 x 32 checker,
    // 4.5 texels in from its first corner.
    const Ogre::Vector3 checker(-1.4375f, 0.0f, -1.4375f);
    struct Shot {
        Weapon* gun;
        bool isPlayer;
        Ogre::Vector3 at;
        Ogre::Vector3 seenAt;
        Ogre::ColourValue colour;
    };
    const Shot shots[] = {
        {&blue, false, {-5.0f, 0.0f, -5.0f}, Ogre::Vector3::ZERO, rgb(0x60a0ff)},
        {&rock, false, {0.0f, 0.0f, -5.0f}, Ogre::Vector3::ZERO, rgb(0xc03020)},
        {&blue, false, {5.0f, 0.0f, -5.0f}, Ogre::Vector3::ZERO, rgb(0x60a0ff)},
        {&blue, true, {-5.0f, 0.0f, 5.0f}, Ogre::Vector3::ZERO, rgb(0x60a0ff)},
        {&rock, true, {0.0f, 0.0f, 5.0f}, Ogre::Vector3::ZERO, rgb(0xc03020)},
        {&lost, false, {5.0f, 0.0f, 5.0f}, checker, texel("notFoundBullet.jpg", 4, 4)},
    };
    std::vector<bullet*> fired;
    for (const Shot& shot : shots)
        fired.push_back(&fire(*shot.gun, shot.isPlayer, shot.at));
    play.level.bulletBatch->update(game.enemyBullets.data(), game.playerBullets.data());
    scene->renderFrame();
    scene->keepFrame("shotBatch");
    for (const Shot& shot : shots)
        EXPECT_COLOUR(scene->colourAt(shot.at + shot.seenAt), shot.colour) << shot.at;
    // The rock's spot at texel (40, 40) of 128 lies up and left and the
    // checker's next square below: the quad's first corner shows the
    // texture's first.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-0.75f, 0.0f, -5.75f)), rgb(0xe05030));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(3.5625f, 0.0f, 5.5625f)), texel("notFoundBullet.jpg", 4, 20));
    // Between the quads and beside them: the background.
    for (const Ogre::Vector3& empty : {Ogre::Vector3(0.0f, 0.0f, 0.0f), Ogre::Vector3(-5.0f, 0.0f, 0.0f),
                                       Ogre::Vector3(2.5f, 0.0f, -5.0f), Ogre::Vector3(7.5f, 0.0f, 5.0f)})
        EXPECT_COLOUR(scene->colourAt(empty), Ogre::ColourValue::Black) << empty;

    // The rock shots die, which folds their corners to a point: the next
    // frame draws the others alone, the player's tinted red.
    fired[1]->die(false, false);
    fired[4]->die(false, false);
    game.playerBulletColour = Ogre::Vector3(1.0f, 0.0f, 0.0f);
    play.level.bulletBatch->update(game.enemyBullets.data(), game.playerBullets.data());
    game.playerBulletColour = Ogre::Vector3::UNIT_SCALE;
    scene->renderFrame();
    for (const Shot& shot : shots) {
        const Ogre::ColourValue seen = scene->colourAt(shot.at + shot.seenAt);
        const Ogre::ColourValue tint = shot.isPlayer ? Ogre::ColourValue::Red : Ogre::ColourValue::White;
        EXPECT_COLOUR(seen, shot.gun == &rock ? Ogre::ColourValue::Black : shot.colour * tint) << shot.at;
    }
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

} // namespace
