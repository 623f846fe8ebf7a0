// The start menu's screens: built from the menu layout, looked up by name,
// shown and hidden with their slides, and the moves between them (open,
// back) with the selection each screen remembers.
#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "core/Game.h"

#include <algorithm>

namespace {

// Seconds of the splash screen's own slides and locks.
constexpr double splashShowDelay = 0.5;
constexpr double splashShowLock = 0.5;
constexpr double splashHideDelay = 0.7;
constexpr double splashFlashTime = 1.0;
// The main screen waits for the splash screen to leave when it first comes.
constexpr double mainScreenExtraDelay = 1.0;
// The entries of a screen leave one after another, spaced by the wait time.
constexpr double delaySpacing = 3.0;
// The hover shift is given in 1/400 of the screen.
constexpr float offsetXUnit = 0.0025f;

// Choices of an entry whose layout brings none, by the option it stands for.
std::vector<std::string> defaultChoiceKeys(const std::string& fonctionName)
{
    if (fonctionName == "ANTIALIASING" || fonctionName == "SOUNDONOFF" || fonctionName == "TATE")
        return {"No", "Yes"};
    if (fonctionName == "FULLSCREEN")
        return {"Windowed", "Windowed (Fullscreen)", "Fullscreen"};
    if (fonctionName == "SHADOWS")
        return {"Low", "High"};
    return {};
}

void playMenuSound(const std::string& name) { playSound(name, 0.0f, noSoundPosition, false); }

// Entry i of n starts its slide after i spaced waits.
double slideDelayOf(double waitTime, std::size_t count, std::size_t index)
{
    return count == 0 ? 0.0 : waitTime / static_cast<double>(count) * delaySpacing * static_cast<double>(index);
}

} // namespace

void startMenuState::buildScreens(bool isShadows)
{
    destroyScreens();
    for (const auto& [name, definition] : game->menuScreens) {
        startMenuScreen screen;
        screen.screenSound = definition.screenSound;
        for (const menuEntryDefinition& entry : definition.entries) {
            // Portrait mode is chosen outside the menu; shadows only matter to
            // games whose levels cast them.
            if (entry.name == "TATE" || (entry.name == "SHADOWS" && !isShadows))
                continue;
            addEntry(screen, entry);
        }
        screens[name] = std::move(screen);
    }
    for (auto& [name, screen] : screens)
        for (auto& entry : screen.entries)
            entry->setVisible(false);
}

void startMenuState::addEntry(startMenuScreen& screen, const menuEntryDefinition& definition)
{
    auto entry = std::make_unique<menuButton>();
    entry->text = definition.name;
    entry->label = game->getText(definition.text);
    entry->type = static_cast<std::uint32_t>(definition.type);
    entry->fonctionName = definition.fonctionName;
    entry->maxValue = definition.maxValue;
    entry->step = definition.step;
    if (entry->text == pressStartText) {
        entry->align = 0;
        entry->offsetXFrom = entry->offsetXTo = 0.0f;
    } else {
        entry->align = static_cast<std::uint32_t>(game->startMenuAlign);
    }
    entry->build(nullptr);
    if (definition.choices.empty())
        for (const std::string& key : defaultChoiceKeys(definition.fonctionName))
            entry->choices.push_back(game->getText(key));
    optionValues.emplace_back(definition.fonctionName, 0);
    screen.entries.push_back(std::move(entry));
}

void startMenuState::destroyScreens()
{
    screens.clear();
    optionValues.clear();
    parentScreens.clear();
}

startMenuScreen* startMenuState::findScreen(const std::string& name)
{
    const auto found = screens.find(name);
    return found == screens.end() ? nullptr : &found->second;
}

menuButton* startMenuState::findButton(const std::string& screenName, const std::string& text)
{
    startMenuScreen* screen = findScreen(screenName);
    if (!screen)
        return nullptr;
    for (auto& entry : screen->entries)
        if (entry->text == text)
            return entry.get();
    return nullptr;
}

std::int32_t startMenuState::getOptionValue(const std::string& screenName, const std::string& fonctionName)
{
    if (startMenuScreen* screen = findScreen(screenName))
        for (auto& entry : screen->entries)
            if (entry->fonctionName == fonctionName)
                return entry->choiceIndex;
    return 0;
}

void startMenuState::setOptionValue(const std::string& screenName, const std::string& fonctionName,
                                    std::int32_t value)
{
    if (startMenuScreen* screen = findScreen(screenName))
        for (auto& entry : screen->entries)
            if (entry->fonctionName == fonctionName) {
                entry->choiceIndex = value;
                return;
            }
}

std::size_t startMenuState::screenHistoryIndex() const
{
    const auto found = std::find_if(optionValues.begin(), optionValues.end(),
                                    [this](const auto& option) { return option.first == currentScreen; });
    return found == optionValues.end() ? 0 : static_cast<std::size_t>(found - optionValues.begin());
}

void startMenuState::showFirstScreen()
{
    // A layout without a splash screen starts on its main screen.
    currentScreen = findScreen(splashScreenName) || !findScreen(mainScreenName) ? splashScreenName : mainScreenName;
    previousScreen = currentScreen;
    showScreen(false);
    setScreenZOrder();
    selectedIndex = 0;
    if (startMenuScreen* screen = findScreen(currentScreen); screen && !screen->entries.empty())
        screen->entries.back()->slideDelay = 0.0;
}

