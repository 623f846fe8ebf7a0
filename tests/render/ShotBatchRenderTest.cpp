// Sprite shots drawn by the batch: shots of two definitions with their own
// textures, of both sides, each where its quad lies, and a shot whose
// texture got no material drawn with the stand-in, on a black background.
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"
#include "support/TempFolder.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "core/materials/ShotMaterials.h"

#include <OgreResourceGroupManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The quad of a shot in its node's space, as a flying shot's corners are made.
const Ogre::Vector3 quadCorners[4] = {
    {-2.0f, 0.0f, -2.0f}, {2.0f, 0.0f, -2.0f}, {2.0f, 0.0f, 2.0f}, {-2.0f, 0.0f, 2.0f}};

class ShotBatchRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        // No cancel effect on each of the 8000 enemy records: none is shown here.
        cancelTemplate = game.cancelSfxName;
        game.cancelSfxName.clear();
        play.level.create(scene->scene);
        play.level.resetShotPools();
        play.level.bulletBatch->create(scene->scene);
    }
    void TearDown() override
    {
        if (!scene)
            return;
        play.level.destroy();
        game.cancelSfxName = cancelTemplate;
        for (const auto& entry : definitions)
            game.bulletLibrary.erase(entry.first);
        Ogre::ResourceGroupManager::getSingleton().removeResourceLocation(folder.path(), "GAMERSC");
    }

    Weapon& gunFor(const std::string& name, const std::string& texture)
    {
        definitions[name].meshName = texture;
        game.bulletLibrary[name] = &definitions[name];
        guns.push_back(std::make_unique<Weapon>());
        guns.back()->meshName = name;
        return *guns.back();
    }

    // A shot of the gun launched at the point, its corners where flight puts
    // them for a shot in view.
    bullet& fire(Weapon& gun, bool isPlayer, const Ogre::Vector3& at)
    {
        bullet* record = play.level.takeBullet(isPlayer);
        record->isPlayerBullet = isPlayer;
        record->phase = 1.0f;
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        record->launch(&gun, at, 1.0f, direction, nullptr, &definitions[gun.meshName]);
        const Ogre::Affine3& transform = record->node->_getFullTransform();
        for (int i = 0; i < 4; ++i)
            record->corners[i] = transform * quadCorners[i];
        return *record;
    }

    // The stand-in texture of shots without a material: a flat grey picture
    // of the game's under the name the runtime looks for.
    void provideStandInTexture()
    {
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        folder.write("notFoundBullet.jpg", resources.openResource("crateSpecular.png", "GAMERSC")->getAsString());
        resources.addResourceLocation(folder.path(), "FileSystem", "GAMERSC");
        createBulletMaterials("notFoundBullet.jpg");
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    CurrentLevel play;
    std::string cancelTemplate;
    TempFolder folder;
    std::map<std::string, bulletDefinition> definitions;
    std::vector<std::unique_ptr<Weapon>> guns;
    LogCapture log;
};

TEST_F(ShotBatchRender, ShotsOfEachDefinitionShowTheirTextureWhereTheyAreAndAMissingOneTheStandIn)
{
    LibraryEntry blueSheet(game.spriteLibrary, "shotBlue.png", 2.0f, 1.0f);
    createBulletMaterials("shotBlue.png");
    createBulletMaterials("rockStone.png");
    provideStandInTexture();
    Weapon& blue = gunFor("blue", "shotBlue.png");
    Weapon& rock = gunFor("rock", "rockStone.png");
    Weapon& lost = gunFor("lost", "gone.png");
    struct Shot {
        Weapon* gun;
        bool isPlayer;
        Ogre::Vector3 at;
        Ogre::ColourValue colour;
    };
    const Ogre::ColourValue blueShot = rgb(0x60a0ff);
    const Ogre::ColourValue rockShot = rgb(0xc03020);
    const Shot shots[] = {
        {&blue, false, {-5.0f, 0.0f, -5.0f}, blueShot}, {&rock, false, {0.0f, 0.0f, -5.0f}, rockShot},
        {&blue, false, {5.0f, 0.0f, -5.0f}, blueShot},  {&blue, true, {-5.0f, 0.0f, 5.0f}, blueShot},
        {&rock, true, {0.0f, 0.0f, 5.0f}, rockShot},    {&lost, false, {5.0f, 0.0f, 5.0f}, rgb(0x707070)},
    };
    std::vector<bullet*> fired;
    for (const Shot& shot : shots)
        fired.push_back(&fire(*shot.gun, shot.isPlayer, shot.at));
    play.level.bulletBatch->update(game.enemyBullets.data(), game.playerBullets.data());
    scene->renderFrame();
    scene->keepFrame("shotBatch");
    for (const Shot& shot : shots)
        EXPECT_COLOUR(scene->colourAt(shot.at), shot.colour) << shot.at;
    // The rock's spot at texel (40, 40) of 128 lies up and left: the quad's
    // first corner shows the texture's first.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-0.75f, 0.0f, -5.75f)), rgb(0xe05030));
    // Between the quads and beside them: the background.
    for (const Ogre::Vector3& empty : {Ogre::Vector3(0.0f, 0.0f, 0.0f), Ogre::Vector3(-5.0f, 0.0f, 0.0f),
                                       Ogre::Vector3(2.5f, 0.0f, -5.0f), Ogre::Vector3(7.5f, 0.0f, 5.0f)})
        EXPECT_COLOUR(scene->colourAt(empty), Ogre::ColourValue::Black) << empty;

    // The rock shots die, which folds their corners to a point: the next
    // frame draws the others alone.
    fired[1]->corners.fill(Ogre::Vector3::ZERO);
    fired[4]->corners.fill(Ogre::Vector3::ZERO);
    play.level.bulletBatch->update(game.enemyBullets.data(), game.playerBullets.data());
    scene->renderFrame();
    for (const Shot& shot : shots)
        EXPECT_COLOUR(scene->colourAt(shot.at), shot.gun == &rock ? Ogre::ColourValue::Black : shot.colour) << shot.at;
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

} // namespace
