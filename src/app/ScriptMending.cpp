#include "app/ScriptMending.h"

#include <OgreStringConverter.h>

#include <cstdint>
#include <string>

namespace {

// The deepest an overlay may be drawn; its depth is stored modulo 2^16.
const std::uint32_t deepestOverlay = 650;

bool isOverlayClass(const std::string& cls)
{
    return cls == "overlay" || cls == "overlay_element" || cls == "element" || cls == "container";
}

void addError(Ogre::ScriptCompiler* compiler, const Ogre::AbstractNode& node, const std::string& message)
{
    compiler->addError(Ogre::ScriptCompiler::CE_INVALIDPARAMETERS, node.file, static_cast<int>(node.line), message);
}

void holdDepth(Ogre::ScriptCompiler* compiler, const Ogre::PropertyAbstractNode& property)
{
    auto* depth = dynamic_cast<Ogre::AtomAbstractNode*>(property.values.front().get());
    std::uint32_t value = 0;
    if (!depth || !Ogre::StringConverter::parse(depth->value, value)
        || static_cast<std::uint16_t>(value) <= deepestOverlay)
        return;
    addError(compiler, property,
             "zorder " + depth->value + " above " + std::to_string(deepestOverlay) + ", drawn there");
    depth->value = std::to_string(deepestOverlay);
}

// A property's values as the particle translator hands them to the system:
// one text, the atoms apart by a space.
std::string joinedValues(const Ogre::PropertyAbstractNode& property)
{
    std::string text;
    for (const Ogre::AbstractNodePtr& value : property.values)
        if (const auto* atom = dynamic_cast<const Ogre::AtomAbstractNode*>(value.get()))
            text += text.empty() ? atom->value : " " + atom->value;
    return text;
}

// A particle's default size below 0 is left out: the system keeps its own.
void leaveOutNegativeSizes(Ogre::ScriptCompiler* compiler, Ogre::ObjectAbstractNode& system)
{
    for (auto child = system.children.begin(); child != system.children.end();) {
        const auto* property = dynamic_cast<const Ogre::PropertyAbstractNode*>(child->get());
        const bool isSize = property && (property->name == "particle_width" || property->name == "particle_height");
        const std::string size = isSize ? joinedValues(*property) : std::string();
        if (isSize && Ogre::StringConverter::parseReal(size) < 0) {
            addError(compiler, *property, property->name + " " + size + " below 0, left out");
            child = system.children.erase(child);
            continue;
        }
        ++child;
    }
}

// The overlay translators build every object inside theirs themselves, as an
// element whatever its class.
void mendWithInnerObjects(Ogre::ScriptCompiler* compiler, Ogre::ObjectAbstractNode& object)
{
    for (auto child = object.children.begin(); child != object.children.end();) {
        const auto* property = dynamic_cast<const Ogre::PropertyAbstractNode*>(child->get());
        if (property && property->values.empty()) {
            addError(compiler, *property, property->name + " without a value, left out");
            child = object.children.erase(child);
            continue;
        }
        if (property && object.cls == "overlay" && property->name == "zorder")
            holdDepth(compiler, *property);
        if (auto* inner = dynamic_cast<Ogre::ObjectAbstractNode*>(child->get()))
            mendWithInnerObjects(compiler, *inner);
        ++child;
    }
}

} // namespace

void mendScriptObject(Ogre::ScriptCompiler* compiler, Ogre::ObjectAbstractNode& object)
{
    if (isOverlayClass(object.cls))
        mendWithInnerObjects(compiler, object);
    if (object.cls == "particle_system")
        leaveOutNegativeSizes(compiler, object);
}
