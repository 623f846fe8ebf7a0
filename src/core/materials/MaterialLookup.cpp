#include "core/materials/MaterialLookup.h"

#include "app/Log.h"
#include "app/ScriptErrorLines.h"
#include "app/ScriptTranslatorGuard.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreTechnique.h>

#include <set>

Ogre::MaterialPtr findMaterial(const std::string& name)
{
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    if (Ogre::MaterialPtr material = materials.getByName(name))
        return material;
    // Groups outside the global pool are searched one by one.
    for (const std::string& group : Ogre::ResourceGroupManager::getSingleton().getResourceGroups())
        if (Ogre::MaterialPtr material = materials.getByName(name, group))
            return material;
    return Ogre::MaterialPtr();
}

Ogre::MaterialPtr findMaterial(const std::string& name, const std::string& group)
{
    // Ogre throws for a group it does not know; such a group holds nothing.
    if (!Ogre::ResourceGroupManager::getSingleton().resourceGroupExists(group))
        return Ogre::MaterialPtr();
    Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(name, group);
    return material && material->getGroup() == group ? material : Ogre::MaterialPtr();
}

namespace {

// The stand-ins Ogre made while parsing scripts, by handle: a material made
// later under the same name is another resource.
std::set<Ogre::ResourceHandle> standIns;

std::set<Ogre::ResourceHandle> materialHandles()
{
    std::set<Ogre::ResourceHandle> handles;
    for (const auto& entry : Ogre::MaterialManager::getSingleton().getResourceIterator())
        handles.insert(entry.first);
    return handles;
}

} // namespace

void initialiseScriptGroup(const std::string& group)
{
    const std::set<Ogre::ResourceHandle> before = materialHandles();
    {
        const ScriptErrorLines errorLines;
        // Translators registered since (the overlay system's) come before the
        // guard: it goes in front again.
        installScriptTranslatorGuard();
        Ogre::ResourceGroupManager::getSingleton().initialiseResourceGroup(group);
    }
    // A material a script defines knows the script it came from.
    for (const auto& entry : Ogre::MaterialManager::getSingleton().getResourceIterator())
        if (!before.count(entry.first) && entry.second->getOrigin().empty())
            standIns.insert(entry.first);
}

bool isStandInMaterial(const Ogre::MaterialPtr& material)
{
    return material && standIns.count(material->getHandle());
}

Ogre::MaterialPtr findSharedMaterial(const std::string& name)
{
    // Any group of the pool finds the names of all of them.
    const char* const sharedGroup = "GAMERSC";
    if (!Ogre::ResourceGroupManager::getSingleton().resourceGroupExists(sharedGroup))
        return Ogre::MaterialPtr();
    const Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(name, sharedGroup);
    return isStandInMaterial(material) ? Ogre::MaterialPtr() : material;
}

void removeMaterial(const std::string& name, const std::string& group)
{
    if (findMaterial(name, group))
        Ogre::MaterialManager::getSingleton().remove(name, group);
}

Ogre::MaterialPtr cloneTemplate(const std::string& templateName, const std::string& name, const std::string& group,
                                const std::string& user)
{
    const Ogre::MaterialPtr original = findMaterial(templateName);
    if (!original) {
        logLineOnce("[ERROR] template material not found: " + templateName + ", asked for by " + user);
        return Ogre::MaterialPtr();
    }
    return original->clone(name, !group.empty(), group);
}

Ogre::Technique* techniqueAt(const Ogre::MaterialPtr& material, unsigned short technique)
{
    return material && technique < material->getNumTechniques() ? material->getTechnique(technique) : nullptr;
}

Ogre::Pass* passAt(Ogre::Technique* technique, unsigned short pass)
{
    return technique && pass < technique->getNumPasses() ? technique->getPass(pass) : nullptr;
}

Ogre::Pass* passAt(const Ogre::MaterialPtr& material, unsigned short technique, unsigned short pass)
{
    return passAt(techniqueAt(material, technique), pass);
}

Ogre::TextureUnitState* unitAt(Ogre::Pass* pass, unsigned short unit)
{
    return pass && unit < pass->getNumTextureUnitStates() ? pass->getTextureUnitState(unit) : nullptr;
}

Ogre::TextureUnitState* unitAt(const Ogre::MaterialPtr& material, unsigned short technique, unsigned short pass,
                               unsigned short unit)
{
    return unitAt(passAt(material, technique, pass), unit);
}
