// The sprite sheet of an explosion element: its own clone of "Particles/Explo"
// showing the sheet, tile by tile, over the element's duration.
#include "core/effects/ExplosionElement.h"

#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/ShaderConstants.h"

#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgrePass.h>
#include <OgreStringConverter.h>

#include <limits>

namespace {

const char* const spriteGroup = "GAMERSC";

float filterScale()
{
    const Game* game = Game::getSingletonPtr();
    return game && game->spriteScale > 1.0f ? 2.5f : 1.0f;
}

// The element's own material, made on first use.
Ogre::MaterialPtr spriteMaterial(const std::string& name, const std::string& texture)
{
    if (Ogre::MaterialPtr existing = findMaterial(name, spriteGroup))
        return existing;
    Ogre::MaterialPtr material = cloneTemplate("Particles/Explo", name, spriteGroup, "explosion sheet " + texture);
    giveUnitTexture(unitAt(material, 0, 0, 0), texture);
    return material;
}

} // namespace

void ExplosionElement::applySpriteSheet(bool inCameraSpace)
{
    if (!inCameraSpace)
        if (Ogre::ParticleAffector* rotator = affectorAt(particleSystem, 1)) {
            const std::string degrees = Ogre::StringConverter::toString(orientation);
            rotator->setParameter("rotation_range_start", degrees);
            rotator->setParameter("rotation_range_end", degrees);
        }
    const std::string texture = resourceExists(textureName) ? textureName : "notFound.jpg";
    const Ogre::MaterialPtr material = spriteMaterial(spriteMaterialName(), texture);
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (!pass)
        return;
    particleSystem->setMaterialName(material->getName(), spriteGroup);

    const Ogre::TextureUnitState* unit = unitAt(pass, 0);
    const Ogre::Vector2 size = unit ? unitTextureSize(unit) : Ogre::Vector2::ZERO;
    const float width = safeDivisor(size.x, 1.0f, 1.0f, "explosion sprite texture width");
    const float height = safeDivisor(size.y, 1.0f, 1.0f, "explosion sprite texture height");
    const float columns = safeDivisor(textureDiv.x, 1.0f, 1.0f, "explosion sprite columns");
    const float rows = safeDivisor(textureDiv.y, 1.0f, 1.0f, "explosion sprite rows");
    const float seconds = safeDivisor(static_cast<float>(duration), std::numeric_limits<float>::min(), 1.0f,
                                      "explosion sprite duration");
    const float aspect = (width / columns) * rows / height;
    if (aspect >= 1.0f)
        particleSystem->setDefaultDimensions(10.0f, 10.0f / aspect);
    else
        particleSystem->setDefaultDimensions(10.0f * aspect, 10.0f);

    const Ogre::GpuProgramParametersSharedPtr vertex = vertexConstants(pass);
    setConstant(vertex, "numTilesU", columns);
    setConstant(vertex, "numTilesV", rows);
    setConstant(vertex, "textureDimensionsX", width);
    setConstant(vertex, "textureDimensionsY", height);
    setConstant(vertex, "isLooping", 0.0f);
    const Ogre::GpuProgramParametersSharedPtr fragment = fragmentConstants(pass);
    setConstant(fragment, "textureDimensionsX", width);
    setConstant(fragment, "textureDimensionsY", height);
    setConstant(fragment, "filterScale", filterScale());

    if (Ogre::ParticleAffector* fader = affectorAt(particleSystem, 0))
        fader->setParameter("alpha", Ogre::StringConverter::toString(-1.0f / seconds));
    if (Ogre::ParticleEmitter* emitter = emitterAt(particleSystem, 0))
        emitter->setTimeToLive(seconds);
    pass->setSceneBlending(isAlpha ? Ogre::SBT_TRANSPARENT_ALPHA : Ogre::SBT_ADD);
}
