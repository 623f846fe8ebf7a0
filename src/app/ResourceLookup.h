// Look-ups in Ogre's resource registries: where a resource file lives, whether
// a font is registered, and the repair of fonts whose source is missing.
#pragma once

#include <string>

// "archive/name" of a resource file; empty when no file info is found. The name
// must be a resource of some group (Ogre throws otherwise): test resourceExists first.
std::string findResourceFilePath(const std::string& name);

bool fontExists(const std::string& name);

// Gives "Verdana.ttf" as source to default-group fonts that have none.
void resolveFontSources();
