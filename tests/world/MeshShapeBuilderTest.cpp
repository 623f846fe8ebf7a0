// Collision shapes from meshes: how the geometry of every sub-mesh is
// collected, and which shape of which size each request gives.
#include "world/TestMeshes.h"
#include "world/WorldTestScene.h"
#include "world/meshShapeBuilder.h"

#include <OgreEntity.h>

#include <btBulletCollisionCommon.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using testmeshes::box;
using testmeshes::makeMesh;
using testmeshes::subMeshData;

class MeshShapeBuilder : public ::testing::Test {
protected:
    Ogre::Entity* entityOf(const Ogre::MeshPtr& mesh, Ogre::SceneNode* node = nullptr)
    {
        Ogre::Entity* made = world.scene->createEntity(mesh);
        if (node)
            node->attachObject(made);
        return made;
    }
    Ogre::Entity* boxEntity(const Ogre::Vector3& size)
    {
        return entityOf(makeMesh("box.mesh", {box(size)}));
    }

    WorldTestScene world;
};

TEST_F(MeshShapeBuilder, AFlatPlaneGetsAThinBoxAroundItsPlane)
{
    subMeshData plane;
    plane.positions = {{-1.0f, 0.0f, -1.0f}, {1.0f, 0.0f, -1.0f}, {1.0f, 0.0f, 1.0f}, {-1.0f, 0.0f, 1.0f}};
    plane.indices = {0, 2, 1, 0, 3, 2};
    meshShapeBuilder builder(entityOf(makeMesh("plane.mesh", {plane})), Ogre::Matrix4::IDENTITY);

    EXPECT_EQ(builder.getSize(), Ogre::Vector3(2.0f, 0.02f, 2.0f));
    std::unique_ptr<btBoxShape> shape(builder.createBox());
    const btVector3 half = shape->getHalfExtentsWithMargin();
    EXPECT_FLOAT_EQ(half.y(), 0.01f);
    EXPECT_FLOAT_EQ(half.x(), 1.0f);
}

TEST_F(MeshShapeBuilder, TheCapsuleLiesAlongTheLongestAxisAndTiesGoToY)
{
    struct choice {
        Ogre::Vector3 size;
        int upAxis;
        float radius;
        float halfHeight;
    };
    // Capsule height argument = longest / 2, so the half height is longest / 4.
    for (const choice& expected : {choice{{10, 2, 4}, 0, 2.0f, 2.5f}, choice{{2, 10, 4}, 1, 2.0f, 2.5f},
                                   choice{{2, 4, 10}, 2, 2.0f, 2.5f}, choice{{3, 3, 3}, 1, 1.5f, 0.75f}}) {
        meshShapeBuilder builder(boxEntity(expected.size), Ogre::Matrix4::IDENTITY);
        std::unique_ptr<btCapsuleShape> capsule(builder.createCapsule());
        EXPECT_EQ(capsule->getUpAxis(), expected.upAxis) << expected.size;
        EXPECT_FLOAT_EQ(capsule->getRadius(), expected.radius) << expected.size;
        EXPECT_FLOAT_EQ(capsule->getHalfHeight(), expected.halfHeight) << expected.size;
    }
}

TEST_F(MeshShapeBuilder, TheCapsuleCanTakeTheCallersSize)
{
    meshShapeBuilder builder(boxEntity({1, 1, 1}), Ogre::Matrix4::IDENTITY);
    std::unique_ptr<btCapsuleShape> capsule(builder.createCapsuleFromSize({10, 2, 4}));
    EXPECT_EQ(capsule->getUpAxis(), 0);
    EXPECT_FLOAT_EQ(capsule->getRadius(), 2.0f);
}

TEST_F(MeshShapeBuilder, ASphereTakesHalfTheLargestExtentEveryTime)
{
    meshShapeBuilder builder(boxEntity({2, 6, 4}), Ogre::Matrix4::IDENTITY);
    std::unique_ptr<btSphereShape> first(builder.createSphere());
    std::unique_ptr<btSphereShape> second(builder.createSphere());
    EXPECT_FLOAT_EQ(first->getRadius(), 3.0f);
    EXPECT_FLOAT_EQ(second->getRadius(), 3.0f);
}

TEST_F(MeshShapeBuilder, HullAndTriangleMeshTakeEveryVertexAndTriangle)
{
    meshShapeBuilder builder(boxEntity({2, 2, 2}), Ogre::Matrix4::IDENTITY);
    std::unique_ptr<btConvexHullShape> hull(builder.createConvex());
    EXPECT_EQ(hull->getNumPoints(), 8);
    std::unique_ptr<btBvhTriangleMeshShape> trimesh(builder.createTrimesh());
    EXPECT_EQ(trimesh->getMeshInterface()->getNumSubParts(), 1);
    const auto* triangles = static_cast<const btTriangleMesh*>(trimesh->getMeshInterface());
    EXPECT_EQ(triangles->getNumTriangles(), 12);
    btVector3 low, high;
    trimesh->getAabb(btTransform::getIdentity(), low, high);
    EXPECT_NEAR(high.x(), 1.0f, 0.1f);
}

