// Writes of named constants into the GPU programs of material passes. GLSL
// programs lose the uniforms they do not use and Ogre throws when asked for a
// constant a program lacks, so every write here is skipped when the program
// or the constant is missing.
#pragma once

#include <OgreGpuProgramParams.h>
#include <OgreVector.h>

#include <string>

namespace Ogre {
class Pass;
}

// The parameters of the pass's vertex or fragment program; null without one.
Ogre::GpuProgramParametersSharedPtr vertexConstants(const Ogre::Pass* pass);
Ogre::GpuProgramParametersSharedPtr fragmentConstants(const Ogre::Pass* pass);

bool hasConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name);

void setConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name, float value);
void setConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name,
                 const Ogre::Vector2& value);
void setConstant(const Ogre::GpuProgramParametersSharedPtr& constants, const std::string& name,
                 const Ogre::Vector4& value);
