// The shot sprite batch: one object per shot definition and side, redrawn
// from the live lists each frame with the definition's material, and
// emptied and destroyed without leaving an object behind.
#include "combat/ShotTestScene.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
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

// What an object holds after a frame: its sections' material and vertices.
struct Drawn {
    std::size_t sections = 0;
    std::string material;
    std::vector<Ogre::Vector3> positions;
    std::vector<Ogre::Vector2> uvs;
    std::vector<std::uint32_t> indexes;
};

Drawn drawnBy(Ogre::ManualObject* object)
{
    Drawn drawn;
    drawn.sections = object->getSections().size();
    if (drawn.sections == 0)
        return drawn;
    Ogre::ManualObject::ManualObjectSection* section = object->getSections().front();
    drawn.material = section->getMaterialName();
    const Ogre::RenderOperation* operation = section->getRenderOperation();
    const Ogre::VertexData* vertices = operation->vertexData;
    const Ogre::VertexElement* position = vertices->vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    const Ogre::VertexElement* uv = vertices->vertexDeclaration->findElementBySemantic(Ogre::VES_TEXTURE_COORDINATES);
    Ogre::HardwareBufferLockGuard vertexLock(vertices->vertexBufferBinding->getBuffer(0),
                                                   Ogre::HardwareBuffer::HBL_READ_ONLY);
    const auto* base = static_cast<const unsigned char*>(vertexLock.pData);
    const std::size_t stride = vertices->vertexDeclaration->getVertexSize(0);
    for (std::size_t i = 0; i < vertices->vertexCount; ++i) {
        float* xyz = nullptr;
        position->baseVertexPointerToElement(const_cast<unsigned char*>(base + i * stride), &xyz);
        drawn.positions.emplace_back(xyz[0], xyz[1], xyz[2]);
        float* st = nullptr;
        uv->baseVertexPointerToElement(const_cast<unsigned char*>(base + i * stride), &st);
        drawn.uvs.emplace_back(st[0], st[1]);
    }
    const Ogre::IndexData* indexData = operation->indexData;
    Ogre::HardwareBufferLockGuard indexLock(indexData->indexBuffer, Ogre::HardwareBuffer::HBL_READ_ONLY);
    for (std::size_t i = 0; i < indexData->indexCount; ++i)
        drawn.indexes.push_back(static_cast<const std::uint16_t*>(indexLock.pData)[i]);
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
    void SetUp() override
    {
        createResourceGroupOnce("GAMERSC");
        for (const char* material : {"bullet_shotBlue.png", "bullet_shotRed.png", "bullet_notFoundBullet.jpg"})
            Ogre::MaterialManager::getSingleton().create(material, "GAMERSC");
        define("blue", "shotBlue.png");
        define("red", "shotRed.png");
        define("gone", "gone.png"); // a texture that got no material
    }
    void TearDown() override
    {
        for (auto& entry : definitions)
            play.game.bulletLibrary.erase(entry.first);
    }

    void define(const std::string& name, const std::string& texture)
    {
        auto& definition = definitions[name];
        definition = std::make_unique<bulletDefinition>();
        definition->name = name;
        definition->meshName = texture;
        play.game.bulletLibrary[name] = definition.get();
    }

    // A gun of the player or of an enemy whose shots use the definition.
    static Weapon* gunOf(const std::string& definitionName)
    {
        auto* gun = new Weapon;
        gun->meshName = definitionName;
        return gun;
    }

    // A shot of the gun launched at the point, a 2 x 2 quad around it.
    bullet* fire(Weapon& gun, bool isPlayer, const Ogre::Vector3& at)
    {
        bullet* record = play.level->takeBullet(isPlayer);
        record->isPlayerBullet = isPlayer;
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        const auto entry = play.game.bulletLibrary.find(gun.meshName);
        const bulletDefinition* definition = entry != play.game.bulletLibrary.end() ? entry->second : nullptr;
        record->launch(&gun, at, 1.0f, direction, nullptr, definition);
        record->corners = {at + Ogre::Vector3(-1.0f, 0.0f, -1.0f), at + Ogre::Vector3(1.0f, 0.0f, -1.0f),
                           at + Ogre::Vector3(1.0f, 0.0f, 1.0f), at + Ogre::Vector3(-1.0f, 0.0f, 1.0f)};
        record->phase = 0.5f;
        return record;
    }

    void drawFrame() { batch.update(play.game.enemyBullets.data(), play.game.playerBullets.data()); }

    Ogre::ManualObject* object(const std::string& name) { return play.world.scene->getManualObject(name); }

    ShotTestScene play;
    ResourceGroupScope gameGroup{{"GAMERSC"}};
    std::map<std::string, std::unique_ptr<bulletDefinition>> definitions;
    // The Level's batch, which launches ask for their shots' objects.
    bulletSpriteBatch& batch = *play.level->bulletBatch;
};

