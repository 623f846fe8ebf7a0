#include "app/ProgramlessPasses.h"

#include "app/Log.h"
#include "platform/ShaderGeneration.h"

#include <OgreMaterial.h>
#include <OgrePass.h>
#include <OgreTechnique.h>

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
                + ") drawn plain, its programs are missing: " + program);
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
