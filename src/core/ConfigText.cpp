#include "core/ConfigText.h"

#include "core/Game.h"
#include "core/SettingValues.h"
#include "core/SettingsTable.h"

#include <cstring>
#include <sstream>

namespace {

void writeLine(std::ostringstream& out, const SettingKey& key, const std::string& value)
{
    switch (key.form) {
    case LineForm::plain:
        out << key.name << " = " << value << " \n";
        break;
    case LineForm::wide:
        out << key.name << "  = " << value << " \n";
        break;
    case LineForm::indented:
        out << ' ' << key.name << " = " << value << " \n";
        break;
    case LineForm::bare:
        out << key.name << " = " << value << '\n';
        break;
    }
}

void writeTutorialsSeen(std::ostringstream& out, const Game& game)
{
    for (const auto& [name, seen] : game.tutorialsSeen)
        out << name << " = " << settingText(seen) << " \n";
}

} // namespace

std::string libraryText(int library)
{
    if (library == 1)
        return "D3D11";
    if (library == 2)
        return "OGL";
    return "D3D9";
}

std::string configFileText(const Game& game, int posX, int posY)
{
    const WindowPosition position{posX, posY};
    std::ostringstream out;
    for (const SettingSection& section : settingSections()) {
        out << '[' << section.name << "] \n";
        if (section.comment)
            out << section.comment << '\n';
        for (const SettingKey& key : section.keys)
            writeLine(out, key, key.write(game, position));
        if (std::strcmp(section.name, tutorialsSection) == 0)
            writeTutorialsSeen(out, game);
        out << '\n';
    }
    return out.str();
}
