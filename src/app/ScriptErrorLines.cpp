#include "app/ScriptErrorLines.h"

#include "app/Log.h"

#include <OgreLog.h>
#include <OgreLogManager.h>
#include <OgreResourceGroupManager.h>

#include <string>

namespace {

// Ogre's own prefix of the errors it logs.
const std::string ogreErrorPrefix = "Error: ";

// The "[ERROR] " line for Ogre's error message about the script.
std::string lineFor(const std::string& script, const std::string& message)
{
    const bool isOgreError = message.compare(0, ogreErrorPrefix.size(), ogreErrorPrefix) == 0;
    return "[ERROR] script " + script + " not fully read: "
           + (isOgreError ? message.substr(ogreErrorPrefix.size()) : message);
}

Ogre::Log* defaultLog()
{
    Ogre::LogManager* logs = Ogre::LogManager::getSingletonPtr();
    return logs ? logs->getDefaultLog() : nullptr;
}

} // namespace

class ScriptErrorLines::Listener : public Ogre::ResourceGroupListener, public Ogre::LogListener {
public:
    void scriptParseStarted(const Ogre::String& scriptName, bool&) override
    {
        script = scriptName;
        firstError.clear();
    }
    void scriptParseEnded(const Ogre::String&, bool) override
    {
        // Logged once the parse is over, not from inside Ogre's own log call.
        if (!firstError.empty())
            logLine(lineFor(script, firstError));
        script.clear();
        firstError.clear();
    }
    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool, const Ogre::String&,
                       bool&) override
    {
        if (!script.empty() && firstError.empty() && level == Ogre::LML_CRITICAL)
            firstError = message;
    }

private:
    std::string script;
    std::string firstError;
};

ScriptErrorLines::ScriptErrorLines() : listener(std::make_unique<Listener>())
{
    Ogre::ResourceGroupManager::getSingleton().addResourceGroupListener(listener.get());
    if (Ogre::Log* log = defaultLog())
        log->addListener(listener.get());
}

ScriptErrorLines::~ScriptErrorLines()
{
    Ogre::ResourceGroupManager::getSingleton().removeResourceGroupListener(listener.get());
    if (Ogre::Log* log = defaultLog())
        log->removeListener(listener.get());
}

void logScriptFault(const std::string& fault)
{
    Ogre::LogManager::getSingleton().logMessage(fault, Ogre::LML_CRITICAL);
}
