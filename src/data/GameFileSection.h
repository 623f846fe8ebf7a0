// The setting sections of the game file ("GAME", "GAMEPLAY", ... "GAMEHUD"):
// each one a table of rows bound to the Game's settings, the fonts the
// current language may replace, and the rules that follow its read.
#pragma once

#include "data/GameSettingRow.h"

#include <vector>

class Game;

// Short words for the tables' "must the section carry it" column.
namespace sectionTable {
constexpr Need required = Need::required;
constexpr Need optional = Need::optional;
} // namespace sectionTable

// The pictures of a gauge or life bar that names none of its own.
inline constexpr const char* plainBarBack = "enemyBar_back.png";
inline constexpr const char* plainBarFront = "enemyBar_front.png";

struct GameFileSection {
    const char* element;
    std::vector<SettingRow> rows;
    // Font names replaced, after the section, by the current language's own.
    std::vector<std::string*> languageFonts = {};
    // Fallbacks and clamps applied once the rows are read; `section` is null
    // when the file lacks it.
    void (*afterRules)(Game& game, const XmlNode* section) = nullptr;
    // The file must carry the section: its absence is reported.
    bool isRequired = false;
};

// The sections in the order they are read: the game rules (VERSION to
// MEDALS), the presentation (GAUGE to GFX), the menus and HUD (STARTMENU to
// GAMEHUD).
std::vector<GameFileSection> gameRulesSections(Game& game);
std::vector<GameFileSection> gamePresentationSections(Game& game);
std::vector<GameFileSection> gameMenuSections(Game& game);

// Reads the first element of the section's name under `root`: every setting
// first takes its absent value, then the attributes present overwrite it, the
// after-rules run and the language fonts are replaced.
void readGameFileSection(Game& game, const XmlNode& root, const GameFileSection& section);
