#include "app/ScriptTranslatorGuard.h"

#include "app/ProgramlessPasses.h"
#include "app/ScriptErrorLines.h"
#include "app/ScriptMending.h"
#include "app/ScriptPairing.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreMaterial.h>
#include <OgreResourceGroupManager.h>
#include <OgreScriptCompiler.h>
#include <OgreScriptLoader.h>
#include <OgreScriptTranslator.h>
#include <OgreTechnique.h>

#include <exception>
#include <map>
#include <memory>

namespace {

// A technique whose shadow caster or receiver is its own material would hold
// that material for ever; the link is dropped, as an error at the material.
void dropShadowLoops(Ogre::ScriptCompiler* compiler, const Ogre::ObjectAbstractNode& node)
{
    Ogre::Material* const* material =
        node.cls == "material" && node.context.has_value() ? Ogre::any_cast<Ogre::Material*>(&node.context) : nullptr;
    if (!material || !*material)
        return;
    for (Ogre::Technique* technique : (*material)->getTechniques()) {
        const bool castsItself = technique->getShadowCasterMaterial().get() == *material;
        const bool receivesItself = technique->getShadowReceiverMaterial().get() == *material;
        if (castsItself)
            technique->setShadowCasterMaterial(Ogre::MaterialPtr());
        if (receivesItself)
            technique->setShadowReceiverMaterial(Ogre::MaterialPtr());
        if (castsItself || receivesItself)
            compiler->addError(Ogre::ScriptCompiler::CE_INVALIDPARAMETERS, node.file, static_cast<int>(node.line),
                               "a material that is its own shadow material");
    }
}

// Builds one object with the translator Ogre chose for it.
class GuardedTranslator : public Ogre::ScriptTranslator {
public:
    explicit GuardedTranslator(Ogre::ScriptTranslator& translator) : inner(translator) {}
    void translate(Ogre::ScriptCompiler* compiler, const Ogre::AbstractNodePtr& node) override
    {
        try {
            auto* object = dynamic_cast<Ogre::ObjectAbstractNode*>(node.get());
            if (object)
                mendScriptObject(compiler, *object);
            inner.translate(compiler, node);
            if (object) {
                checkProgramsOfObject(*object);
                dropShadowLoops(compiler, *object);
            }
        } catch (const Ogre::Exception& e) {
            compiler->addError(Ogre::ScriptCompiler::CE_INVALIDPARAMETERS, node->file,
                               static_cast<int>(node->line), e.getDescription());
        } catch (const std::exception& e) {
            // A translator that finds its object inside one it does not
            // expect (an overlay element in a material) fails to cast it.
            compiler->addError(Ogre::ScriptCompiler::CE_INVALIDPARAMETERS, node->file,
                               static_cast<int>(node->line), e.what());
        }
    }

private:
    Ogre::ScriptTranslator& inner;
};

// Whether the object stands inside one of its own kind (a material inside a
// material). Ogre's translators keep the object they build in themselves:
// the inner one would take the outer one's place, and the outer one would be
// finished on nothing. Overlay elements nest by design.
bool isInsideItsOwnKind(const Ogre::AbstractNode& node)
{
    const auto* object = dynamic_cast<const Ogre::ObjectAbstractNode*>(&node);
    if (!object || object->cls == "overlay_element" || object->cls == "container" || object->cls == "element")
        return false;
    for (const Ogre::AbstractNode* outer = node.parent; outer; outer = outer->parent) {
        const auto* outerObject = dynamic_cast<const Ogre::ObjectAbstractNode*>(outer);
        if (outerObject && outerObject->cls == object->cls)
            return true;
    }
    return false;
}

// Emitters and affectors are built into the particle system around them;
// one standing alone would be built into nothing.
bool isOutsideItsSystem(const Ogre::AbstractNode& node)
{
    const auto* object = dynamic_cast<const Ogre::ObjectAbstractNode*>(&node);
    return object && !node.parent && (object->cls == "emitter" || object->cls == "affector");
}

// Leaves such an object unread, as a compile error at its line.
class RefusedTranslator : public Ogre::ScriptTranslator {
public:
    explicit RefusedTranslator(const char* why) : reason(why) {}
    void translate(Ogre::ScriptCompiler* compiler, const Ogre::AbstractNodePtr& node) override
    {
        compiler->addError(Ogre::ScriptCompiler::CE_UNEXPECTEDTOKEN, node->file, static_cast<int>(node->line), reason);
    }

private:
    const char* reason;
};

// Asked first for every object, it asks the other translator managers and
// hands back their translator behind a guard. Nested objects are asked for
// the same way, so an error names the innermost object's line.
class GuardedTranslators : public Ogre::ScriptTranslatorManager {
public:
    Ogre::ScriptTranslator* getTranslator(const Ogre::AbstractNodePtr& node) override
    {
        if (isAsking)
            return nullptr;
        if (isInsideItsOwnKind(*node))
            return &nested;
        if (isOutsideItsSystem(*node))
            return &alone;
        isAsking = true;
        Ogre::ScriptTranslator* translator = Ogre::ScriptCompilerManager::getSingleton().getTranslator(node);
        isAsking = false;
        if (!translator)
            return nullptr;
        std::unique_ptr<GuardedTranslator>& guarded = guards[translator];
        if (!guarded)
            guarded = std::make_unique<GuardedTranslator>(*translator);
        return guarded.get();
    }

private:
    bool isAsking = false;
    RefusedTranslator nested{"inside an object of its own kind, not read"};
    RefusedTranslator alone{"outside a particle system, not read"};
    std::map<Ogre::ScriptTranslator*, std::unique_ptr<GuardedTranslator>> guards;
};

// Parses each script through Ogre's script compiler in its place, only as far
// as its braces and quotes pair up. The parser throws at the first token it
// cannot place (a "set" without a variable, an object without a name): that
// ends this script only. Either is logged as Ogre logs its errors, so that
// the script is named with it.
class GuardedScriptLoader : public Ogre::ScriptLoader {
public:
    const Ogre::StringVector& getScriptPatterns() const override { return compilers().getScriptPatterns(); }
    Ogre::Real getLoadingOrder() const override { return compilers().getLoadingOrder(); }
    void parseScript(Ogre::DataStreamPtr& stream, const Ogre::String& groupName) override
    {
        PairedScript script = pairedScript(stream->getAsString());
        if (!script.fault.empty())
            logScriptFault("braces and quotes do not pair up, read up to " + script.fault);
        Ogre::DataStreamPtr paired = std::make_shared<Ogre::MemoryDataStream>(
            stream->getName(), &script.text[0], script.text.size(), false, true);
        try {
            compilers().parseScript(paired, groupName);
        } catch (const Ogre::Exception& e) {
            logScriptFault(e.getDescription());
        } catch (const std::exception& e) {
            logScriptFault(e.what());
        }
    }

private:
    static Ogre::ScriptCompilerManager& compilers() { return Ogre::ScriptCompilerManager::getSingleton(); }
};

} // namespace

void installScriptTranslatorGuard()
{
    static GuardedTranslators guard;
    // The manager added last is asked first.
    Ogre::ScriptCompilerManager& compilers = Ogre::ScriptCompilerManager::getSingleton();
    compilers.removeTranslatorManager(&guard);
    compilers.addTranslatorManager(&guard);
    static GuardedScriptLoader loader;
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    groups._unregisterScriptLoader(&compilers);
    groups._unregisterScriptLoader(&loader);
    groups._registerScriptLoader(&loader);
}
