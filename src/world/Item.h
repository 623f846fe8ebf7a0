// A collectable pickup, an entity of kind 5: a mesh, or a sprite on a flat
// plane, that appears somewhere, moves, may home in on the player, may blink
// and expire, and gives its effect (score, life, energy, gauge, multiplier,
// a weapon level, a force field or a bomb) when the player's outlines touch
// it. Library definitions are Items too; the Game's pool and the level copy
// them. Status: 0 waiting, 2 active, 4 collected, 3 free.
#pragma once

#include "world/entity.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <string>
#include <vector>

namespace Ogre {
class Camera;
class Entity;
class ParticleSystem;
class SceneNode;
} // namespace Ogre

class Level;
class Obb;
class Player;

// Values of Item::itemKind: what picking the item up does.
enum itemKindValue : int {
    itemKindLife = 0,
    itemKindCounter = 1,
    itemKindForceField = 3,
    itemKindBomb = 4,
    itemKindWeapon = 5,
    itemKindEnergy = 6,
    itemKindGauge = 7,
    itemKindMedal = 8,
    itemKindMultiplier = 9,
};

class Item : public entity {
public:
    // Values of status besides waiting (statusWaiting) and moving
    // (statusActive): a free pool item does nothing; a collected one plays
    // its end and is then freed.
    static constexpr std::uint32_t statusFree = 3;
    static constexpr std::uint32_t statusCollected = 4;

    Item();
    // Every member of the source, with copies of its outlines; no scene
    // objects (the copy makes its own).
    Item(const Item& other);
    Item& operator=(const Item&) = delete;
    ~Item() override;

    entity* clone() const override;
    void setPosition(const Ogre::Vector3& newPosition) override;
    void setWorldPosition(const Ogre::Vector3& worldPosition) override;
    // Ignored while disabled or while the item's layer is hidden; a level
    // without a record of the layer counts as visible.
    void setVisible(bool visible) override;
    // Takes over the template's members and outline settings.
    void rebuildGraphics() override;
    // Frees the item and destroys its scene objects and outlines.
    void destroyGraphics() override;

    // The main node under the root node, the inner node under it, the mesh
    // node under the inner node.
    void createNodes();
    // Binds the item to the play scene and places it at the position.
    void createVisual(const Ogre::Vector3& where, Player* target);
    void createMesh(const std::string& newMeshName);
    // Re-applies the materials at level build; rebuilds the mesh when asked.
    void refreshMesh();
    // Back to waiting at the placed position, for a new life.
    void reset();
    // One frame; seconds.
    void update(double dt);
    // The item kind when the player picked the item up now, -1 otherwise.
    int collect(double dt);
    // Frees the item (status 3): hidden, particles stopped.
    void stopParticles();
    // Re-parents the main node under "CamNode1", keeping its world position.
    void attachToCamera();
    // A medal lost uncollected ends the chain when the game says so.
    void breakMedalChain();
    // Replaces the outlines with copies of the template's.
    void copyObbs();

    // Appearance.
    std::string itemName = "basic_item01"; // the library key
    std::string meshName;
    // When set the item is a sprite on "plane1U.mesh".
    std::string spriteName;
    std::string builtMeshName; // the mesh last built, to skip rebuilding it
    std::string builtSpriteName; // and the sprite it showed
    int category = 0;
    Ogre::Quaternion meshOrient = Ogre::Quaternion::IDENTITY;
    // The main node is entity::sceneNode; the inner node carries the wobble
    // and the spin, the mesh node the mesh orientation.
    Ogre::SceneNode* innerNode = nullptr;
    Ogre::SceneNode* meshNode = nullptr;
    Ogre::Entity* meshEntity = nullptr; // also entity::movableObject

    // Placement as read: start position and orientation.
    Ogre::Vector3 pos = Ogre::Vector3::ZERO;
    Ogre::Quaternion orient = Ogre::Quaternion::IDENTITY;

    // Motion.
    Ogre::Vector3 velocity = Ogre::Vector3::ZERO;
    int startAngle = 0; // degrees
    float startSpeed = 0.0f;
    int secondaryDirectionType = 0;
    int secondaryAngle = 0;
    bool isRebound = false;
    // Spin speeds of the inner node (15 degrees per second per unit);
    // entity::rotation keeps the Euler angles of the orientation.
    Ogre::Vector3 rotationSpeed = Ogre::Vector3::ZERO;
    // The sine wobble in x and z, and the phases Game::spawnItem sets.
    Ogre::Vector3 SinSpeed = Ogre::Vector3::ZERO;
    Ogre::Vector3 SinDistance = Ogre::Vector3::ZERO;
    float sinPhaseX = 0.0f;
    float sinPhaseZ = 0.0f;
    // Stays in world space instead of following the camera node.
    bool isOnGround = true;

