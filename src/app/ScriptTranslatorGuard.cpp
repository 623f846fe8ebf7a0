#include "app/ScriptTranslatorGuard.h"

#include "app/ProgramlessPasses.h"

#include <OgreException.h>
#include <OgreScriptCompiler.h>
#include <OgreScriptTranslator.h>

#include <map>
#include <memory>

namespace {

// Builds one object with the translator Ogre chose for it.
class GuardedTranslator : public Ogre::ScriptTranslator {
public:
    explicit GuardedTranslator(Ogre::ScriptTranslator& translator) : inner(translator) {}
    void translate(Ogre::ScriptCompiler* compiler, const Ogre::AbstractNodePtr& node) override
    {
        try {
            inner.translate(compiler, node);
            if (const auto* object = dynamic_cast<const Ogre::ObjectAbstractNode*>(node.get()))
                checkProgramsOfObject(*object);
        } catch (const Ogre::Exception& e) {
            compiler->addError(Ogre::ScriptCompiler::CE_INVALIDPARAMETERS, node->file,
                               static_cast<int>(node->line), e.getDescription());
        }
    }

private:
    Ogre::ScriptTranslator& inner;
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
    std::map<Ogre::ScriptTranslator*, std::unique_ptr<GuardedTranslator>> guards;
};

} // namespace

void installScriptTranslatorGuard()
{
    static GuardedTranslators guard;
    // The manager added last is asked first.
    Ogre::ScriptCompilerManager& compilers = Ogre::ScriptCompilerManager::getSingleton();
    compilers.removeTranslatorManager(&guard);
    compilers.addTranslatorManager(&guard);
}
