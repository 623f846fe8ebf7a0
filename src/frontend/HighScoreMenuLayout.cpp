// Where the high-score screen's entries go: the name panel's title, help
// line, confirm mark, letters and arrows, and the table's title, column
// heads and rows over the table panel. Positions are in overlay scroll
// units (twice the panels' relative units), from the screen's centre.
#include "frontend/HighScoreMenu.h"

#include "app/TextUtils.h"
#include "core/Game.h"
#include "frontend/HighScoreName.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

#include <algorithm>
#include <array>

namespace {

constexpr float scrollPerRelative = 2.0f;
// The name panel's lines, as shares of the screen scale.
constexpr float nameTitleY = -0.3f;
constexpr float helpY = 0.31f;
constexpr float okY = 0.2f;
// The six letters share the name panel's width in this many places; the
// left and right arrows stand halfway to the next letters.
constexpr float letterPlaces = 7.0f;
constexpr float arrowGapPerSpacing = 0.5f;
// The up and down arrows' distance from the letter, per point of its font
// size: clear of the selected (grown) letter; the arrow below stands closer,
// clear of the confirm mark under it grown to confirm.
constexpr float arrowAbovePerPoint = 0.0042f;
constexpr float arrowBelowPerPoint = 0.00355f;
constexpr float selectedLetterScale = 1.2f;
// The table: rows (the column heads and ten rows) share the panel's height
// with half a row left below the last for the panel's frame; the
// title stands just above it, below the HUD's top lines;
// columns at shares of the panel's half width.
constexpr float rowsPerPanel = 11.5f;
// The name panel's edges cross the table's row slots about half a slot
// and a twentieth of a slot from a slot's top. Each row's text hangs low in its slot
// (its capitals from 0.72 to 0.99 of it), so both edges fall in the gaps
// between rows: no row shows cut in half under the panel.
constexpr float headsDropPerSlot = 0.78f;
constexpr float titleAbovePanel = 0.09f;
constexpr float rankColumn = -0.75f;
constexpr float nameColumn = -0.3f;
constexpr float scoreColumn = 0.25f;
constexpr float levelColumn = 0.8f;
constexpr int portraitFormat = 3;
constexpr float portraitScale = 0.6f;

// The entry rests at the place; a slide running goes on towards it.
void placeEntry(menuButton& entry, const Ogre::Vector2& place)
{
    entry.basePosition = place;
    entry.slideTo = place;
}

void setCaption(menuButton& entry, const std::string& caption)
{
    if (entry.labelText)
        entry.labelText->setText(caption);
}

} // namespace

void HighScoreMenu::refresh(bool show)
{
    if (nameOverlay) {
        if (show)
            nameOverlay->show();
        else
            nameOverlay->hide();
    }
    const float s = screenScale;
    placeEntry(*nameTitleEntry, Ogre::Vector2(0.0f, nameTitleY * s));
    placeEntry(*helpEntry, Ogre::Vector2(0.0f, helpY * s));
    placeEntry(*okEntry, Ogre::Vector2(0.0f, okY * s));
    layoutNamePanel();
    for (menuButton* entry : namePanelEntries()) {
        entry->setVisible(show);
        entry->slideFrom = entry->slideTo - Ogre::Vector2(scrollPerRelative, 0.0f);
        entry->position = entry->slideFrom;
        entry->alphaFrom = 0.0f;
        entry->alphaTo = 1.0f;
        entry->slideDuration = static_cast<float>(slideTime);
        entry->slideTime = slideTime;
        entry->slideDelay = 0.0;
    }
    okEntry->scaleFrom = okEntry->scaleTo = 1.0f;
    okEntry->colourFrom = okEntry->colourTo = okEntry->colour = game->startMenuFontColour;
}

void HighScoreMenu::layoutNamePanel()
{
    const float size = letterEntries.empty() ? 0.0f : letterEntries.front()->fontSize;
    const float panelWidth = scrollPerRelative * heightPerWidth() * namePanelWidth * screenScale;
    const float spacing = panelWidth / letterPlaces;
    const float first = -0.5f * spacing * static_cast<float>(letterEntries.size() - 1);
    for (std::size_t i = 0; i < letterEntries.size(); ++i) {
        menuButton& letter = *letterEntries[i];
        setCaption(letter, i < name.size() ? name.substr(i, 1) : std::string(" "));
        placeEntry(letter, Ogre::Vector2(first + spacing * static_cast<float>(i), 0.0f));
        const bool isSelected = static_cast<std::int32_t>(i) == cursor && !confirmArmed;
        letter.scaleTo = isSelected ? selectedLetterScale : 1.0f;
    }
    if (letterEntries.empty())
        return;
    const auto selected = static_cast<std::size_t>(std::clamp(cursor, 0, static_cast<int>(letterEntries.size()) - 1));
    const Ogre::Vector2 at = letterEntries[selected]->basePosition;
    placeEntry(*arrowLeft, at - Ogre::Vector2(spacing * arrowGapPerSpacing, 0.0f));
    placeEntry(*arrowRight, at + Ogre::Vector2(spacing * arrowGapPerSpacing, 0.0f));
    placeEntry(*arrowTop, at - Ogre::Vector2(0.0f, size * arrowAbovePerPoint));
    placeEntry(*arrowBottom, at + Ogre::Vector2(0.0f, size * arrowBelowPerPoint));
}

