// Every key of config.ini in one table, section by section in the order the
// file is written: its line form, how start-up takes it back, the game's
// default (the value of the template "data/config.ini_"), and where its value
// lives. The reader, the writer and the Game's defaults all go by it.
#pragma once

#include "core/SettingValues.h"

#include <string>
#include <vector>

class Game;

// The window position, which SDL keeps rather than the Game.
struct WindowPosition {
    int x = 0;
    int y = 0;
};

enum class LineForm {
    plain,    // "key = value \n"
    wide,     // "key  = value \n"
    indented, // " key = value \n"
    bare,     // "key = value\n"
};

enum class KeyUse {
    always,          // absent or unreadable: the game's default
    ifPresent,       // absent or unreadable: the value stays as it is
    window,          // taken only by the window set-up, which fits it to the desktop
    startsAtDefault, // written, but every start begins with the default
    writtenOnly,     // written for the editor; not taken back by the key reader
};

struct SettingKey {
    const char* name;
    LineForm form;
    KeyUse use;
    const char* defaultText;
    std::string (*write)(const Game& game, const WindowPosition& position);
    // Takes the value unless the text holds none of the key's kind or one out
    // of its range; null for keys written only.
    SettingRead (*read)(Game& game, WindowPosition& position, const std::string& text);
};

struct SettingSection {
    const char* name;
    const char* comment; // a line written under the section's name, or null
    std::vector<SettingKey> keys;
};

const std::vector<SettingSection>& settingSections();

// The section that also lists every tutorial seen, after its keys.
extern const char* const tutorialsSection;
