// The shot sprite batch: one object per shot definition and side, redrawn
// from the live lists each frame with the definition's material, and
// emptied and destroyed without leaving an object behind.
#include "combat/ShotFlightScene.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "support/ResourceGroupScope.h"

#include <OgreHardwareBufferManager.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreRenderQueue.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// What an object's section holds after a frame.
struct Drawn {
    std::string material;
    std::vector<Ogre::Vector3> positions;
    std::vector<std::uint16_t> indexes;
};

Drawn drawnBy(Ogre::ManualObject* object)
{
    Drawn drawn;
    Ogre::RenderOperation& operation = *object->getSections().at(0)->getRenderOperation();
    drawn.material = object->getSections()[0]->getMaterialName();
    const Ogre::VertexDeclaration& layout = *operation.vertexData->vertexDeclaration;
    Ogre::HardwareBufferLockGuard vertices(operation.vertexData->vertexBufferBinding->getBuffer(0),
                                           Ogre::HardwareBuffer::HBL_READ_ONLY);
    for (std::size_t i = 0; i < operation.vertexData->vertexCount; ++i) {
        const auto* vertex = static_cast<const unsigned char*>(vertices.pData) + i * layout.getVertexSize(0);
        const auto* xyz = reinterpret_cast<const float*>(
            vertex + layout.findElementBySemantic(Ogre::VES_POSITION)->getOffset());
        drawn.positions.emplace_back(xyz[0], xyz[1], xyz[2]);
    }
    Ogre::HardwareBufferLockGuard indexes(operation.indexData->indexBuffer, Ogre::HardwareBuffer::HBL_READ_ONLY);
    const auto* first = static_cast<const std::uint16_t*>(indexes.pData);
    drawn.indexes.assign(first, first + operation.indexData->indexCount);
    return drawn;
}

// The queue group and priority a drawn object goes into when a frame is rendered.
std::pair<int, int> renderQueueOf(Ogre::ManualObject* object)
{
    struct Listener : Ogre::RenderQueue::RenderableListener {
        bool renderableQueued(Ogre::Renderable*, Ogre::uint8 group, Ogre::ushort priority, Ogre::Technique**,
                              Ogre::RenderQueue*) override
        {
            queued = {group, priority};
            return false;
        }
        std::pair<int, int> queued{-1, -1};
    } listener;
    Ogre::RenderQueue queue;
    queue.setRenderableListener(&listener);
    object->_updateRenderQueue(&queue);
    return listener.queued;
}

class ShotBatch : public ::testing::Test {
protected:
    ShotBatch()
    {
        play.level.create(play.world.scene);
        play.level.resetShotPools();
        batch = play.level.bulletBatch;
    }
    void SetUp() override
    {
        createResourceGroupOnce("GAMERSC");
        for (const char* material : {"bullet_shotBlue.png", "bullet_shotRed.png", "bullet_notFoundBullet.jpg"})
            Ogre::MaterialManager::getSingleton().create(material, "GAMERSC");
        // "gone.png" got no material.
        const std::pair<const char*, const char*> textures[] = {
            {"blue", "shotBlue.png"}, {"red", "shotRed.png"}, {"gone", "gone.png"}};
        for (const auto& [name, texture] : textures) {
            definitions[name].meshName = texture;
            play.game.bulletLibrary[name] = &definitions[name];
        }
    }
    void TearDown() override
    {
        for (const auto& entry : definitions)
            play.game.bulletLibrary.erase(entry.first);
    }

    // A gun whose shots use the definition; "lost" is none of the library's.
    static Weapon* gunOf(const std::string& definitionName)
    {
        auto* gun = new Weapon;
        gun->meshName = definitionName;
        return gun;
    }

    // A shot of the gun launched at the point, a 2 x 2 quad around it.
    const bullet* fire(Weapon& gun, bool isPlayer, const Ogre::Vector3& at)
    {
        bullet* record = play.level.takeBullet(isPlayer);
        record->isPlayerBullet = isPlayer;
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        const auto entry = definitions.find(gun.meshName);
        record->launch(&gun, at, 1.0f, direction, nullptr, entry != definitions.end() ? &entry->second : nullptr);
        record->corners = {at + Ogre::Vector3(-1.0f, 0.0f, -1.0f), at + Ogre::Vector3(1.0f, 0.0f, -1.0f),
                           at + Ogre::Vector3(1.0f, 0.0f, 1.0f), at + Ogre::Vector3(-1.0f, 0.0f, 1.0f)};
        return record;
    }

