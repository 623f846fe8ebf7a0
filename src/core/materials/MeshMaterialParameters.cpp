// The parts of the mesh materials that fill a material: its definition's
// constants and textures, the shadow switch, and the size of its diffuse
// texture.
#include "core/materials/MeshMaterials.h"

#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureFrames.h"
#include "core/materials/ShaderConstants.h"
#include "data/pictureDefinition.h"

#include <OgreEntity.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

namespace {

const char* const litTechnique = "lighting01";

void writeLightingConstants(Ogre::Technique* technique, const material3DDefinition& definition)
{
    const Ogre::GpuProgramParametersSharedPtr constants = fragmentConstants(passAt(technique, 0));
    setConstant(constants, "specularMult", definition.specularMult);
    setConstant(constants, "shininess", definition.shininess);
    setConstant(constants, "fresnelmul", definition.fresnel);
}

// The stand-in for a missing texture of a unit of that name.
std::string fallbackTexture(const std::string& unitName)
{
    if (unitName == "normals_tex")
        return "notFoundNormals.tga";
    if (unitName == "reflection_tex")
        return "ReflectionMap_blurry.dds";
    if (unitName == "shadow_tex")
        return std::string();
    return "notFound.jpg";
}

// Only texture shadows set the matrix that projects the shadow texture, and
// only when they have a texture to render.
bool sceneProjectsShadowTextures(const Ogre::SceneManager* scene)
{
    return scene && scene->isShadowTechniqueTextureBased() && !scene->getShadowTextureConfigList().empty();
}

// The size of one frame of a sprite-library texture.
Ogre::Vector2 spriteFrameSize(pictureDefinition& sprite, const std::string& texture,
                              const Ogre::TextureUnitState* unit)
{
    const Ogre::Vector2 size = texture == "notFound.jpg" ? Ogre::Vector2(64.0f, 64.0f)
                                                         : pictureTextureSize(sprite, unit);
    const tileCounts tiles = tileCountsOf(sprite, texture);
    return Ogre::Vector2(size.x / static_cast<float>(tiles.across), size.y / static_cast<float>(tiles.down));
}

} // namespace

void applyMaterial3DParameters(const std::string& meshName, const Ogre::MaterialPtr& material)
{
    if (!material || material->getGroup() != "GAMERSC_materials")
        return;
    const material3DTable& definitions = materialModule().definitions;
    const auto mesh = definitions.find(meshName);
    if (mesh == definitions.end() || !mesh->second.count(material->getName()))
        return;
    const material3DDefinition& definition = mesh->second.at(material->getName());
    writeLightingConstants(material->getTechnique(litTechnique), definition);
    Ogre::Technique* second = techniqueAt(material, 1);
    if (second && second->getName() == litTechnique)
        writeLightingConstants(second, definition);
    setMaterialTextureNames(material, "diffuse_tex", definition.diffuseTexture);
    setMaterialTextureNames(material, "specular_tex", definition.specularTexture);
    setMaterialTextureNames(material, "ambient_tex", definition.ambientTexture);
    setMaterialTextureNames(material, "normals_tex", definition.normalTexture);
    setMaterialTextureNames(material, "reflection_tex", definition.reflectionTexture);
}

bool setMaterialTextureNames(const Ogre::MaterialPtr& material, const std::string& unitName, std::string texture)
{
    if (texture.empty() || !material || unitName == "shadow_tex")
        return false;
    if (!resourceExists(texture))
        texture = fallbackTexture(unitName);
    const Ogre::TextureType type = unitName == "reflection_tex" ? Ogre::TEX_TYPE_CUBE_MAP : Ogre::TEX_TYPE_2D;
    bool set = false;
    for (Ogre::Technique* technique : material->getTechniques())
        for (Ogre::Pass* pass : technique->getPasses())
            for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                if (unit->getName() == unitName) {
                    setUnitTexture(unit, texture, type);
                    set = true;
                }
    return set;
}

void setLightingParameters(Ogre::Entity* entity, bool shadowed)
{
    const float readsShadowTexture = shadowed && sceneProjectsShadowTextures(entity->_getManager()) ? 1.0f : 0.0f;
    for (Ogre::SubEntity* subEntity : entity->getSubEntities()) {
        const Ogre::MaterialPtr& material = subEntity->getMaterial();
        if (!material)
            continue;
        material->setReceiveShadows(shadowed);
        setConstant(fragmentConstants(passAt(material->getTechnique(litTechnique), 0)), "isShadow",
                    readsShadowTexture);
    }
}

void clearFlashColour(Ogre::Entity* entity)
{
    constexpr std::size_t flashParameter = 1;
    for (Ogre::SubEntity* subEntity : entity->getSubEntities())
        if (!subEntity->hasCustomParameter(flashParameter))
            subEntity->setCustomParameter(flashParameter, Ogre::Vector4::ZERO);
}

Ogre::Vector2 getDiffuseTextureSize(Ogre::Entity* entity)
{
    Ogre::Vector2 size(128.0f, 128.0f);
    const Ogre::MaterialPtr material =
        entity->getNumSubEntities() > 0 ? entity->getSubEntity(0)->getMaterial() : Ogre::MaterialPtr();
    if (Ogre::Pass* pass = passAt(material, 0, 0))
        for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates()) {
            if (unit->getName().find("diffuse_tex") == std::string::npos || unit->isTextureLoadFailing())
                continue;
            const std::string& texture = unit->getTextureName();
            pictureDefinition* sprite = findPicture(materialModule().sprites, texture);
            size = sprite ? spriteFrameSize(*sprite, texture, unit) : unitTextureSize(unit);
        }
    const Game* game = materialModule().game;
    return size * (game ? game->spriteScale : 1.0f);
}