void startMenuState::showScreen(bool isReversed)
{
    startMenuScreen* screen = findScreen(currentScreen);
    if (!screen)
        return;
    refreshOptionTexts();
    if (!screen->screenSound.empty()) {
        loadSound(screen->screenSound, false, false, false, false);
        playMenuSound(screen->screenSound);
    }
    const Ogre::Vector2 offset = game->startMenuTransitionOffset;
    const double time = game->startMenutransitionScreenTime;
    const std::size_t count = screen->entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        menuButton& entry = *screen->entries[i];
        entry.isHiding = false;
        entry.setVisible(true);
        const Ogre::Vector2 base = entry.basePosition;
        entry.slideFrom = isReversed ? base + offset : Ogre::Vector2(base.x - offset.x - entry.getWidth(), base.y - offset.y);
        entry.isSlideReversed = isReversed;
        entry.slideTo = base;
        entry.alphaFrom = !game->isTransitionAlpha && time != 0.0 ? 1.0f : 0.0f;
        entry.alphaTo = 1.0f;
        entry.slideTime = time;
        entry.slideDelay = slideDelayOf(game->startMenuTransitionwaitTime, count, i);
        if (currentScreen == splashScreenName) {
            entry.slideFrom = entry.slideTo = base;
            entry.alphaFrom = 0.0f;
            entry.colourTo = game->startMenuFontColour;
            entry.slideDelay = splashShowDelay;
            screenLock = splashShowLock;
        } else if (currentScreen == mainScreenName && !isReversed) {
            entry.slideDelay += mainScreenExtraDelay;
        }
    }
    if (currentScreen == highScoresScreenName && highScores)
        highScores->start(true);
}

void startMenuState::hideScreen(bool isReversed)
{
    startMenuScreen* screen = findScreen(currentScreen);
    if (!screen)
        return;
    const Ogre::Vector2 offset = game->startMenuTransitionOffset;
    const double time = game->startMenutransitionScreenTime;
    const std::size_t count = screen->entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        menuButton& entry = *screen->entries[i];
        entry.isHiding = true;
        entry.slideFrom = entry.position;
        const Ogre::Vector2 base = entry.basePosition;
        const float width = entry.getWidth();
        entry.slideTo = isReversed ? Ogre::Vector2(base.x - offset.x - width, base.y - offset.y)
                                   : Ogre::Vector2(base.x + offset.x + width, base.y + offset.y);
        entry.isSlideReversed = isReversed;
        entry.alphaFrom = 1.0f;
        if (game->isTransitionAlpha || time == 0.0)
            entry.alphaTo = 0.0f;
        entry.slideTime = time;
        entry.slideDelay = slideDelayOf(game->startMenuTransitionwaitTime, count, i);
        if (currentScreen == splashScreenName) {
            entry.slideTo = entry.slideFrom;
            entry.alphaTo = 0.0f;
            entry.slideDelay = splashHideDelay;
            pressStartFlashTime = splashFlashTime;
        }
    }
    if (currentScreen == highScoresScreenName && highScores)
        highScores->close();
}

void startMenuState::openScreen(const std::string& name)
{
    playMenuSound(currentScreen == splashScreenName ? game->startMenuValidate : game->startMenuGo);
    previousScreen = currentScreen;
    if (!optionValues.empty())
        optionValues[screenHistoryIndex()].second = static_cast<std::int32_t>(selectedIndex);
    hideScreen(false);
    currentScreen = name;
    showScreen(false);
    parentScreens[currentScreen] = previousScreen;
    selectedIndex = 0;
    if (currentScreen.size() >= 2)
        setScreenZOrder();
}

void startMenuState::back()
{
    if (currentScreen == mainScreenName) {
        // Without a splash screen there is nothing to go back to.
        if (!findScreen(splashScreenName))
            return;
        hideScreen(true);
        currentScreen = splashScreenName;
        selectedIndex = 0;
        showScreen(true);
        setScreenZOrder();
        return;
    }
    const auto parent = parentScreens.find(currentScreen);
    if (parent == parentScreens.end())
        return;
    hideScreen(true);
    previousScreen = currentScreen;
    currentScreen = parent->second;
    showScreen(true);
    const std::int32_t remembered = optionValues.empty() ? 0 : optionValues[screenHistoryIndex()].second;
    selectedIndex = static_cast<std::uint32_t>(std::max(remembered, 0));
    setScreenZOrder();
    playMenuSound(game->startMenuBack);
}

void startMenuState::setScreenZOrder()
{
    startMenuScreen* screen = findScreen(currentScreen);
    if (!screen)
        return;
    for (auto& entry : screen->entries) {
        entry->scaleFrom = entry->scale;
        entry->scaleTo = 1.0f;
        entry->colourFrom = entry->colour;
        entry->colourTo = game->startMenuFontColour;
        entry->isSelected = 0;
        entry->offsetXFrom = entry->offsetX;
        entry->offsetXTo = 0.0f;
        entry->focusTime = game->startMenutransitionFocusTime;
        entry->setZOrder(0);
    }
    if (selectedIndex >= screen->entries.size())
        return;
    menuButton& selected = *screen->entries[selectedIndex];
    selected.setZOrder(1);
    selected.isSelected = 1;
    if (selected.isActive)
        selected.colourTo = game->startMenuFontHooverColour;
    selected.scaleTo = game->startMenuHooverScale;
    const float shift = static_cast<float>(game->startMenuoffsetX) * offsetXUnit;
    selected.offsetXTo = game->startMenuAlign == static_cast<int>(menuButton::alignRight) ? -shift : shift;
}
