// The names of a menu screen's entries, in order, for comparing layouts.
#pragma once

#include "core/Game.h"

#include <string>
#include <vector>

inline std::vector<std::string> entryNames(const Game& game, const std::string& screen)
{
    std::vector<std::string> names;
    for (const menuEntryDefinition& entry : game.menuScreens.at(screen).entries)
        names.push_back(entry.name);
    return names;
}