TEST_F(MeshShapeBuilder, SharedVerticesAddNoOffsetAndOwnVerticesFollowThoseReadBefore)
{
    const std::vector<Ogre::Vector3> shared = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    subMeshData onShared;
    onShared.indices = {0, 1, 2};
    subMeshData own = box({2, 2, 2}, {10, 0, 0});
    subMeshData ownToo;
    ownToo.positions = {{20, 0, 0}, {21, 0, 0}, {20, 0, 1}};
    ownToo.indices = {0, 2, 1};
    meshShapeBuilder builder(entityOf(makeMesh("parts.mesh", {onShared, own, ownToo}, shared)),
                             Ogre::Matrix4::IDENTITY);

    ASSERT_EQ(builder.positions().size(), (3u + 8u + 3u) * 3u);
    const std::vector<std::uint32_t>& indices = builder.triangleIndices();
    ASSERT_EQ(indices.size(), 3u + 36u + 3u);
    EXPECT_EQ(std::vector<std::uint32_t>(indices.begin(), indices.begin() + 3), (std::vector<std::uint32_t>{0, 1, 2}));
    EXPECT_EQ(indices[3], 3u); // the box's first index 0, after the 3 shared vertices
    EXPECT_EQ(std::vector<std::uint32_t>(indices.end() - 3, indices.end()),
              (std::vector<std::uint32_t>{11, 13, 12}));
    EXPECT_EQ(builder.getSize(), Ogre::Vector3(21.0f, 2.0f, 2.0f));
}

TEST_F(MeshShapeBuilder, GeometryDrawnFromALaterStartInItsBuffersIsReadFromThere)
{
    subMeshData part = box({2, 4, 6});
    part.vertexStart = 5;
    part.indexStart = 9;
    meshShapeBuilder builder(entityOf(makeMesh("offset.mesh", {part})), Ogre::Matrix4::IDENTITY);

    EXPECT_EQ(builder.positions().size(), 24u);
    EXPECT_EQ(builder.triangleIndices(), std::vector<std::uint32_t>(part.indices.begin(), part.indices.end()));
    // The unused leading entries (99, 99, 99) stay out of the extents.
    EXPECT_EQ(builder.getSize(), Ogre::Vector3(2.0f, 4.0f, 6.0f));
}

TEST_F(MeshShapeBuilder, PositionsAreReadInTheGivenTransform)
{
    Ogre::Matrix4 transform = Ogre::Matrix4::IDENTITY;
    transform.makeTransform(Ogre::Vector3(5, 0, 0), Ogre::Vector3(2, 1, 1), Ogre::Quaternion::IDENTITY);
    meshShapeBuilder builder(boxEntity({2, 2, 2}), transform);
    EXPECT_EQ(builder.getSize(), Ogre::Vector3(4.0f, 2.0f, 2.0f));
    EXPECT_FLOAT_EQ(*std::max_element(builder.positions().begin(), builder.positions().end()), 7.0f);
}

TEST_F(MeshShapeBuilder, EveryShapeTakesTheParentNodesOwnScale)
{
    Ogre::SceneNode* parent = world.addNode();
    parent->setScale(10.0f, 10.0f, 10.0f);
    Ogre::SceneNode* node = parent->createChildSceneNode();
    node->setScale(2.0f, 3.0f, 4.0f);
    meshShapeBuilder builder(entityOf(makeMesh("box.mesh", {box({1, 1, 1})}), node), Ogre::Matrix4::IDENTITY);

    std::unique_ptr<btBoxShape> boxShape(builder.createBox());
    std::unique_ptr<btSphereShape> sphere(builder.createSphere());
    std::unique_ptr<btConvexHullShape> hull(builder.createConvex());
    std::unique_ptr<btBvhTriangleMeshShape> trimesh(builder.createTrimesh());
    for (const btCollisionShape* shape : {static_cast<const btCollisionShape*>(boxShape.get()),
                                          static_cast<const btCollisionShape*>(sphere.get()),
                                          static_cast<const btCollisionShape*>(hull.get()),
                                          static_cast<const btCollisionShape*>(trimesh.get())})
        EXPECT_EQ(shape->getLocalScaling(), btVector3(2.0f, 3.0f, 4.0f)) << shape->getName();
}

TEST_F(MeshShapeBuilder, WithoutVerticesTheSizeIsUnknownAndNoShapeCanBeMade)
{
    meshShapeBuilder builder(entityOf(makeMesh("bare.mesh", {subMeshData()})), Ogre::Matrix4::IDENTITY);
    EXPECT_TRUE(builder.positions().empty());
    EXPECT_EQ(builder.getSize(), Ogre::Vector3(-1.0f, -1.0f, -1.0f));
    // A cut mesh file loads like this: Bullet cannot build a tree over nothing.
    EXPECT_FALSE(builder.hasTriangles());
}

} // namespace
