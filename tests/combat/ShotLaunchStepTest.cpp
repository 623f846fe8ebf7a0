// Guns firing inside one launch step launch exactly what they launch each
// for itself: guns of both sides and of several patterns under a camera rig
// that moves and turns between steps.
#include "GunFiringScene.h"

#include "combat/ShotLaunchStep.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "platform/Random.h"
#include "world/Obb.h"

#include <OgreManualObject.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>

namespace {

// A fan with random offsets and speeds, mirrored twins with random spread,
// repeaters with a definition's sprite, shots hung in the world.
const std::function<void(Weapon&)> gunKinds[] = {
    [](Weapon& g) { g.NumberOfShoots = 5, g.angleAdd = 60.0f, g.offsetXRandom = 2.0f, g.speedRandom = 5; },
    [](Weapon& g) { g.NumberOfShoots = 3, g.angleAdd = 20.0f, g.isBurstSymetry = 1, g.angleRandom = 10; },
    [](Weapon& g) { g.repeater_number = 4, g.repeater_angle = 360.0f, g.meshName = "blue"; },
    [](Weapon& g) { g.NumberOfShoots = 3, g.angleAdd = 30.0f, g.isAttachedToCamera = 0; },
};

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// What a launch gave each live record, bit for bit, in firing order.
std::vector<std::uint32_t> launched(const GunFiringScene& scene, bool isPlayerPool)
{
    std::vector<std::uint32_t> out;
    const auto add = [&out](std::initializer_list<float> values) {
        for (float value : values)
            out.push_back(bitsOf(value));
    };
    for (const bullet* shot : scene.live(isPlayerPool)) {
        const Ogre::Vector3& at = shot->position;
        const Ogre::Quaternion& facing = shot->orientation;
        add({at.x, at.y, at.z, facing.w, facing.x, facing.y, facing.z, shot->size.x});
        add({shot->velocity.x, shot->velocity.z, shot->heading.x, shot->heading.z, shot->aimPoint.x, shot->aimPoint.z});
        add({shot->speed, shot->cullRadius, shot->obb->centre.x, shot->obb->centre.y, shot->obb->radius});
        for (const Ogre::Vector2& corner : shot->obb->screenPoints)
            add({corner.x, corner.y});
        const std::string sprite = shot->spriteObject ? shot->spriteObject->getName() : "";
        out.push_back(static_cast<std::uint32_t>(std::hash<std::string>()(sprite)));
    }
    return out;
}

// Three steps of every kind of gun on both sides, the rig moved and turned
// before each.
std::vector<std::uint32_t> fireSteps(bool inOneStep)
{
    GunFiringScene scene;
    scene.shots.level.bulletBatch->create(scene.shots.world.scene);
    bulletDefinition blue;
    blue.meshName = "shotBlue.png";
    blue.width = 2.0f, blue.heigth = 3.0f, blue.obbwidth = 1.5f, blue.obbheigth = 2.5f;
    scene.shots.game.bulletLibrary["blue"] = &blue;
    scene.ownerNode->setPosition(7.0f, 0.0f, 4.0f);
    scene.ownerNode->yaw(Ogre::Degree(33.0f));
    scene.ownerNode->setScale(Ogre::Vector3(1.5f));
    std::vector<Weapon*> guns;
    for (const auto& kind : gunKinds)
        for (bool isPlayer : {false, true})
            guns.push_back(&scene.gun(isPlayer, [&kind](Weapon& g) {
                kind(g);
                g.waitBeforeShoot = 0.0f, g.TimeBetweenSalves = 0.0f;
            }));
    Ogre::SceneNode* rig = scene.shots.world.scene->getSceneNode("CamNode1");
    platform::seedRandom(7);
    for (int step = 0; step < 3; ++step) {
        rig->translate(1.0f, 0.0f, -2.0f);
        rig->yaw(Ogre::Degree(11.0f));
        scene.shots.world.updateTransforms();
        std::optional<ShotLaunchStep> open;
        if (inOneStep)
            open.emplace(scene.shots.level);
        for (Weapon* gun : guns) {
            double dt = GunFiringScene::step;
            gun->update(dt, Ogre::Vector3(5.0f, 0.0f, 30.0f), true);
        }
    }
    std::vector<std::uint32_t> out = launched(scene, false);
    const std::vector<std::uint32_t> player = launched(scene, true);
    out.insert(out.end(), player.begin(), player.end());
    scene.shots.game.bulletLibrary.erase("blue");
    return out;
}

TEST(ShotLaunchStep, GunsInOneStepLaunchExactlyWhatEachLaunchesAlone)
{
    const std::vector<std::uint32_t> alone = fireSteps(false);
    ASSERT_GT(alone.size(), 0u);
    EXPECT_EQ(fireSteps(true), alone);
}

} // namespace
