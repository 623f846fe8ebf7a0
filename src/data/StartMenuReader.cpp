#include "data/StartMenuReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "data/LayoutFile.h"
#include "data/SectionAttributes.h"

#include <algorithm>
#include <iterator>

namespace {

const std::map<std::string, menuButtonType> typeNames = {
    {"MENUDEACTIVATED", menuDeactivated}, {"MENUBACKSCREEN", menuBackScreen},
    {"CHOICE", menuChoice},               {"LEFTRIGHTCHOICE", menuLeftRightChoice},
    {"SPINNERCHOICE", menuSpinnerChoice}, {"KEYCODE", menuKeyCode},
    {"HUDBUTTON", menuHudButton},         {"STARTWEBPAGE", menuStartWebPage},
};

// The full text, case and all, or 0.
std::int32_t typeOf(const std::string& text)
{
    const auto found = typeNames.find(text);
    return found == typeNames.end() ? menuDeactivated : found->second;
}

menuEntryDefinition readEntry(const XmlNode& button, const std::string& name)
{
    const SectionAttributes attributes(&button);
    menuEntryDefinition entry;
    entry.name = name;
    entry.text = attributes.reported("text", std::string());
    if (entry.text == "FullScreen")
        entry.text = "Screen mode";
    entry.type = typeOf(attributes.reported("type", std::string()));
    entry.fonctionName = attributes.reported("fonctionName", std::string());
    entry.maxValue = attributes.optional("maxValue", 100);
    entry.step = attributes.optional("step", 1);
    return entry;
}

menuScreenDefinition readScreen(const XmlNode& element)
{
    const SectionAttributes attributes(&element);
    menuScreenDefinition screen;
    screen.name = attributes.reported("name", std::string());
    screen.screenSound = attributes.optional("screenSound", std::string());
    for (const XmlNode* button : childElements(element, "BUTTON")) {
        const std::string name = SectionAttributes(button).reported("name", std::string());
        // Antialiasing is set by the renderer, never from the menu.
        if (name != "ANTIALIASING")
            screen.entries.push_back(readEntry(*button, name));
    }
    return screen;
}

// The last entry of the name; end when there is none.
std::vector<menuEntryDefinition>::iterator lastNamed(std::vector<menuEntryDefinition>& entries,
                                                     const std::string& name)
{
    const auto found = std::find_if(entries.rbegin(), entries.rend(),
                                    [&name](const menuEntryDefinition& entry) { return entry.name == name; });
    return found == entries.rend() ? entries.end() : std::prev(found.base());
}

// The screen mode is chosen before the resolution it offers.
void placeScreenModeFirst(menuScreenMap& screens)
{
    const auto screen = screens.find("GFXMENU");
    if (screen == screens.end())
        return;
    std::vector<menuEntryDefinition>& entries = screen->second.entries;
    const auto resolution = lastNamed(entries, "RESOLUTION");
    const auto fullScreen = lastNamed(entries, "FULLSCREEN");
    if (resolution != entries.end() && fullScreen != entries.end() && resolution < fullScreen)
        std::iter_swap(resolution, fullScreen);
}

menuEntryDefinition extraButton(int number)
{
    const std::string name = "BUTTON" + std::to_string(number);
    return menuEntryDefinition{name, "Button " + std::to_string(number) + ": ", menuKeyCode, name, 0, 0, {}};
}

// Layouts made for four fire buttons get buttons 5 to 8 after the fourth
// entry, or at the end of a screen that has fewer.
void addButtonsFiveToEight(menuScreenMap& screens, const std::string& screenName, std::size_t fullCount)
{
    const auto screen = screens.find(screenName);
    if (screen == screens.end() || screen->second.entries.size() >= fullCount)
        return;
    std::vector<menuEntryDefinition>& entries = screen->second.entries;
    const std::vector<menuEntryDefinition> added = {extraButton(5), extraButton(6), extraButton(7), extraButton(8)};
    const std::size_t at = std::min<std::size_t>(4, entries.size());
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

void readScreens(const XmlNode& root, menuScreenMap& screens)
{
    for (const XmlNode* element : childElements(root, "MENUSCREEN")) {
        menuScreenDefinition screen = readScreen(*element);
        const std::string name = screen.name;
        screens[name] = std::move(screen);
    }
    placeScreenModeFirst(screens);
    addButtonsFiveToEight(screens, "CONTROLSMENU", 10);
    addButtonsFiveToEight(screens, "CONTROLSKEYBOARDMENU", 13);
}

// An entry that opens a screen the layout lacks is named once, here: the
// menu leaves it without effect. So is a screen without entries, where the
// menu has nothing to choose.
void reportUnusableScreens(const menuScreenMap& screens, const std::string& fileName)
{
    for (const auto& [name, screen] : screens) {
        if (screen.entries.empty())
            logLine("[ERROR] " + fileName + ": MENUSCREEN " + name + " has no BUTTON");
        for (const menuEntryDefinition& entry : screen.entries)
            if (entry.type == menuDeactivated && screens.count(entry.fonctionName) == 0)
                logLine("[ERROR] " + fileName + ": BUTTON " + entry.name + " of " + name +
                        " opens a missing screen: " + entry.fonctionName);
    }
}

} // namespace

void readStartMenu(Game& game, const std::string& fileName)
{
    menuScreenMap screens;
    if (!readLayoutFile(fileName, [&screens](XmlNode& root) { readScreens(root, screens); }))
        return;
    reportUnusableScreens(screens, fileName);
    game.menuScreens = std::move(screens);
    logLine("start menu read");
}
