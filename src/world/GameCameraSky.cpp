// The sky plane behind the level: a plane far in front of the camera whose
// material scrolls up to six texture layers, each at its own speed.
#include "world/GameCamera.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/ShaderConstants.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <cmath>

namespace {

constexpr float skyDistance = 800.0f;
constexpr float skyPlaneScale = 61.0f;
constexpr std::uint8_t skyRenderQueueGroup = 6;

// Pass 0 of technique 0 of the material; null when it has none.
Ogre::Pass* firstPass(const Ogre::MaterialPtr& material)
{
    if (!material || material->getNumTechniques() == 0)
        return nullptr;
    Ogre::Technique* technique = material->getTechnique(0);
    return technique->getNumPasses() > 0 ? technique->getPass(0) : nullptr;
}

Ogre::TextureUnitState* unitOf(Ogre::Pass* pass, std::size_t index)
{
    if (!pass || index >= pass->getNumTextureUnitStates())
        return nullptr;
    return pass->getTextureUnitState(static_cast<unsigned short>(index));
}

// The material of the sky entity; null without a sub-entity.
Ogre::MaterialPtr skyMaterialOf(Ogre::Entity* sky)
{
    return sky->getNumSubEntities() > 0 ? sky->getSubEntity(0)->getMaterial() : Ogre::MaterialPtr();
}

bool meshAvailable(const std::string& meshName)
{
    return Ogre::MeshManager::getSingleton().resourceExists(meshName) || resourceExists(meshName);
}

} // namespace

void GameCamera::createSkyPlane()
{
    if (skyNode || !panNode)
        return;
    if (!meshAvailable("skyplane.mesh")) {
        logLine("[ERROR] sky plane mesh not found: skyplane.mesh");
        return;
    }
    skyNode = panNode->createChildSceneNode();
    skyEntity = sceneManager->createEntity("skyplane.mesh");
    const Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName("skybox_layered1_template");
    if (material) {
        skyEntity->setMaterial(material);
        if (Ogre::TextureUnitState* unit = unitOf(firstPass(material), 0))
            unit->setTextureName("empty.tga");
    } else {
        logLine("[ERROR] sky material not found: skybox_layered1_template");
    }
    skyNode->attachObject(skyEntity);
    skyNode->pitch(Ogre::Radian(-1.5707964f));
    skyNode->yaw(Ogre::Radian(3.1415927f));
    skyNode->setPosition(0.0f, 0.0f, -skyDistance);
    skyNode->setInheritScale(false);
    skyNode->setScale(skyPlaneScale, skyPlaneScale, skyPlaneScale);
    skyEntity->setRenderQueueGroup(skyRenderQueueGroup);
    skyNode->setVisible(false);
}

void GameCamera::updateSkyPlaneScale()
{
    if (!skyNode || !playCamera)
        return;
    const float t = std::tan(playCamera->getFOVy().valueRadians() / 2.0f) * skyDistance * 0.12272f;
    skyNode->setScale(0.75f * t * aspectRatio, t, t);
}

void GameCamera::destroySkyPlane()
{
    if (skyNode) {
        skyNode->detachAllObjects();
        if (Ogre::SceneNode* parent = skyNode->getParentSceneNode())
            parent->removeChild(skyNode);
        sceneManager->destroySceneNode(skyNode);
        skyNode = nullptr;
    }
    if (skyEntity) {
        // The sky material is the shared template: every layer's unit is left
        // showing nothing, so the next level's sky starts from none of these.
        if (Ogre::Pass* pass = firstPass(skyMaterialOf(skyEntity)))
            for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                unit->setTextureName("empty.tga");
        sceneManager->destroyEntity(skyEntity);
        skyEntity = nullptr;
    }
}

namespace {

// The size of the texture in a unit, as a pair of floats; 1 x 1 when unknown.
Ogre::Vector2 textureSizeOf(Ogre::TextureUnitState* unit)
{
    const std::pair<size_t, size_t> size = unit->getTextureDimensions();
    return {size.first > 0 ? static_cast<float>(size.first) : 1.0f,
            size.second > 0 ? static_cast<float>(size.second) : 1.0f};
}

} // namespace

void GameCamera::createSkybox()
{
    if (!skyNode || !skyEntity)
        return;
    activeSkyLayers.clear();
    for (const skyLayer& layer : skyLayers)
        if (!layer.textureName.empty())
            activeSkyLayers.push_back(layer);
    const Game& game = *Game::getSingletonPtr();
    const std::string materialName = skyMaterialName(activeSkyLayers.size(), game.pixelScale != 1.0f);
    if (!materialName.empty()) {
        if (Ogre::MaterialManager::getSingleton().resourceExists(materialName))
            skyEntity->setMaterialName(materialName);
        else
            logLine("[ERROR] sky material not found: " + materialName);
    }
    Ogre::Pass* pass = firstPass(skyMaterialOf(skyEntity));
    const Ogre::GpuProgramParametersSharedPtr vertex = vertexConstants(pass);
    const Ogre::GpuProgramParametersSharedPtr fragment = fragmentConstants(pass);
    // A layer beyond the material's units takes the size of the layer before it.
    Ogre::Vector2 size(1.0f, 1.0f);
    for (std::size_t i = 0; i < activeSkyLayers.size(); ++i) {
        const skyLayer& layer = activeSkyLayers[i];
        const std::string index = std::to_string(i);
        if (Ogre::TextureUnitState* unit = unitOf(pass, i)) {
            unit->setTextureName(resourceExists(layer.textureName) ? layer.textureName : "notFound.jpg");
            size = textureSizeOf(unit);
        }
        setConstant(vertex, "speedmult" + index, layer.speed * 0.001f);
        setConstant(vertex, "uvScale" + index, skyUvScale(layer, aspectRatio, size.x, size.y));
        if (game.pixelScale > 1.0f) {
            for (const Ogre::GpuProgramParametersSharedPtr& constants : {vertex, fragment}) {
                setConstant(constants, "textureDimensionsX", size.x);
                setConstant(constants, "textureDimensionsY", size.y);
            }
        }
    }
}
