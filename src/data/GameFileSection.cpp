#include "data/GameFileSection.h"

#include "app/Log.h"
#include "core/Game.h"

void readGameFileSection(Game& game, const XmlNode& root, const GameFileSection& section)
{
    const XmlNode* element = root.first_node(section.element);
    if (!element && section.isRequired)
        logLine(std::string("[ERROR] game file without ") + section.element);
    for (const SettingRow& row : section.rows)
        row.applyAbsent();
    if (element)
        for (const SettingRow& row : section.rows)
            row.read(*element);
    if (section.afterRules)
        section.afterRules(game, element);
    for (std::string* font : section.languageFonts)
        *font = game.getTextForLanguage(*font);
}
