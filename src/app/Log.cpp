#include "app/Log.h"

#include "core/Game.h"

#include <OgreLogManager.h>

namespace {

void logAt(const std::string& text, Ogre::LogMessageLevel level)
{
    // Before the root exists (or in tests without one) there is no log to write to.
    if (Ogre::LogManager* manager = Ogre::LogManager::getSingletonPtr())
        manager->logMessage(text, level, false);
}

} // namespace

void logLine(const std::string& text) { logAt(text, Ogre::LML_CRITICAL); }

void logLineOnce(const std::string& text)
{
    Game* game = Game::getSingletonPtr();
    if (!game || game->reportedLines.insert(text).second)
        logLine(text);
}

std::string namedBy(const std::string& object, const std::string& file)
{
    if (file.empty())
        return object.empty() ? std::string() : ", named by " + object;
    return ", named by " + (object.empty() ? file : object + " of " + file);
}

void logNormal(const std::string& text) { logAt(text, Ogre::LML_NORMAL); }
