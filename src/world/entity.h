// The base of every object placed in a level or kept as a library definition:
// an optional scene node and movable object, a cached transform with a saved
// copy for restarts, a status, a render layer, the two link lists and named
// children. Library definitions are entities too; level objects are their
// clones. The virtual operations give every kind the same way to be moved,
// turned, saved, started, hidden and put on a layer.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Ogre {
class MovableObject;
class SceneManager;
class SceneNode;
} // namespace Ogre

// Values of entity::kind, set by each kind's constructor; Enemy and Tank keep
// the plain value.
enum entityKind : std::uint32_t {
    kindEntity = 0,
    kindWave = 1,
    kindBackground = 2,
    kindPlayer = 3,
    kindTrigger = 4,
    kindItem = 5,
    kindWaypoint = 6,
    kindSfx = 7,
    kindLink = 8,
    kindGameCamera = 9,
    kindWeapon = 10,
    kindSfxDefinition = 11,
    kindObb = 12,
};

class entity {
public:
    // Values of status shared by triggers and the objects they start (status
    // 1) and stop (status 4); kinds with values of their own name them too.
    static constexpr std::uint32_t statusWaiting = 0;
    static constexpr std::uint32_t statusStarted = 1;
    static constexpr std::uint32_t statusActive = 2;
    static constexpr std::uint32_t statusDone = 3;
    static constexpr std::uint32_t statusEnding = 4;
    // Values of secondState: at the first a kind re-applies its display when
    // its size or visibility changes; at either an effect shows its secondary
    // node.
    static constexpr std::uint32_t secondStateRedisplay = 2;
    static constexpr std::uint32_t secondStateSecondaryShown = 3;

    entity() = default;
    virtual ~entity() = default;
    // A copy is made by each kind's copy constructor, which starts from the
    // defaults of entity() and copies what that kind keeps.
    entity(const entity&) = delete;
    entity& operator=(const entity&) = delete;

    virtual entity* clone() const = 0;
    // The node's world position; zero without a node.
    virtual Ogre::Vector3 getPosition();
    virtual void setPosition(const Ogre::Vector3& newPosition);
    virtual void setWorldPosition(const Ogre::Vector3& worldPosition);
    virtual void setScale(const Ogre::Vector3& newScale);
    // Euler degrees, applied about Y, then X, then Z.
    virtual void setRotation(const Ogre::Vector3& degrees);
    // Turns the saved orientation in world space by the Euler degrees.
    virtual void applyRotation(const Ogre::Vector3& degrees);
    virtual void savePosition();
    virtual void saveOrientation();
    virtual void destroyGraphics();
    // Sets the status of this object and of its children; ignored while disabled.
    virtual void setStatus(int newStatus);
    // Hides this object and its children; ignored while disabled.
    virtual void hideAndForward(bool flag);
    virtual void setVisible(bool visible);
    virtual void setActive(bool active);
    // The layer argument is the position of the object's layer in the level's list.
    virtual void setLayerAndPriority(std::uint8_t layerIndex, std::uint16_t renderPriority);
    virtual void setLayer(std::uint8_t layerIndex);
    virtual void rebuildGraphics();

    // Life state; the kinds give the values their meaning.
    std::uint32_t status = statusWaiting;
    std::uint32_t secondState = 0;
    std::uint8_t isDisabled = 0;
    // The definition changed since the level was last built.
    std::uint8_t isChanged = 0;
    std::uint8_t isToyboxCopy = 0;
    // Set once the status was ever 1 or 2.
    std::uint8_t isStarted = 0;
    std::uint8_t layer = 40;
    std::uint16_t priority = 0;
    entity* templateObject = nullptr; // the library object this one was copied from
    std::string parentName;
    std::string thumbnail;
    std::string screenName;
    std::uint8_t isLibraryDefinition = 0;
    // The movable object takes its render-queue group from the layer.
    std::uint8_t isLayered = 0;
    std::uint8_t isCastShadows = 1;
    std::vector<entity*> linkedObjects; // objects this one acts on; not owned
    std::vector<entity*> linkedFrom;    // objects linked the other way; not owned
    std::map<std::string, entity*> children; // not owned
    Ogre::Vector3 savedPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 savedDerivedPosition = Ogre::Vector3::ZERO;
    Ogre::Quaternion savedOrientation = Ogre::Quaternion::IDENTITY;
    std::string name;
    std::uint32_t kind = 0;
    // Position as placed; restarts go back to it.
    Ogre::Vector3 placedPosition = Ogre::Vector3::ZERO;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Vector3 position = Ogre::Vector3::ZERO; // parent space
    Ogre::Vector3 rotation = Ogre::Vector3::ZERO; // Euler degrees
    // Whether the game camera sees the object this frame; set by its owner.
    std::uint8_t isOnScreen = 0;
    std::uint32_t layerId = 0; // id of the level layer the object belongs to
    // Neither the node nor the movable object is destroyed by the base.
    Ogre::SceneNode* sceneNode = nullptr;
    Ogre::MovableObject* movableObject = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
};
