#include "frontend/PauseMenu.h"

#include "app/AudioService.h"
#include "app/Log.h"
#include "app/OverlayVisibility.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "core/materials/PictureMaterials.h"
#include "frontend/GameHUD.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>

#include <algorithm>

namespace {

// The menu's own copy of its picture carries this prefix.
const char* const materialPrefix = "play_";
const char* const panelName = "PanelPlay";
const char* const overlayName = "OverlayBGPlay";
constexpr unsigned short panelZOrder = 646;
constexpr unsigned short entryZOrder = 647;
// Raised above the fading panel while the play state leaves for the start menu.
constexpr unsigned short leavingZOrder = 648;
// Entry text size in points per unit of the game's HUD font size factor.
constexpr float entryFontPoints = 20.0f;
// The panel is this much wider than the widest entry.
constexpr float panelMargin = 1.1f;
// The panel's width is given for an aspect of this much over 1 (about 16:9
// at 2.1 / (16/9) = 1.18 of the screen's own units).
constexpr float panelAspectFactor = 2.1f;
// A line's height in screen units per point of the entries' font size, and
// the wider spacing when only two or three lines are offered.
constexpr float lineHeightPerPoint = 2.0f * 0.0025f;
constexpr float fewLinesSpacing = 1.2f;
constexpr float focusDuration = 0.2f;
constexpr float slideDuration = 0.3f;
constexpr float selectedScale = 1.12f;
// The fade in and out of the panel, in seconds.
constexpr float fadeDuration = 0.3f;
// The input lock after showing the menu and after each move.
constexpr float showLock = 0.1f;
constexpr float moveLock = 0.3f;
// Below it, up and down are both let go and the next press acts at once.
constexpr float releasedLock = -1.0f;
// A direction counts as pushed above this magnitude.
constexpr float directionThreshold = 0.7f;

void setEntryZOrder(menuButton& entry, unsigned short zOrder)
{
    if (entry.labelText && entry.labelText->overlay)
        entry.labelText->overlay->setZOrder(zOrder);
}

} // namespace

void PauseMenu::create(playState* owner)
{
    play = owner;
    game = Game::getSingletonPtr();
    continueEntry = makeEntry(continueName, "CONTINUE", "CONTINUE");
    exitEntry = makeEntry(exitName, "QUIT TO DESKTOP", "EXIT");
    backEntry = makeEntry(backName, "BACK TO MENU", "BACK TO MENU");
    restartEntry = makeEntry(restartName, "RESTART LEVEL", "RESTART_LEVEL");
    background.create(panelName, overlayName, panelZOrder);
    const std::string& picture = game->pauseMenuBG;
    background.showMaterial(picture.empty() ? Ogre::MaterialPtr()
                                            : createPrefixedPictureMaterial(materialPrefix, picture));
    background.resetShaderAlpha();
    width = panelMargin * widestEntry();
}

std::unique_ptr<menuButton> PauseMenu::makeEntry(const std::string& name, const std::string& label,
                                                 const std::string& id) const
{
    auto entry = std::make_unique<menuButton>();
    entry->text = name;
    entry->label = game->getText(label);
    entry->type = menuHudButton;
    entry->fonctionName = id;
    entry->fontSize = game->globalHUDFontSizeFactor * entryFontPoints;
    entry->build(this);
    setEntryZOrder(*entry, entryZOrder);
    return entry;
}

// The entries the game file offers; restarting counts as long as the
// setting is on, before the first showing turns it off.
float PauseMenu::widestEntry() const
{
    float widest = std::max(continueEntry->getWidth(), backEntry->getWidth());
    if (game->isShowExitToDesktop)
        widest = std::max(widest, exitEntry->getWidth());
    if (game->isShowRestartLevel)
        widest = std::max(widest, restartEntry->getWidth());
    return widest;
}

void PauseMenu::destroy()
{
    entries.clear();
    continueEntry.reset();
    exitEntry.reset();
    backEntry.reset();
    restartEntry.reset();
    if (game)
        background.destroy(materialPrefix + game->pauseMenuBG);
}

std::vector<menuButton*> PauseMenu::allEntries() const
{
    std::vector<menuButton*> all;
    for (const std::unique_ptr<menuButton>* entry : {&continueEntry, &exitEntry, &backEntry, &restartEntry})
        if (*entry)
            all.push_back(entry->get());
    return all;
}

void PauseMenu::refresh(bool show)
{
    isValidated = false;
    // Texts measure nothing before overlays were ever drawn at a size: the
    // panel then takes its width when it is first shown.
    if (width <= 0.0f)
        width = panelMargin * widestEntry();
    layoutPanel();
    background.setVisible(show);
    repeatTimer = showLock;
    fadeTime = 0.0f;
    isShown = show;
    // Restarting the level is never offered: the game file's setting only
    // widens the panel built before the first showing.
    game->isShowRestartLevel = false;
    layoutEntries(show);
    highlightSelected();
    if (game->hud)
        game->hud->hidePause();
    selected = 0;
    background.resetShaderAlpha();
    updateAlpha(0.0f);
}

// The panel keeps its shape on any window: its width is given for the
// screen's aspect.
void PauseMenu::layoutPanel()
{
    const float aspect = game->computeAspectRatio();
    const float k = panelAspectFactor / aspect;
    background.place(k * width, height);
}

