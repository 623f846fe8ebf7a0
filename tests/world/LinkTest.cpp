#include "world/EntityTestKinds.h"
#include "world/WorldTestScene.h"

#include "world/link.h"

#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMeshManager.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Two ends that list each other the way a link of the direction does.
struct LinkedPair {
    explicit LinkedPair(bool forward) : connection("link")
    {
        connection.isForward = forward ? 1 : 0;
        connection.fromEntity = &from;
        connection.toEntity = &to;
        (forward ? from.linkedObjects : from.linkedFrom).push_back(&to);
        (forward ? to.linkedFrom : to.linkedObjects).push_back(&from);
    }
    plainEntity from;
    plainEntity to;
    class link connection;
};

// A mesh without geometry, made once for the process.
const Ogre::MeshPtr& emptyMesh()
{
    static const Ogre::MeshPtr mesh =
        Ogre::MeshManager::getSingleton().createManual("linkEnd.mesh", Ogre::RGN_DEFAULT);
    return mesh;
}

// The drawing of a link: its own node with a line, and an end node with a mesh.
void addDrawing(WorldTestScene& world, class link& drawn)
{
    Ogre::SceneManager* scene = world.scene;
    drawn.sceneManager = scene;
    drawn.sceneNode = scene->getRootSceneNode()->createChildSceneNode("linkNode");
    drawn.lineObject = scene->createManualObject("line");
    drawn.sceneNode->attachObject(drawn.lineObject);
    drawn.endNode = drawn.sceneNode->createChildSceneNode("end");
    drawn.endMesh = scene->createEntity("endMesh", emptyMesh());
    drawn.endNode->attachObject(drawn.endMesh);
}

} // namespace

TEST(Link, DestroyGraphicsUnlinksBothEndsInEitherDirection)
{
    for (bool forward : {true, false}) {
        LinkedPair pair(forward);
        pair.connection.destroyGraphics();
        EXPECT_TRUE(pair.from.linkedObjects.empty()) << forward;
        EXPECT_TRUE(pair.from.linkedFrom.empty()) << forward;
        EXPECT_TRUE(pair.to.linkedObjects.empty()) << forward;
        EXPECT_TRUE(pair.to.linkedFrom.empty()) << forward;
    }
}

TEST(Link, RemovesOnlyTheFirstEntryAndKeepsTheOrder)
{
    LinkedPair pair(true);
    plainEntity other;
    pair.from.linkedObjects = {&other, &pair.to, &other, &pair.to};
    pair.connection.destroyGraphics();
    EXPECT_EQ(pair.from.linkedObjects, (std::vector<entity*>{&other, &other, &pair.to}));
}

TEST(Link, WithOneEndChangesNoList)
{
    LinkedPair pair(true);
    pair.connection.toEntity = nullptr;
    pair.connection.destroyGraphics();
    EXPECT_EQ(pair.from.linkedObjects.size(), 1u);
    EXPECT_EQ(pair.to.linkedFrom.size(), 1u);
}

TEST(Link, DestroysItsDrawing)
{
    WorldTestScene world;
    LinkedPair pair(true);
    addDrawing(world, pair.connection);

    pair.connection.destroyGraphics();
    EXPECT_FALSE(world.scene->hasSceneNode("end"));
    EXPECT_FALSE(world.scene->hasSceneNode("linkNode"));
    EXPECT_FALSE(world.scene->hasManualObject("line"));
    EXPECT_FALSE(world.scene->hasEntity("endMesh"));
    EXPECT_EQ(pair.connection.endNode, nullptr);
    EXPECT_EQ(pair.connection.sceneNode, nullptr);
    EXPECT_EQ(pair.connection.lineObject, nullptr);
    EXPECT_EQ(pair.connection.endMesh, nullptr);
    EXPECT_TRUE(pair.from.linkedObjects.empty());
}

TEST(Link, WithoutAnEndNodeDestroysNoRenderObject)
{
    WorldTestScene world;
    LinkedPair pair(true);
    pair.connection.sceneManager = world.scene;
    pair.connection.lineObject = world.scene->createManualObject("line");
    pair.connection.destroyGraphics();
    EXPECT_TRUE(world.scene->hasManualObject("line"));
    EXPECT_TRUE(pair.from.linkedObjects.empty());
}

TEST(Link, CloneSharesTheEndsButNotTheDrawing)
{
    WorldTestScene world;
    LinkedPair pair(false);
    pair.connection.endName = "Wave3";
    addDrawing(world, pair.connection);

    std::unique_ptr<entity> cloned(pair.connection.clone());
    auto& copy = dynamic_cast<class link&>(*cloned);
    EXPECT_EQ(copy.kind, kindLink);
    EXPECT_TRUE(copy.name.empty());
    EXPECT_EQ(copy.isForward, 0);
    EXPECT_EQ(copy.fromEntity, &pair.from);
    EXPECT_EQ(copy.toEntity, &pair.to);
    EXPECT_EQ(copy.endName, "Wave3");
    EXPECT_EQ(copy.endNode, nullptr);
    EXPECT_EQ(copy.lineObject, nullptr);
    EXPECT_EQ(copy.endMesh, nullptr);
    EXPECT_EQ(copy.sceneNode, nullptr);

    cloned.reset();
    EXPECT_TRUE(world.scene->hasSceneNode("end"));
    EXPECT_TRUE(world.scene->hasEntity("endMesh"));
    pair.connection.destroyGraphics();
    EXPECT_FALSE(world.scene->hasEntity("endMesh"));
}

TEST(Link, StartsForwardAndDeletingItUnlinksItsEnds)
{
    plainEntity from, to;
    auto* connection = new class link("link");
    EXPECT_EQ(connection->kind, kindLink);
    EXPECT_EQ(connection->isForward, 1);
    connection->fromEntity = &from;
    connection->toEntity = &to;
    from.linkedObjects.push_back(&to);
    to.linkedFrom.push_back(&from);
    delete connection;
    EXPECT_TRUE(from.linkedObjects.empty());
    EXPECT_TRUE(to.linkedFrom.empty());
}