    // Attraction towards the player.
    int acceleration = 0; // strength; above 0 also lets an unseen item start
    float timeBeforeAttraction = 0.0f;
    float attractionDistance = 0.0f; // 0 any distance, negative never
    bool isAttracted = false;
    float attractionBlend = 0.0f; // 0..1

    // Lifetime, seconds.
    float startDelay = 0.0f;
    double startTimer = 0.0;
    bool isLifeDuration = false;
    float lifeDuration = 5.0f;
    bool isSeenOnScreen = false;
    double offScreenTime = 0.0;
    double age = 0.0;
    double lifeTime = 0.0;
    double lastBlinkTime = 0.0;
    double deathDuration = 0.0;
    double deathTime = 0.0;
    float scaleInFactor = 1.0f; // grows to 1 over the first 0.12 s
    // The node's scale while the item grows from nothing: never quite 0, as
    // a particle system on a node of scale 0 gets bounds of NaN, which Ogre
    // aborts on.
    static constexpr float smallestNodeScale = 0.001f;

    // Effect when collected.
    int itemKind = itemKindCounter;
    int Score = 10;
    int energyGiven = 1; // life given (kind 0)
    double multiplier = 1.0;
    int weaponSlot = 0;
    bool ForceFielduseLife = false;
    bool isForceFieldUseRadius = false;
    float forceFieldRadius = 0.1f;
    float ForceFieldLife = 5.0f;
    float ForceFieldDuration = 0.0f;
    int gaugeAdd = 1;       // gauge given (kind 7)
    float powerUpAdd = 1.0f; // energy given (kind 6)
    std::string ForceFieldSFX = "forceField01";
    float playerSpeed = 45.0f;
    std::string ForceFieldEndSound;
    float ForceFieldEndSoundVolume = 1.0f;
    std::string ForceFieldHitSound;
    float ForceFieldHitSoundVolume = 1.0f;
    int ammoNumber = 0;
    std::string ammoWeapon;
    bool isOnlyForCurrentWeaponSet = true;
    int variableType = 2;
    int customVariableName = 0;
    std::string internalVariableName;
    double variableValue = 0.0;
    int customVariableOperation = 1;
    // Medals: the rank (numbered by Level::resetItemMap) and, on a
    // definition, how many of it were collected in the running chain.
    int medalType = 0;
    int medalCounter = 1;

    // Effects and sound; "none" names no effect.
    std::string sfxStartName = "basic_item01";
    std::string sfxEndName = "basic_item01";
    Ogre::ParticleSystem* startParticles = nullptr;
    Ogre::ParticleSystem* endParticles = nullptr;
    std::string startParticlesName; // the effect startParticles was made from
    std::string endParticlesName;
    std::string soundName = "item.wav";
    Ogre::Vector2 sound_pitch = Ogre::Vector2::ZERO; // base and spread
    float volume = 1.0f;

    // Collision outlines, owned.
    std::vector<Obb*> outlines;

    // Links.
    Level* level = nullptr;
    Player* player = nullptr;
    Ogre::Camera* playCamera = nullptr; // "PlayCam"

    // Set on library definitions: such an item neither scales in, blinks,
    // expires off screen nor shows its start effect.
    bool isStatic = false;
    // Set once the item reader filled the item.
    bool isFilled = false;

private:
    bool isSprite() const { return !spriteName.empty(); }
    // The library definition this item was copied from; itself without one.
    Item* definition();
    // The settings a definition hands to its copies (not placement, state,
    // scene objects or outlines).
    void takeSettingsOf(const Item& source);
    void deleteOutlines();
    void bindOutlines();
    void reprojectOutlines();
    void applyOutlineSettingsOf(const Item& source);
    void attachMainNodeToRoot();
    void showEntity(bool shown);
    // Makes the effect (or keeps it when made from the same name), puts it
    // on the main node and starts it.
    void startEffect(Ogre::ParticleSystem*& system, std::string& madeFrom, const std::string& effectName);
    void destroyEffect(Ogre::ParticleSystem*& system);
    bool isRebuildAsked() const;
    void updateWaiting(double dt);
    void updateActive(double dt);
    void updateCollected(double dt);
    // False when the item left the game (expired or freed).
    bool updateLifetime(double dt);
    void updateAttraction(double dt);
    void updateSpinAndWobble(double dt);
    bool touchesPlayer() const;
    void applyEffect();
    long long pointsOf();
};
