// A picture definition entered in one of the Game's picture libraries for the
// length of a test, and a Level set as the Game's current level.
#pragma once

#include "core/Game.h"
#include "data/pictureDefinition.h"
#include "play/Level.h"

#include <map>
#include <string>

class LibraryEntry {
public:
    LibraryEntry(std::map<std::string, pictureDefinition*>& library, const std::string& name, float across,
                 float down)
        : entries(library), key(name)
    {
        definition = new pictureDefinition;
        definition->lineColumn = Ogre::Vector2(across, down);
        entries[key] = definition;
    }
    ~LibraryEntry()
    {
        entries.erase(key);
        delete definition;
    }
    LibraryEntry(const LibraryEntry&) = delete;
    LibraryEntry& operator=(const LibraryEntry&) = delete;

    pictureDefinition* operator->() { return definition; }

private:
    std::map<std::string, pictureDefinition*>& entries;
    std::string key;
    pictureDefinition* definition;
};

class CurrentLevel {
public:
    CurrentLevel() { Game::getSingletonPtr()->level = &level; }
    ~CurrentLevel() { Game::getSingletonPtr()->level = nullptr; }
    CurrentLevel(const CurrentLevel&) = delete;
    CurrentLevel& operator=(const CurrentLevel&) = delete;

    Level level;
};
