// Collects the lines written to Ogre's default log while it lives. A capture
// starts a run's record of lines logged once afresh, so that a test sees
// them whatever ran before it.
#pragma once

#include "core/Game.h"

#include <OgreLog.h>
#include <OgreLogManager.h>

#include <algorithm>
#include <string>
#include <vector>

class LogCapture : public Ogre::LogListener {
public:
    LogCapture()
    {
        if (!Ogre::LogManager::getSingletonPtr())
            (new Ogre::LogManager)->createLog("zarnith_tests.log", true, false, true);
        Ogre::LogManager::getSingleton().getDefaultLog()->addListener(this);
        if (Game* game = Game::getSingletonPtr())
            game->reportedLines.clear();
    }
    ~LogCapture() override { Ogre::LogManager::getSingleton().getDefaultLog()->removeListener(this); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool, const Ogre::String&,
                       bool&) override
    {
        lines.push_back(message);
        levels.push_back(level);
    }
    bool contains(const std::string& line) const
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool containsPrefix(const std::string& prefix) const
    {
        return std::any_of(lines.begin(), lines.end(),
                           [&prefix](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    }

    std::vector<std::string> lines;
    std::vector<Ogre::LogMessageLevel> levels;
};