void PauseMenu::layoutEntries(bool show)
{
    visibleCount = 3;
    if (!game->isShowExitToDesktop)
        --visibleCount;
    if (!game->isShowRestartLevel)
        --visibleCount;
    float step = lineHeightPerPoint * continueEntry->fontSize;
    if (visibleCount == 1 || visibleCount == 2)
        step *= fewLinesSpacing;
    const float first = 0.25f * step - static_cast<float>(visibleCount + 1) * 0.5f * step;
    const std::pair<menuButton*, float> lines[] = {{continueEntry.get(), first},
                                                   {backEntry.get(), first + step},
                                                   {exitEntry.get(), first + 2.0f * step},
                                                   {restartEntry.get(), first + 3.0f * step}};
    for (const auto& [entry, y] : lines) {
        const Ogre::Vector2 place(0.0f, y);
        entry->basePosition = entry->position = entry->slideFrom = entry->slideTo = place;
        entry->alphaFrom = 0.0f;
        entry->alphaTo = 1.0f;
        entry->focusDuration = focusDuration;
        entry->slideDuration = slideDuration;
        entry->slideTime = slideDuration;
        entry->slideDelay = 0.0;
        entry->focusTime = focusDuration;
        entry->updateTexts();
        entry->update(0.0);
        entry->setVisible(show);
    }
    entries = {continueEntry.get(), backEntry.get()};
    if (game->isShowExitToDesktop)
        entries.push_back(exitEntry.get());
    else
        exitEntry->setVisible(false);
    if (game->isShowRestartLevel)
        entries.push_back(restartEntry.get());
    else
        restartEntry->setVisible(false);
}

void PauseMenu::highlightSelected()
{
    for (menuButton* entry : allEntries()) {
        entry->scaleFrom = entry->scale;
        entry->scaleTo = 1.0f;
        entry->colourFrom = entry->colour;
        entry->colourTo = game->startMenuFontColour;
        entry->isSelected = 0;
        entry->offsetXFrom = entry->offsetX;
        entry->offsetXTo = 0.0f;
        entry->focusTime = entry->focusDuration;
    }
    // The navigation keeps the index inside the offered entries.
    if (selected >= entries.size())
        return;
    menuButton* chosen = entries[selected];
    chosen->isSelected = 1;
    chosen->colourTo = game->startMenuFontHooverColour;
    chosen->scaleTo = selectedScale;
}

void PauseMenu::updateAlpha(float alpha) { background.setAlpha(alpha); }

bool PauseMenu::update(double dt)
{
    if (state == stateLeft)
        return false;
    fadeTime += static_cast<float>(dt);
    repeatTimer -= static_cast<float>(dt);
    if (!isOpen && fadeTime > fadeDuration) {
        refresh(false);
        isShown = false;
        return true;
    }
    fade();
    for (menuButton* entry : allEntries())
        entry->update(dt);
    game->pollGamepads();
    navigate();
    if (isConfirmHeld())
        validate();
    return false;
}

void PauseMenu::fade()
{
    const float shown = fadeTime / fadeDuration;
    if (!isOpen) {
        updateAlpha(1.0f - shown);
        return;
    }
    if (state != stateFadingIn)
        return;
    if (fadeTime < fadeDuration)
        updateAlpha(shown);
    if (fadeTime > fadeDuration)
        state = stateOpen;
}

void PauseMenu::navigate()
{
    if (game->moveUp == 0.0f && game->moveDown == 0.0f)
        repeatTimer = releasedLock;
    if (repeatTimer >= 0.0f)
        return;
    if (game->moveUp > directionThreshold && selected > 0)
        select(selected - 1);
    else if (game->moveDown > directionThreshold && selected + 1 < entries.size())
        select(selected + 1);
}

void PauseMenu::select(std::uint32_t index)
{
    selected = index;
    repeatTimer = moveLock;
    playEditorSound(game->startMenuClick);
    highlightSelected();
}

bool PauseMenu::isConfirmHeld() const
{
    return game->shootHeld[0] || (game->keyboard && game->keyboard->isKeyDown(OIS::KC_RETURN));
}

void PauseMenu::validate()
{
    if (isValidated)
        return;
    isOpen = false;
    state = stateFadingIn;
    fadeTime = 0.0f;
    playEditorSound(game->startMenuClick);
    isValidated = true;
    if (selected >= entries.size()) {
        logLine("[ERROR] pause menu: no entry " + std::to_string(selected) + " to carry out");
        return;
    }
    carryOut(entries[selected]->text);
    fadeOutEntries();
}

void PauseMenu::carryOut(const std::string& name)
{
    if (name == exitName)
        game->setGameState(gameModeQuit);
    else if (name == restartName)
        play->startLevel();
    else if (name == backName)
        leaveForStartMenu();
    else if (name == continueName)
        play->setGamePaused(false);
}

void PauseMenu::leaveForStartMenu()
{
    refresh(false);
    setOverlayVisible("DebugInfos", false);
    state = stateLeft;
    for (menuButton* entry : allEntries())
        setEntryZOrder(*entry, leavingZOrder);
    game->setGameState(gameModeBackToStartMenu);
}

void PauseMenu::fadeOutEntries()
{
    for (menuButton* entry : allEntries()) {
        entry->alphaFrom = 1.0f;
        entry->alphaTo = 0.0f;
        entry->slideTime = entry->slideDuration;
    }
}
