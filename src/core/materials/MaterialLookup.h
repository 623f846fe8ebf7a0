// Finding, cloning and removing materials by name, telling the empty
// stand-ins Ogre makes for names its scripts leave undefined from real
// materials, and reaching their techniques, passes and texture units by index
// without Ogre's assertions (Debian's Ogre aborts on an index out of range):
// every accessor here answers null for a part the material does not have.
#pragma once

#include <OgreMaterial.h>

#include <string>

namespace Ogre {
class Pass;
class Technique;
class TextureUnitState;
} // namespace Ogre

// The material of that name in any resource group; null when none.
Ogre::MaterialPtr findMaterial(const std::string& name);
// The material of that name in the group; null when none, or when there is
// no such group.
Ogre::MaterialPtr findMaterial(const std::string& name, const std::string& group);
// Initialises the resource group, parsing its scripts. For a material name
// that a script uses and no script defines, Ogre makes an empty stand-in,
// without texture, that holds the name in the shared pool of "Media" and
// "GAMERSC": no material made later under that name would be kept. The
// stand-ins made here are remembered. A script with errors is named in the
// log, once.
void initialiseScriptGroup(const std::string& group);
// Whether the material is such a stand-in.
bool isStandInMaterial(const Ogre::MaterialPtr& material);
// The material of that name in the pool "Media" and "GAMERSC" share, where
// the game's particle systems find their materials by name; null when there
// is none or only such a stand-in.
Ogre::MaterialPtr findSharedMaterial(const std::string& name);
// Removes the material of that name from the group, when there.
void removeMaterial(const std::string& name, const std::string& group);

// A clone of the template under `name` in `group` (the template's own group
// when empty). A missing template is logged once for each `user` (what the
// clone is for: "mesh rock.mesh") and gives null.
Ogre::MaterialPtr cloneTemplate(const std::string& templateName, const std::string& name, const std::string& group,
                                const std::string& user);

Ogre::Technique* techniqueAt(const Ogre::MaterialPtr& material, unsigned short technique);
Ogre::Pass* passAt(const Ogre::MaterialPtr& material, unsigned short technique, unsigned short pass);
Ogre::Pass* passAt(Ogre::Technique* technique, unsigned short pass);
Ogre::TextureUnitState* unitAt(Ogre::Pass* pass, unsigned short unit);
Ogre::TextureUnitState* unitAt(const Ogre::MaterialPtr& material, unsigned short technique, unsigned short pass,
                               unsigned short unit);
