// A pass whose script names a vertex or fragment program that does not exist
// (its program script empty, cut short or unreadable) would draw with only
// half its programs, or none where the renderer has no fixed function: such
// a pass is made plain, without programs, and its material is named once and
// drawn plain.
#pragma once

#include <OgreScriptCompiler.h>

// Called once an object (a pass, a material, any other) has been built from
// its script.
void checkProgramsOfObject(const Ogre::ObjectAbstractNode& node);
