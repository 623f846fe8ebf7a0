// Reads the game's tag tables: plain key-to-text tables of one language
// ("<language>_localization.xml", "<language>_tutsLocalization.xml").
#pragma once

#include <map>
#include <string>

// Adds every "Tag" of the file to the table ("basis" is the key, the element's
// text the value; a repeated key keeps the last text). A file in neither
// "Media" nor "GAMERSC" changes nothing.
void readLocalizationTags(const std::string& fileName, std::map<std::string, std::string>& table);
