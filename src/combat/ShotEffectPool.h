// The particle systems of one shot effect template that every shot's death
// plays from: a fixed number made once, each on a node of its own, handed
// out in turn. A burst moves the next system's node to where the shot ended,
// scales the system to the shot, and starts it over; it stops by itself once
// it has played. Thousands of shots share a few dozen systems this way
// instead of holding one each.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where a burst plays: a node of the scene, and a place and facing in that
// node's space, so that the burst moves with the node as the shot did; and
// the scale of the burst's own node, which the parent's does not change.
struct ShotEffectPlace {
    Ogre::SceneNode* parent = nullptr;
    Ogre::Vector3 position = Ogre::Vector3::ZERO;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 nodeScale = Ogre::Vector3::UNIT_SCALE;
};

// How a burst draws: the shot's scale, which sizes its particles and their
// speeds, and the render-queue group and priority of its side.
struct ShotEffectLook {
    float shotScale = 1.0f;
    std::uint8_t group = 0;
    Ogre::ushort priority = 0;
};

class ShotEffectPool {
public:
    // Settings every system of the pool takes once, when it is made, beyond
    // those of every shot system; null for none.
    using Preparation = void (*)(Ogre::ParticleSystem& system);
    // A burst plays no longer than a shot stays dying.
    static constexpr double longestBurst = 4.0;

    // Makes `count` systems of the template, named `namePrefix` and their
    // number. A template that cannot be made leaves the pool empty after its
    // first try, with at most the one log line that try wrote.
    ShotEffectPool(Ogre::SceneManager& scene, const std::string& templateName, const std::string& namePrefix,
                   std::size_t count, Preparation prepare);
    ~ShotEffectPool();
    ShotEffectPool(const ShotEffectPool&) = delete;
    ShotEffectPool& operator=(const ShotEffectPool&) = delete;

    const std::string& templateName() const { return name; }
    // Seconds a burst plays: the first emitter's duration (none when it emits
    // without end) and the longest life of what it emitted last, plus a
    // margin; 0 for a pool that could not be made or a template without
    // emitters.
    double playTime() const { return play; }

    // Plays a burst there with that look and gives its play time; when
    // every system still plays, the one started longest ago moves. Nothing
    // and 0 without a parent or systems.
    double burst(const ShotEffectPlace& place, const ShotEffectLook& look);
    // Bursts that have played their time stop and leave their nodes.
    void step(double dt);
    // Every burst stops.
    void stopAll();

private:
    struct Slot {
        Ogre::ParticleSystem* system = nullptr;
        Ogre::SceneNode* node = nullptr;
        // Seconds until the burst stops.
        double timeLeft = 0.0;
        bool isPlaying = false;
    };
    void stop(Slot& slot);

    Ogre::SceneManager& scene;
    std::string name;
    std::vector<Slot> slots;
    // The slot the next burst takes: the one started longest ago.
    std::size_t next = 0;
    double play = 0.0;
};
