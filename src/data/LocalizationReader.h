// Reads the game's texts: the language file ("<language>.localization":
// font substitutions and the game's strings with their levels) and the tag
// tables, plain key-to-text tables of one language
// ("<language>_localization.xml", "<language>_tutsLocalization.xml").
#pragma once

#include <map>
#include <string>

class Game;
struct textEntry;

// Reads the language file of "GAMERSC" into the table (emptied first) and
// its font substitutions into the Game's table of that language. A language
// without its file becomes "default", in the Game and in `language`; a file
// that fails to parse or holds no element is named in one "[ERROR] " line and
// leaves the table as it was.
void readLocalization(Game& game, std::string& language, std::map<std::string, textEntry>& table);

// Adds every "Tag" of the file to the table ("basis" is the key, the element's
// text the value; a repeated key keeps the last text). A file in neither
// "Media" nor "GAMERSC" changes nothing; one that cannot be used is named.
void readLocalizationTags(const std::string& fileName, std::map<std::string, std::string>& table);
