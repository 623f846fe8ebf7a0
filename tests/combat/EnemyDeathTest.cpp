// The enemy's death: explosions at most every half second, and no death
// motion for an enemy that is not a snake.
#include "combat/EnemyScene.h"

#include "core/effects/ExplosionElement.h"
#include "world/sfxManager.h"

#include <gtest/gtest.h>

namespace {

// An explosion of the Game's library under the wave's explosion name whose
// one element waits long enough never to start during the test.
class WaveExplosion {
public:
    explicit WaveExplosion(EnemyScene& scene) : library(scene.game.explosionLibrary), name(scene.wave.explosionName)
    {
        auto* element = new ExplosionElement();
        element->timeBeforeStart = 1000.0;
        library[name] = {new ExplosionRef(), {element}};
    }
    ~WaveExplosion()
    {
        delete library[name].first;
        for (ExplosionElement* element : library[name].second)
            delete element;
        library.erase(name);
    }
    WaveExplosion(const WaveExplosion&) = delete;
    WaveExplosion& operator=(const WaveExplosion&) = delete;

private:
    explosionLibraryMap& library;
    std::string name;
};

TEST(EnemyDeath, ExplosionsComeAtMostEveryHalfSecond)
{
    EnemyScene scene;
    WaveExplosion explosion(scene);
    scene.wave.explosionNumber = 2;
    Enemy& enemy = scene.place();
    enemy.reset();
    const std::vector<ExplosionElement*>& spawned = scene.ship.level.effects->instances;

    enemy.explode();
    EXPECT_EQ(spawned.size(), 2u);
    enemy.update(0.3, nullptr, {});
    enemy.explode();
    EXPECT_EQ(spawned.size(), 2u) << "0.3 s after the first";
    enemy.update(0.2, nullptr, {});
    enemy.explode();
    EXPECT_EQ(spawned.size(), 4u) << "0.5 s after the first";
}

TEST(EnemyDeath, OnlySnakesMoveWhileTheyDie)
{
    EnemyScene scene;
    Enemy& enemy = scene.place();
    enemy.reset();
    enemy.status = Enemy::statusAlive;
    enemy.destructionTime = 1.0f;
    enemy.deathRotation = Ogre::Vector3(1.0f, 0.0f, 0.0f);
    enemy.deathTranslation = Ogre::Vector3(1.0f, 0.0f, 0.0f);
    enemy.die(false);
    enemy.update(0.5, nullptr, {});
    EXPECT_EQ(enemy.spinNode->getOrientation(), Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(enemy.sceneNode->getPosition(), Ogre::Vector3::ZERO);

    enemy.isSnake = 1;
    enemy.update(0.1, nullptr, {});
    EXPECT_NEAR(enemy.spinNode->getOrientation().getYaw().valueDegrees(), 10.0f, 1e-3f);
    EXPECT_TRUE(enemy.sceneNode->getPosition().positionEquals(Ogre::Vector3(0.5f, 0.0f, 0.0f), 1e-5f));
}

} // namespace
