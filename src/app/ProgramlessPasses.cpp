#include "app/ProgramlessPasses.h"

#include "app/Log.h"
#include "platform/ShaderGeneration.h"

#include <OgreGpuProgramManager.h>
#include <OgreHighLevelGpuProgramManager.h>
#include <OgreMaterial.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreTechnique.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

// Materials with a pass made plain, until their whole script object is built.
std::set<Ogre::Material*> plainMaterials;

// The object the translator built from the node; null when it built none.
template <typename Object>
Object* builtObject(const Ogre::ObjectAbstractNode& node)
{
    Object* const* object = node.context.has_value() ? Ogre::any_cast<Object*>(&node.context) : nullptr;
    return object ? *object : nullptr;
}

// The program the pass's script names but the pass lacks; empty when none.
std::string missingProgram(const Ogre::ObjectAbstractNode& passNode, const Ogre::Pass& pass)
{
    for (const Ogre::AbstractNodePtr& child : passNode.children) {
        const auto* reference = dynamic_cast<const Ogre::ObjectAbstractNode*>(child.get());
        if (!reference)
            continue;
        if ((reference->cls == "vertex_program_ref" && !pass.hasVertexProgram())
            || (reference->cls == "fragment_program_ref" && !pass.hasFragmentProgram()))
            return reference->name;
    }
    return {};
}

// ", zarnith.program defines no program" for the program scripts of the
// group that define none (empty, or unreadable from their start): where a
// missing program most likely belonged. Empty when every one defines some.
std::string emptyProgramScripts(const std::string& group)
{
    std::set<std::string> origins;
    const std::initializer_list<Ogre::ResourceManager*> managers = {
        Ogre::GpuProgramManager::getSingletonPtr(), Ogre::HighLevelGpuProgramManager::getSingletonPtr()};
    for (Ogre::ResourceManager* programs : managers)
        if (programs)
            for (const auto& entry : programs->getResourceIterator())
                origins.insert(entry.second->getOrigin());
    const Ogre::StringVectorPtr scripts =
        Ogre::ResourceGroupManager::getSingleton().findResourceNames(group, "*.program");
    std::sort(scripts->begin(), scripts->end());
    std::string names;
    for (const std::string& script : *scripts)
        if (!origins.count(script))
            names += ", " + script + " defines no program";
    return names;
}

void checkPass(const Ogre::ObjectAbstractNode& passNode)
{
    Ogre::Pass* pass = builtObject<Ogre::Pass>(passNode);
    if (!pass)
        return;
    const std::string program = missingProgram(passNode, *pass);
    if (program.empty())
        return;
    pass->setVertexProgram("");
    pass->setFragmentProgram("");
    Ogre::Material* material = pass->getParent()->getParent();
    if (plainMaterials.insert(material).second)
        logLine("[ERROR] material " + material->getName() + " (" + passNode.file
                + ") drawn plain, its programs are missing: " + program + emptyProgramScripts(material->getGroup()));
}

} // namespace

void checkProgramsOfObject(const Ogre::ObjectAbstractNode& node)
{
    if (node.cls == "pass")
        checkPass(node);
    Ogre::Material* material = node.cls == "material" ? builtObject<Ogre::Material>(node) : nullptr;
    if (material && plainMaterials.erase(material))
        platform::drawWithoutPrograms(*material);
}
