// Names the game shows, its title on the start menu and its levels' names,
// held to a length a screen can draw: a text area builds geometry for every
// character of its caption, and a title of millions of them took seconds a
// frame, so the menu never answered.
#pragma once

#include <cstddef>
#include <string>

// The most characters (code points) a shown name keeps.
constexpr std::size_t maxShownNameLength = 256;

// The name, cut after maxShownNameLength code points, never inside one. A
// longer name is reported in one "[ERROR] " line naming the file being read
// and `attribute`.
std::string shownName(const std::string& name, const std::string& attribute);
