// The start menu's screens as the menu layout file lists them: for each
// screen its sound and its entries in display order. The start menu builds
// its selectable entries from these records.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Values of menuEntryDefinition::type: what an entry does when chosen. The
// layout names them "MENUDEACTIVATED", "MENUBACKSCREEN", "CHOICE",
// "LEFTRIGHTCHOICE", "SPINNERCHOICE", "KEYCODE", "HUDBUTTON" and
// "STARTWEBPAGE"; 7 to 9 have no name, and a type it does not name is 0.
enum menuButtonType : std::int32_t {
    menuDeactivated = 0, // opens the screen its fonctionName names
    menuBackScreen = 1,
    menuChoice = 2,
    menuLeftRightChoice = 3,
    menuSpinnerChoice = 4,
    menuKeyCode = 5,
    menuHudButton = 6,
    menuStartWebPage = 10,
};

// One entry of a screen.
struct menuEntryDefinition {
    // The identifier by which the start menu recognises special entries.
    std::string name;
    std::string text;
    std::int32_t type = menuDeactivated;
    // The action's argument: a screen to open, a setting, a web address.
    std::string fonctionName;
    std::int32_t maxValue = 100;
    std::int32_t step = 1;
    // Empty when read; the start menu puts the entry's choice texts here.
    std::vector<std::string> choices;
};

struct menuScreenDefinition {
    std::string name;
    std::string screenSound;
    std::vector<menuEntryDefinition> entries;
};

// Screen name to screen, in name order.
using menuScreenMap = std::map<std::string, menuScreenDefinition>;
