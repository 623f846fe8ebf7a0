// Finding, cloning and removing materials by name, and reaching their
// techniques, passes and texture units by index without Ogre's assertions
// (Debian's Ogre aborts on an index out of range): every accessor here
// answers null for a part the material does not have.
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
// Removes the material of that name from the group, when there.
void removeMaterial(const std::string& name, const std::string& group);

// A clone of the template under `name` in `group` (the template's own group
// when empty). A missing template is logged and gives null.
Ogre::MaterialPtr cloneTemplate(const std::string& templateName, const std::string& name,
                                const std::string& group);

Ogre::Technique* techniqueAt(const Ogre::MaterialPtr& material, unsigned short technique);
Ogre::Pass* passAt(const Ogre::MaterialPtr& material, unsigned short technique, unsigned short pass);
Ogre::Pass* passAt(Ogre::Technique* technique, unsigned short pass);
Ogre::TextureUnitState* unitAt(Ogre::Pass* pass, unsigned short unit);
Ogre::TextureUnitState* unitAt(const Ogre::MaterialPtr& material, unsigned short technique, unsigned short pass,
                               unsigned short unit);
