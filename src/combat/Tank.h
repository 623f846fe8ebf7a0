// An enemy with a turret that turns toward the player and a cannon that
// tilts toward the player; the first gun of each weapon set fires from the
// cannon's muzzle (the Enemy's muzzleNode). The wave reader makes one for an
// "enemy" element whose type is "tank"; everything else is the Enemy's.
#pragma once

#include <string>

#include "combat/Enemy.h"
#include "combat/EulerAngles.h"

#include <OgreVector.h>

class Tank : public Enemy {
public:
    Tank();
    // The Enemy's copy and the turret and cannon settings; no meshes or nodes.
    Tank(const Tank& source);
    Tank& operator=(const Tank&) = delete;
    ~Tank() override;
    entity* clone() const override;

    void setVisible(bool visible) override;
    void setLayer(std::uint8_t layerIndex) override;
    void placeInScene(Ogre::SceneNode* parent, const Ogre::Quaternion& startOrientation, Level* newLevel,
                      Ogre::SceneManager* scene) override;
    void destroyMesh() override;
    // On the main entity, the turret and the cannon.
    void flashHit(const Ogre::ColourValue& colour) override;
    void reset() override;
    void clearFlash() override;
    void loadMesh() override;
    // The Enemy's move, then the turret and cannon aim.
    void move(double dt, const std::vector<CurveSample>& curvePoints, Player* player) override;

    // The turret and cannon meshes or sprite planes, made again.
    void loadTurretMeshes();

    // Current orientations, both zero at rest.
    EulerAngles turretAngles;
    EulerAngles cannonAngles;
    std::uint8_t hasCannon = 0;
    // Turret node in the offset node, cannon node in the turret node, muzzle
    // in the cannon node.
    Ogre::Vector3 turOffset = Ogre::Vector3::ZERO;
    Ogre::Vector3 canOffset = Ogre::Vector3::ZERO;
    Ogre::Vector3 canHoleOffset = Ogre::Vector3::ZERO;
    // Cannon pitch limits, degrees: lowest, and highest magnitude.
    float canLimitS = -1.0f;
    float canLimitE = 90.0f;
    // y: the turret's whole turning range in degrees; 360 leaves it free.
    Ogre::Vector2 turretLimits{-1.0f, 360.0f};
    float turSpeed = 1.0f;
    float canSpeed = 3.0f;

    Ogre::Entity* turretEntity = nullptr;
    Ogre::SceneNode* turretNode = nullptr;     // yaws; child of the offset node
    Ogre::SceneNode* turretMeshNode = nullptr; // carries turretEntity
    Ogre::Entity* cannonEntity = nullptr;      // null without a cannon
    Ogre::SceneNode* cannonNode = nullptr;     // pitches; child of turretNode
    Ogre::SceneNode* cannonMeshNode = nullptr; // carries cannonEntity
};

// A new wave member of the class a wave's type asks for (0 an Enemy, 1 a
// Tank) with the name; null for any other type.
entity* newEnemyByType(int type, const std::string& name);