float HighScoreMenu::heightPerWidth()
{
    const Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    const int width = overlays.getViewportWidth();
    const int height = overlays.getViewportHeight();
    // Before the first frame there is no viewport: a square one is assumed.
    return width > 0 && height > 0 ? static_cast<float>(height) / static_cast<float>(width) : 1.0f;
}

void HighScoreMenu::layoutTableFrame()
{
    screenScale = game->screenRatio == portraitFormat ? portraitScale : 1.0f;
    if (!tablePanel)
        return;
    const float r = heightPerWidth();
    tablePanel->setDimensions(r * tableWidth * screenScale, namePanelHeight * screenScale);
    tablePanel->setPosition(-0.5f * tablePanel->getWidth(), -0.5f * tablePanel->getHeight());
}

bool HighScoreMenu::isNewRow(const highScoreRow& row) const
{
    return !viewOnly && namePanelShown && !entering && row.name == highscorename::storedName(name)
           && row.score == score && row.lastLevel == currentLevelNumber();
}

void HighScoreMenu::layoutTable()
{
    if (!titleEntry)
        return;
    const float r = heightPerWidth();
    const float halfWidth = r * tableWidth * screenScale;
    const float halfHeight = namePanelHeight * screenScale;
    const float spacing = scrollPerRelative * halfHeight / rowsPerPanel;
    const float headsY = -halfHeight + headsDropPerSlot * spacing;
    placeEntry(*titleEntry, Ogre::Vector2(0.0f, -halfHeight - titleAbovePanel));
    const std::array<std::pair<std::vector<std::unique_ptr<menuButton>>*, float>, 4> columns = {
        {{&rankEntries, rankColumn}, {&nameEntries, nameColumn}, {&scoreEntries, scoreColumn},
         {&levelEntries, levelColumn}}};
    // The texts shrink with the table in the portrait format, keeping the
    // rows' place in their slots.
    for (const auto& [column, share] : columns)
        for (std::size_t row = 0; row < column->size(); ++row) {
            menuButton& entry = *(*column)[row];
            placeEntry(entry, Ogre::Vector2(share * halfWidth, headsY + spacing * static_cast<float>(row)));
            entry.scaleFrom = entry.scaleTo = screenScale;
        }
    auto row = game->highScores.rows.begin();
    for (std::size_t cell = 1; cell < rankEntries.size(); ++cell) {
        const bool isFilled = row != game->highScores.rows.end();
        const bool isNew = isFilled && isNewRow(*row);
        setCaption(*rankEntries[cell], isFilled ? highscorename::rankText(static_cast<int>(cell)) : "");
        setCaption(*nameEntries[cell], isFilled ? row->name : "");
        setCaption(*scoreEntries[cell],
                   isFilled ? formatThousands(std::to_string(row->score), game->scoreFormating) : "");
        setCaption(*levelEntries[cell], isFilled ? std::to_string(row->lastLevel + 1) + " " : "");
        for (auto* column : {&rankEntries, &nameEntries, &scoreEntries, &levelEntries}) {
            menuButton& entry = *(*column)[cell];
            entry.colourFrom = entry.colourTo = entry.colour = isNew ? game->HSFontNewScoreColour : game->HSFontColour;
            entry.scaleFrom = entry.scaleTo = (isNew ? game->isHSNewScoreScale : 1.0f) * screenScale;
        }
        if (isFilled)
            ++row;
    }
}

void HighScoreMenu::slideOutNamePanel()
{
    const double duration = slideTime * 0.5;
    for (menuButton* entry : namePanelEntries()) {
        entry->slideFrom = entry->position;
        entry->slideTo = entry->position + Ogre::Vector2(scrollPerRelative, 0.0f);
        entry->alphaFrom = entry->alphaTo = entry->alpha;
        entry->slideDuration = static_cast<float>(duration);
        entry->slideTime = duration;
    }
}

void HighScoreMenu::setAnimationSpeed(double dt)
{
    constexpr double heldSpeed = 4.0;
    const double step = game->anyShootHeld && phase == phaseWaiting ? heldSpeed * dt : dt;
    for (menuButton* entry : tableEntries())
        entry->update(step);
}

void HighScoreMenu::fadeTable(float from, float to, double duration)
{
    for (menuButton* entry : tableEntries()) {
        entry->slideFrom = entry->slideTo = entry->position = entry->basePosition;
        entry->alphaFrom = from;
        entry->alphaTo = to;
        entry->slideDuration = static_cast<float>(duration);
        entry->slideTime = duration;
        entry->slideDelay = 0.0;
    }
}
