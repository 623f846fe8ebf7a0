// Look-ups in Ogre's resource registries: where a resource file lives, whether
// a font is registered or loads, and the repair of fonts whose source is missing.
#pragma once

#include <string>

// "archive/name" of a resource file; empty when no file info is found. The name
// must be a resource of some group (Ogre throws otherwise): test resourceExists first.
std::string findResourceFilePath(const std::string& name);

bool fontExists(const std::string& name);

// Whether the font is registered and loads; a font loaded here has its
// glyphs drawn premultiplied, as every text is. A font whose file is damaged
// gives one "[ERROR] " line naming it and is unregistered: Ogre would throw
// each time a text area drawing with it is queued.
bool fontLoads(const std::string& name);

// Gives "Verdana.ttf" as source to default-group fonts that have none.
void resolveFontSources();
