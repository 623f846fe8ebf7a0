// Two quick looks into the game's level files that build nothing: the font
// sources play can need, loaded before play starts, and whether any level
// switches shadows on, which the start menu asks before it offers the
// shadow setting. Both read the included levels of the level list in order,
// from "GAMERSC" only.
#pragma once

#include <map>
#include <string>

class Game;
class LevelFile;

// Font source names, each with a true flag.
using fontSourceSet = std::map<std::string, bool>;

// The source file of the font of that name in "GAMERSC" without its last four
// characters (the extension), the whole source when it is shorter; empty when
// there is no such font.
std::string getFontSource(std::string fontName);

// "ArialBlkOutline18", "verdana", the sources of the Game's eight menu and HUD
// fonts, and the sources of the fonts of the levels' text-only trigger
// overlays. A level file that is missing or does not parse ends the search;
// what was gathered before it is returned. The level file `read` already
// holds is not read again.
fontSourceSet collectLevelFonts(Game& game, const LevelFile* read = nullptr);

// True when a level's "Sun" casts shadows. A missing level file, or one that
// does not parse, ends the search with false.
bool readLevelShadows(Game& game);