    void drawFrame() { batch->update(play.game.enemyBullets.data(), play.game.playerBullets.data()); }
    Ogre::ManualObject* object(const std::string& name) { return play.world.scene->getManualObject(name); }

    ShotFlightScene play;
    ResourceGroupScope gameGroup{{"GAMERSC"}};
    std::map<std::string, bulletDefinition> definitions;
    // The Level's batch, which launches ask for their shots' objects.
    bulletSpriteBatch* batch = nullptr;
};

TEST_F(ShotBatch, MakesOneObjectPerDefinitionAndSideForThePlayerAndEachWavesLastMember)
{
    Player player;
    player.weaponSets = {{gunOf("blue"), gunOf("blue")}, {gunOf("lost"), gunOf("")}};
    Wave wave("Wave1");
    wave.members = {new Enemy, new Enemy};
    wave.members.front()->weaponSets = {{gunOf("gone")}};
    wave.members.back()->weaponSets = {{gunOf("red")}, {gunOf("blue"), gunOf("red")}};
    const std::vector<Wave*> waves{&wave};
    batch->player = &player;
    batch->waves = &waves;
    batch->create(play.world.scene);

    EXPECT_EQ(batch->playerSpriteNames, std::vector<std::string>{"shotBlue.png"});
    EXPECT_EQ(batch->enemySpriteNames, (std::vector<std::string>{"shotRed.png", "shotBlue.png"}));
    for (const char* name : {"shotRed.png", "shotBlue.png", "shotBlue.png_player", "notFound.jpg"})
        EXPECT_TRUE(play.world.scene->hasManualObject(name)) << name;
    EXPECT_FALSE(play.world.scene->hasManualObject("gone.png"));
    EXPECT_EQ(object("notFound.jpg")->getParentSceneNode(), play.world.scene->getRootSceneNode());
    // A start of play again makes them anew, without a name in use.
    batch->create(play.world.scene);
    EXPECT_TRUE(play.world.scene->hasManualObject("shotBlue.png_player"));
}

TEST_F(ShotBatch, EachDefinitionAndSideDrawsItsShotsAsQuadsOfOneObject)
{
    batch->create(play.world.scene);
    std::unique_ptr<Weapon> blueA(gunOf("blue")), blueB(gunOf("blue")), gone(gunOf("gone")), lost(gunOf("lost"));
    std::map<std::string, std::vector<const bullet*>> shots;
    const auto shoot = [&](Weapon& gun, bool isPlayer, float x) {
        const bullet* record = fire(gun, isPlayer, Ogre::Vector3(x, 0.0f, x));
        shots[record->spriteObject->getName()].push_back(record);
    };
    shoot(*blueA, false, -4.0f);
    shoot(*blueB, false, 4.0f);
    shoot(*blueA, true, 6.0f);
    shoot(*gone, false, 2.0f);
    // Shots without a definition, of both sides, share the stand-in.
    shoot(*lost, false, 1.0f);
    shoot(*lost, true, -1.0f);
    drawFrame();

    const std::map<std::string, std::string> materials{{"shotBlue.png", "bullet_shotBlue.png"},
                                                       {"shotBlue.png_player", "bullet_shotBlue.png"},
                                                       {"gone.png", "bullet_notFoundBullet.jpg"},
                                                       {"notFound.jpg", "bullet_notFoundBullet.jpg"}};
    ASSERT_EQ(shots.size(), materials.size());
    for (const auto& [name, material] : materials) {
        SCOPED_TRACE(name);
        const Drawn drawn = drawnBy(object(name));
        EXPECT_EQ(drawn.material, material);
        EXPECT_TRUE(object(name)->isAttached());
        const std::vector<const bullet*>& records = shots[name];
        ASSERT_EQ(drawn.positions.size(), 4 * records.size());
        ASSERT_EQ(drawn.indexes.size(), 6 * records.size());
        for (std::uint16_t quad = 0; quad < records.size(); ++quad) {
            const std::uint16_t a = 4 * quad;
            EXPECT_EQ(std::vector<std::uint16_t>(&drawn.indexes[6 * quad], &drawn.indexes[6 * quad] + 6),
                      (std::vector<std::uint16_t>{a, std::uint16_t(a + 1), std::uint16_t(a + 2), std::uint16_t(a + 2),
                                                  std::uint16_t(a + 3), a}));
            EXPECT_TRUE(std::equal(records[quad]->corners.begin(), records[quad]->corners.end(), &drawn.positions[a]));
        }
    }
}

