// The ship's tree of scene nodes under the camera rig, its crosshair, and
// its placement on the rig.
#include "combat/Player.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/materials/SpriteMaterials.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/sfxManager.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

const char* const rigNodeName = "CamNode1";
const char* const crosshairNodeName = "aimNode";
const char* const crosshairEntityName = "aimMesh";
const char* const crosshairMeshName = "gui_waypoint.mesh";
constexpr float crosshairScale = 1.5f;

void destroyNodeNamed(Ogre::SceneManager* scene, const std::string& nodeName)
{
    if (!scene->hasSceneNode(nodeName))
        return;
    Ogre::SceneNode* node = scene->getSceneNode(nodeName);
    node->detachAllObjects();
    scene->destroySceneNode(node);
}

} // namespace

void Player::destroySceneNodes()
{
    if (!sceneManager)
        return;
    if (aimEntity) {
        sceneManager->destroyEntity(aimEntity);
        aimEntity = nullptr;
    } else if (sceneManager->hasEntity(crosshairEntityName)) {
        sceneManager->destroyEntity(crosshairEntityName);
    }
    // The nodes below the side node go with it whatever their names: the
    // two named after the ship keep the name it had when they were made.
    if (sceneManager->hasSceneNode("playerSideNode"))
        sceneManager->getSceneNode("playerSideNode")->removeAndDestroyAllChildren();
    for (const std::string& nodeName :
         {std::string(crosshairNodeName), std::string("playerCanonNode"), std::string("ForceFieldNode"),
          playerName + "_EntitySpriteMeshNode", playerName + "_Spritenode", std::string("playerSideNode"),
          std::string("playerAnimationNode"), std::string("playerBankNode"), std::string("player")})
        destroyNodeNamed(sceneManager, nodeName);
    sceneNode = bankNode = animationNode = sideNode = meshNode = entityNode = nullptr;
    forceFieldNode = canonNode = aimNode = nullptr;
}

void Player::createSceneNodes(Ogre::SceneManager* scene)
{
    destroySceneNodes();
    sceneManager = scene;
    game = Game::getSingletonPtr();
    level = game ? game->level : nullptr;
    gameCamera = level ? level->camera : nullptr;
    camera = scene->hasCamera("PlayCam") ? scene->getCamera("PlayCam") : nullptr;

    Ogre::SceneNode* rig = scene->hasSceneNode(rigNodeName) ? scene->getSceneNode(rigNodeName)
                                                            : scene->getRootSceneNode();
    sceneNode = rig->createChildSceneNode("player");
    bankNode = sceneNode->createChildSceneNode("playerBankNode");
    animationNode = bankNode->createChildSceneNode("playerAnimationNode");
    sideNode = animationNode->createChildSceneNode("playerSideNode");
    meshNode = sideNode->createChildSceneNode(playerName + "_Spritenode");
    entityNode = meshNode->createChildSceneNode(playerName + "_EntitySpriteMeshNode");
    forceFieldNode = meshNode->createChildSceneNode("ForceFieldNode");
    canonNode = meshNode->createChildSceneNode("playerCanonNode");

    followCameraNode(true);
    applyStartOrientation();
    createCrosshair();
    if (level && level->effects)
        level->effects->createReadyGauge();
}

void Player::createCrosshair()
{
    aimNode = sceneManager->getRootSceneNode()->createChildSceneNode(crosshairNodeName);
    if (!loadMeshResource(crosshairMeshName)) {
        logLine(std::string("[ERROR] can't find crosshair mesh: ") + crosshairMeshName);
        return;
    }
    aimEntity = sceneManager->createEntity(crosshairEntityName, crosshairMeshName);
    if (game)
        applySpriteMaterial(aimEntity, game->aimTextureName, true);
    aimEntity->setCastShadows(false);
    aimNode->attachObject(aimEntity);
    aimNode->setScale(Ogre::Vector3(crosshairScale));
    aimNode->setVisible(false);
}

void Player::applyStartOrientation()
{
    if (!sceneNode)
        return;
    constexpr float degreesToRadians = 0.017453292f;
    Ogre::Matrix3 turn;
    turn.FromEulerAnglesXYZ(Ogre::Radian(orient.x * degreesToRadians), Ogre::Radian(orient.y * degreesToRadians),
                            Ogre::Radian(orient.z * degreesToRadians));
    orientation = Ogre::Quaternion(turn);
    sceneNode->setOrientation(orientation);
}

void Player::followCameraNode(bool keepPosition)
{
    if (!sceneNode)
        return;
    for (Ogre::SceneNode* node : {bankNode, animationNode, sideNode, meshNode})
        node->resetOrientation();
    meshNode->setOrientation(startSpriteOrientation);
    sceneNode->setScale(scale);
    if (!keepPosition) {
        Ogre::SceneNode* rig = sceneNode->getParentSceneNode();
        const Ogre::Vector3 rigPosition = rig ? rig->_getDerivedPosition() : Ogre::Vector3::ZERO;
        sceneNode->_setDerivedPosition(pos + rigPosition);
    }
    position = sceneNode->getPosition();
    updateObbs();
}

void Player::updateObbs()
{
    // Ogre brings child nodes up to date only when the scene is next drawn:
    // a ship moved, or carried by the scrolling rig, since then would have
    // its outlines and its mesh's bounds (the on-screen test) a frame behind.
    if (sceneNode)
        sceneNode->_update(true, true);
    for (Obb* outline : outlines)
        outline->updateScreenPolygon();
    for (Obb* extra : extraOutlines)
        if (extra)
            extra->updateScreenPolygon();
    if (outlines.empty())
        return;
    const Obb& first = *outlines.front();
    const std::size_t corners = first.size.z > 0.0f ? 8 : 4;
    Ogre::Vector3 sum = Ogre::Vector3::ZERO;
    for (std::size_t i = 0; i < corners; ++i)
        sum += first.worldCorners[i];
    outlineCentre = sum / static_cast<float>(corners);
}