TEST_F(ShotBatch, CollectsOneNamePerDefinitionAndSideFromThePlayerAndEachWavesLastMember)
{
    Player player;
    player.weaponSets = {{gunOf("blue"), gunOf("blue")}, {gunOf("lost"), gunOf("")}};
    Wave wave("Wave1");
    wave.members = {new Enemy, new Enemy};
    wave.members.front()->weaponSets = {{gunOf("gone")}}; // only the last member is scanned
    wave.members.back()->weaponSets = {{gunOf("red")}, {gunOf("blue"), gunOf("red")}};
    const std::vector<Wave*> waves{&wave, nullptr};
    batch.player = &player;
    batch.waves = &waves;
    batch.create(play.world.scene);

    EXPECT_EQ(batch.playerSpriteNames, std::vector<std::string>{"shotBlue.png"});
    EXPECT_EQ(batch.enemySpriteNames, (std::vector<std::string>{"shotRed.png", "shotBlue.png"}));
    for (const char* name : {"shotRed.png", "shotBlue.png", "shotBlue.png_player", "notFound.jpg"})
        EXPECT_TRUE(play.world.scene->hasManualObject(name)) << name;
    EXPECT_FALSE(play.world.scene->hasManualObject("shotRed.png_player"));
    EXPECT_FALSE(play.world.scene->hasManualObject("gone.png"));
    EXPECT_EQ(object("notFound.jpg")->getParentSceneNode(), play.world.scene->getRootSceneNode());
    EXPECT_FALSE(object("shotBlue.png")->isAttached());

    // A start of play again makes them anew, without a name in use.
    batch.create(play.world.scene);
    EXPECT_TRUE(play.world.scene->hasManualObject("shotBlue.png_player"));
}

TEST_F(ShotBatch, EachDefinitionAndSideDrawsItsShotsAsQuadsOfOneObject)
{
    batch.create(play.world.scene);
    std::unique_ptr<Weapon> blueA(gunOf("blue")), blueB(gunOf("blue")), gone(gunOf("gone")), none(gunOf("lost"));
    struct Case {
        Weapon* gun;
        bool isPlayer;
        Ogre::Vector3 at;
    };
    const Case shots[] = {
        {blueA.get(), false, {-4.0f, 0.0f, 0.0f}}, {blueB.get(), false, {4.0f, 0.0f, 2.0f}},
        {blueA.get(), true, {0.0f, 0.0f, 6.0f}},   {gone.get(), false, {2.0f, 0.0f, -3.0f}},
        {none.get(), false, {1.0f, 0.0f, 1.0f}},   {none.get(), true, {-1.0f, 0.0f, -1.0f}},
    };
    std::map<Ogre::ManualObject*, std::vector<const bullet*>> byObject;
    for (const Case& shot : shots) {
        const bullet* record = fire(*shot.gun, shot.isPlayer, shot.at);
        byObject[record->spriteObject].push_back(record);
    }
    drawFrame();

    struct Expected {
        const char* object;
        const char* material;
        std::size_t quads;
    };
    const Expected objects[] = {
        {"shotBlue.png", "bullet_shotBlue.png", 2},
        {"shotBlue.png_player", "bullet_shotBlue.png", 1},
        {"gone.png", "bullet_notFoundBullet.jpg", 1},
        // Shots without a definition, of both sides, share the stand-in.
        {"notFound.jpg", "bullet_notFoundBullet.jpg", 2},
    };
    ASSERT_EQ(byObject.size(), std::size(objects));
    for (const Expected& expected : objects) {
        SCOPED_TRACE(expected.object);
        Ogre::ManualObject* drawnObject = object(expected.object);
        const Drawn drawn = drawnBy(drawnObject);
        EXPECT_EQ(drawn.sections, 1u);
        EXPECT_EQ(drawn.material, expected.material);
        ASSERT_EQ(drawn.positions.size(), 4 * expected.quads);
        ASSERT_EQ(drawn.indexes.size(), 6 * expected.quads);
        EXPECT_TRUE(drawnObject->isAttached());
        const std::vector<const bullet*>& records = byObject[drawnObject];
        ASSERT_EQ(records.size(), expected.quads);
        for (std::uint32_t quad = 0; quad < expected.quads; ++quad) {
            const std::uint32_t a = 4 * quad;
            const std::vector<std::uint32_t> corners(drawn.indexes.begin() + 6 * quad,
                                                     drawn.indexes.begin() + 6 * quad + 6);
            EXPECT_EQ(corners, (std::vector<std::uint32_t>{a, a + 1, a + 2, a + 2, a + 3, a}));
            for (std::uint32_t corner = 0; corner < 4; ++corner)
                EXPECT_EQ(drawn.positions[a + corner], records[quad]->corners[corner]);
            EXPECT_EQ(std::vector<Ogre::Vector2>(drawn.uvs.begin() + a, drawn.uvs.begin() + a + 4),
                      (std::vector<Ogre::Vector2>{{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}}));
        }
    }
}

