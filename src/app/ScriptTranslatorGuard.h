// Script objects that Ogre cannot build stay within their own script: an
// exception from building one object (a particle affector type this Ogre does
// not know, a missing program) becomes a compile error at that object's file
// and line, and the compiler goes on with the next object and the next script.
// A script the lexer or the parser gives up on (they throw) ends there, with
// its error logged as Ogre's own. Without the guard the exception would end
// the parse of the whole resource group.
#pragma once

// Puts the guard in front of Ogre's own translators; the Ogre root must exist.
// Calling it again leaves one guard in place.
void installScriptTranslatorGuard();
