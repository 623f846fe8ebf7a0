#include "core/materials/ShaderConstants.h"

#include <OgrePass.h>

Ogre::GpuProgramParametersSharedPtr vertexConstants(const Ogre::Pass* pass)
{
    if (!pass || !pass->hasVertexProgram())
        return Ogre::GpuProgramParametersSharedPtr();
    return pass->getVertexProgramParameters();
}

Ogre::GpuProgramParametersSharedPtr fragmentConstants(const Ogre::Pass* pass)
{
    if (!pass || !pass->hasFragmentProgram())
        return Ogre::GpuProgramParametersSharedPtr();
    return pass->getFragmentProgramParameters();
}

bool hasConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name)
{
    return constants && constants->_findNamedConstantDefinition(name) != nullptr;
}

void setConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name, float value)
{
    if (hasConstant(constants, name))
        constants->setNamedConstant(name, value);
}

void setConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name,
                 const Ogre::Vector2& value)
{
    if (hasConstant(constants, name))
        constants->setNamedConstant(name, value);
}

void setConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name,
                 const Ogre::Vector4& value)
{
    if (hasConstant(constants, name))
        constants->setNamedConstant(name, value);
}
