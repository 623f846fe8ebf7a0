// Ogre's overlay translators trust what they read: an overlay deeper than
// 650 stops the program on an assertion, and a property left without a value
// (its only value an undefined variable, which the compiler removes) is read
// all the same, through a null node. Such an overlay object is mended before
// it is built, each mend an error at its line.
#pragma once

#include <OgreScriptCompiler.h>

// Holds an overlay's depth at the deepest and removes an overlay object's
// properties that have no value, and those of every object inside it;
// objects of other kinds are left as they are.
void mendOverlayObject(Ogre::ScriptCompiler* compiler, Ogre::ObjectAbstractNode& object);
