// Some of Ogre's translators trust what they read: an overlay deeper than 650
// or a particle system's particles of a negative size stop the program on an
// assertion, and an overlay property left without a value (its only value an
// undefined variable, which the compiler removes) is read through a null
// node. Such an object is mended before it is built, each mend an error at
// its line.
#pragma once

#include <OgreScriptCompiler.h>

// Mends an overlay object and every object inside it, or a particle system;
// objects of other kinds are left as they are.
void mendScriptObject(Ogre::ScriptCompiler* compiler, Ogre::ObjectAbstractNode& object);
