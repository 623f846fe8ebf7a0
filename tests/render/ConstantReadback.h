// Reads back the named constants and texture names a material's passes hold.
#pragma once

#include "core/materials/MaterialLookup.h"
#include "core/materials/ShaderConstants.h"

#include <OgreGpuProgramParams.h>
#include <OgrePass.h>
#include <OgreTextureUnitState.h>

#include <vector>

// The floats of a named constant (empty when the program lacks it).
inline std::vector<float> constantValues(const Ogre::GpuProgramParametersSharedPtr& constants,
                                         const std::string& name)
{
    const Ogre::GpuConstantDefinition* definition =
        constants ? constants->_findNamedConstantDefinition(name) : nullptr;
    if (!definition)
        return {};
    const float* first = constants->getFloatPointer(definition->physicalIndex);
    return std::vector<float>(first, first + definition->elementSize);
}

inline std::vector<float> vertexConstant(const Ogre::MaterialPtr& material, const std::string& name,
                                         unsigned short technique = 0, unsigned short pass = 0)
{
    return constantValues(vertexConstants(passAt(material, technique, pass)), name);
}

inline std::vector<float> fragmentConstant(const Ogre::MaterialPtr& material, const std::string& name,
                                           unsigned short technique = 0, unsigned short pass = 0)
{
    return constantValues(fragmentConstants(passAt(material, technique, pass)), name);
}

// The texture of the first unit of that name in the first pass of the technique.
inline std::string unitTexture(const Ogre::MaterialPtr& material, const std::string& unitName,
                               unsigned short technique = 0)
{
    Ogre::Pass* pass = passAt(material, technique, 0);
    const Ogre::TextureUnitState* unit = pass ? pass->getTextureUnitState(unitName) : nullptr;
    return unit ? unit->getTextureName() : std::string("(no unit)");
}