TEST_F(ShotBatch, EveryShotOfABurstIsDrawnHoweverFewTheFrameBeforeHad)
{
    batch->create(play.world.scene);
    std::unique_ptr<Weapon> blue(gunOf("blue"));
    // The last frame fills the object beyond the room it was made with.
    for (const std::size_t shots : {std::size_t{3}, std::size_t{300}, Game::enemyBulletCount}) {
        while (play.level.liveEnemyBullets.size() < shots)
            fire(*blue, false, Ogre::Vector3(static_cast<float>(play.level.liveEnemyBullets.size()), 0.0f, 0.0f));
        drawFrame();
        const Drawn drawn = drawnBy(object("shotBlue.png"));
        ASSERT_EQ(drawn.indexes.size(), 6 * shots);
        EXPECT_EQ(drawn.indexes.back(), 4 * shots - 4);
        EXPECT_EQ(drawn.positions.back(), play.game.enemyBullets[play.level.liveEnemyBullets.back()]->corners[3]);
    }
}

TEST_F(ShotBatch, AnEmptyFrameLeavesTheObjectsAndClearEmptiesAndDetachesThem)
{
    play.level.playerLayerIndex = 3;
    play.level.topWaveLayerIndex = 5;
    batch->create(play.world.scene);
    std::unique_ptr<Weapon> blue(gunOf("blue")), lost(gunOf("lost"));
    fire(*blue, false, Ogre::Vector3::ZERO);
    drawFrame();
    play.level.liveEnemyBullets.clear();
    drawFrame();
    EXPECT_EQ(drawnBy(object("shotBlue.png")).positions.size(), 4u);

    batch->clear();
    EXPECT_TRUE(object("shotBlue.png")->getSections().empty());
    EXPECT_FALSE(object("shotBlue.png")->isAttached());
    EXPECT_TRUE(object("notFound.jpg")->isAttached());

    // Enemy shots over the higher layer, the player's under or over the ship.
    struct Case {
        bool isBulletOnTopOfPlayer;
        const char* object;
        std::pair<int, int> queue;
    };
    for (const Case& c : {Case{false, "shotBlue.png", {45, 50002}}, Case{false, "shotBlue.png_player", {43, 29499}},
                          Case{true, "shotBlue.png_player", {43, 29501}}, Case{false, "notFound.jpg", {43, 40000}}}) {
        play.game.isBulletOnTopOfPlayer = c.isBulletOnTopOfPlayer;
        batch->clear();
        fire(*blue, false, Ogre::Vector3::ZERO);
        fire(*blue, true, Ogre::Vector3::UNIT_X);
        fire(*lost, true, Ogre::Vector3::UNIT_Z);
        drawFrame();
        EXPECT_EQ(renderQueueOf(object(c.object)), c.queue) << c.object;
    }
}

TEST_F(ShotBatch, DestroyingLeavesNoObjectBehindNotEvenOnesMadeForUnscannedGuns)
{
    batch->create(play.world.scene);
    Ogre::ManualObject* made = batch->objectFor("shotRed.png", true);
    EXPECT_EQ(made->getName(), "shotRed.png_player");
    EXPECT_EQ(batch->objectFor("shotRed.png", true), made);
    EXPECT_EQ(batch->objectFor("notFound.jpg", true), batch->objectFor("notFound.jpg", false));
    // The stand-in comes back, attached, when something destroyed it.
    play.world.scene->destroyManualObject("notFound.jpg");
    EXPECT_TRUE(batch->objectFor("notFound.jpg", false)->isAttached());
    batch->objectFor("gone.png", false);
    std::unique_ptr<Weapon> red(gunOf("red"));
    fire(*red, true, Ogre::Vector3::ZERO);
    drawFrame();

    batch->destroyAll();
    for (const char* name : {"shotRed.png_player", "gone.png", "notFound.jpg"})
        EXPECT_FALSE(play.world.scene->hasManualObject(name)) << name;
    EXPECT_TRUE(batch->playerSpriteNames.empty() && batch->enemySpriteNames.empty());
    // Without a scene the batch makes and draws nothing.
    EXPECT_EQ(batch->objectFor("shotRed.png", true), nullptr);
    drawFrame();
    EXPECT_FALSE(play.world.scene->hasManualObject("shotRed.png_player"));
}

} // namespace