TEST_F(ShotBatch, EveryShotOfABurstIsDrawnHoweverManyTheFrameBeforeHad)
{
    batch.create(play.world.scene);
    std::unique_ptr<Weapon> blue(gunOf("blue"));
    // A handful, a few hundred, then every enemy record: more than the
    // frame before each time, the last beyond the room the object was made with.
    for (const std::size_t shots : {3u, 300u, unsigned(Game::enemyBulletCount)}) {
        SCOPED_TRACE(shots);
        while (play.level->liveEnemyBullets.size() < shots)
            fire(*blue, false, Ogre::Vector3(static_cast<float>(play.level->liveEnemyBullets.size()), 0.0f, 0.0f));
        drawFrame();
        const Drawn drawn = drawnBy(object("shotBlue.png"));
        ASSERT_EQ(drawn.positions.size(), 4 * shots);
        ASSERT_EQ(drawn.indexes.size(), 6 * shots);
        const std::uint32_t a = 4 * (shots - 1);
        EXPECT_EQ(std::vector<std::uint32_t>(drawn.indexes.end() - 6, drawn.indexes.end()),
                  (std::vector<std::uint32_t>{a, a + 1, a + 2, a + 2, a + 3, a}));
        const bullet* last = play.game.enemyBullets[play.level->liveEnemyBullets.back()];
        EXPECT_EQ(drawn.positions.back(), last->corners[3]);
    }
}

TEST_F(ShotBatch, AnEmptyFrameLeavesTheObjectsAndClearEmptiesAndDetachesThem)
{
    play.level->playerLayerIndex = 3;
    play.level->topWaveLayerIndex = 5;
    batch.create(play.world.scene);
    std::unique_ptr<Weapon> blue(gunOf("blue")), none(gunOf("lost"));
    fire(*blue, false, Ogre::Vector3::ZERO);
    fire(*blue, true, Ogre::Vector3::UNIT_X);
    fire(*none, false, Ogre::Vector3::UNIT_Z);
    drawFrame();
    play.level->liveEnemyBullets.clear();
    play.level->livePlayerBullets.clear();
    drawFrame();
    EXPECT_EQ(drawnBy(object("shotBlue.png")).positions.size(), 4u);
    EXPECT_EQ(drawnBy(object("shotBlue.png_player")).positions.size(), 4u);

    batch.clear();
    for (const char* name : {"shotBlue.png", "shotBlue.png_player", "notFound.jpg"})
        EXPECT_TRUE(object(name)->getSections().empty()) << name;
    EXPECT_FALSE(object("shotBlue.png")->isAttached());
    EXPECT_FALSE(object("shotBlue.png_player")->isAttached());
    EXPECT_TRUE(object("notFound.jpg")->isAttached());

    // Queue groups over the layers (enemy shots over the higher of the two),
    // the player's shots under or over the ship; the next shots bring the
    // objects back into the scene.
    struct Expected {
        bool isBulletOnTopOfPlayer;
        const char* object;
        std::pair<int, int> queue;
    };
    const Expected queues[] = {
        {false, "shotBlue.png", {45, 50002}},       {false, "shotBlue.png_player", {43, 29499}},
        {true, "shotBlue.png_player", {43, 29501}}, {false, "notFound.jpg", {43, 40000}},
    };
    for (const Expected& expected : queues) {
        SCOPED_TRACE(expected.object);
        play.game.isBulletOnTopOfPlayer = expected.isBulletOnTopOfPlayer;
        batch.clear();
        fire(*blue, false, Ogre::Vector3::ZERO);
        fire(*blue, true, Ogre::Vector3::UNIT_X);
        fire(*none, true, Ogre::Vector3::UNIT_Z);
        drawFrame();
        EXPECT_TRUE(object(expected.object)->isAttached());
        EXPECT_EQ(renderQueueOf(object(expected.object)), expected.queue);
    }
}

TEST_F(ShotBatch, DestroyingLeavesNoObjectBehindNotEvenOnesMadeForUnscannedGuns)
{
    batch.create(play.world.scene);
    Ogre::ManualObject* made = batch.objectFor("shotRed.png", true);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getName(), "shotRed.png_player");
    EXPECT_EQ(batch.objectFor("shotRed.png", true), made);
    EXPECT_EQ(batch.playerSpriteNames, std::vector<std::string>{"shotRed.png"});
    EXPECT_EQ(batch.objectFor("notFound.jpg", true), batch.objectFor("notFound.jpg", false));
    // The stand-in comes back, attached, when something destroyed it.
    play.world.scene->destroyManualObject("notFound.jpg");
    EXPECT_TRUE(batch.objectFor("notFound.jpg", false)->isAttached());

    batch.objectFor("gone.png", false);
    std::unique_ptr<Weapon> red(gunOf("red"));
    fire(*red, true, Ogre::Vector3::ZERO);
    drawFrame();
    batch.destroyAll();
    for (const char* name : {"shotRed.png_player", "gone.png", "notFound.jpg"})
        EXPECT_FALSE(play.world.scene->hasManualObject(name)) << name;
    EXPECT_TRUE(batch.playerSpriteNames.empty());
    EXPECT_TRUE(batch.enemySpriteNames.empty());
    // Without a scene the batch makes and draws nothing.
    EXPECT_EQ(batch.objectFor("shotRed.png", true), nullptr);
    drawFrame();
    EXPECT_FALSE(play.world.scene->hasManualObject("shotRed.png_player"));
}

} // namespace
