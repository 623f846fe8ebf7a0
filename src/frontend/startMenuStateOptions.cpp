// The start menu's option entries: the Game's current video, sound and
// control settings written into the entries' values and value texts.
#include "frontend/StartMenuState.h"

#include "app/RenderSettings.h"
#include "core/Game.h"
#include "frontend/controlBindings.h"
#include "frontend/videoModeChoices.h"
#include "platform/KeyNames.h"

#include <OgreRenderSystem.h>
#include <OgreRoot.h>

#include <algorithm>

namespace {

constexpr const char* soundScreenName = "SOUNDMENU";
// The shadow texture size that stands for low shadows.
constexpr unsigned lowShadowTextureSize = 1024;
constexpr int windowedMode = 0;
// The pad screen shows at most this many fire buttons, the first two always.
constexpr int fireButtonCount = 8;
constexpr int alwaysShownFireButtons = 2;

// The render system's "Video Mode" values; none without a render system.
std::vector<std::string> renderSystemVideoModes(Ogre::Root* root)
{
    if (!root || !root->getRenderSystem())
        return {};
    const Ogre::ConfigOptionMap& options = root->getRenderSystem()->getConfigOptions();
    const auto option = options.find("Video Mode");
    if (option == options.end())
        return {};
    return {option->second.possibleValues.begin(), option->second.possibleValues.end()};
}

// A value from config.ini may lie outside what the entry can show: choices
// keep to their list, spinners to 0..maxValue.
std::int32_t clampToEntry(const menuButton& entry, std::int32_t value)
{
    if (entry.type == menuSpinnerChoice)
        return std::clamp(value, 0, std::max(entry.maxValue, 0));
    if (entry.type == menuLeftRightChoice && !entry.choices.empty())
        return std::clamp(value, 0, static_cast<std::int32_t>(entry.choices.size()) - 1);
    return value;
}

void setValueText(menuButton& entry, const std::string& text)
{
    if (!entry.valueText)
        return;
    entry.valueText->setText(text);
    entry.updateTexts();
}

} // namespace

void startMenuState::setClampedOption(const std::string& screenName, const std::string& fonctionName,
                                      std::int32_t value)
{
    if (startMenuScreen* screen = findScreen(screenName))
        for (auto& entry : screen->entries)
            if (entry->fonctionName == fonctionName) {
                entry->choiceIndex = clampToEntry(*entry, value);
                return;
            }
}

void startMenuState::refreshOptionTexts()
{
    setClampedOption(videoScreenName, "FULLSCREEN", game->fullscreen);
    setClampedOption(videoScreenName, "ANTIALIASING", FSAA >= 1 ? 1 : 0);
    setClampedOption(videoScreenName, "TATE", game->isPortrait && game->fullscreen == windowedMode ? 1 : 0);
    setClampedOption(videoScreenName, "SHADOWS", game->shadowTextureRes == lowShadowTextureSize ? 0 : 1);
    refreshResolutionChoices();
    setClampedOption(soundScreenName, "SOUNDMASTERVOLUME", game->masterVolume);
    setClampedOption(soundScreenName, "SOUNDMUSICVOLUME", game->musicVolume);
    setClampedOption(soundScreenName, "SOUNDSFXVOLUME", game->sfxVolume);
    setClampedOption(soundScreenName, "SOUNDONOFF", game->isSoundOn ? 1 : 0);
    refreshControlsMenu();
    if (menuButton* pad = findButton(controlsChoiceScreenName, "CONTROLLER"))
        pad->isActive = game->gameController != nullptr;
    refreshKeyboardMenu();
}

void startMenuState::refreshResolutionChoices()
{
    menuButton* resolution = findButton(videoScreenName, "RESOLUTION");
    if (!resolution)
        return;
    // Rebuilt on every refresh, so the list never grows.
    const videoModeChoices modes = collectVideoModeChoices(
        renderSystemVideoModes(root), game->fullscreen == windowedMode, game->fullScreenWidth, game->fullScreenHeigth);
    resolution->choices = modes.texts;
    if (modes.selected)
        resolution->choiceIndex = *modes.selected;
    resolution->choiceIndex = clampToEntry(*resolution, resolution->choiceIndex);
}

void startMenuState::refreshControlsMenu()
{
    startMenuScreen* screen = findScreen(padScreenName);
    if (!screen)
        return;
    const int shown = game->menuButtonsNumber;
    const auto count = static_cast<int>(screen->entries.size());
    // The layout may hold fewer entries than the positions name.
    const auto entryAt = [&](int index) {
        return index >= 0 && index < count ? screen->entries[static_cast<std::size_t>(index)].get() : nullptr;
    };
    const auto put = [&](int index, std::int32_t value) {
        if (menuButton* entry = entryAt(index))
            entry->choiceIndex = clampToEntry(*entry, value);
    };
    for (int i = 0; i < fireButtonCount; ++i)
        if (i < alwaysShownFireButtons || i < shown)
            put(i, game->shootButtonNumber[static_cast<std::size_t>(i)]);
    put(shown, game->start);
    put(shown + 1, game->select);
    put(shown + 2, game->deadzone);
    for (int i = 0; i < std::min(shown, count); ++i)
        setValueText(*entryAt(i), padButtonText(entryAt(i)->choiceIndex));
    for (int i = shown; i < shown + 3; ++i)
        if (menuButton* entry = entryAt(i))
            setValueText(*entry, std::to_string(entry->choiceIndex));
}

void startMenuState::refreshKeyboardMenu()
{
    for (const char* name : keyBindingNames)
        setOptionValue(keyboardScreenName, name, *findKeyBinding(*game, name));
    startMenuScreen* screen = findScreen(keyboardScreenName);
    if (!screen)
        return;
    for (auto& entry : screen->entries) {
        if (entry->type != menuKeyCode)
            continue;
        const auto key = static_cast<OIS::KeyCode>(entry->choiceIndex);
        setValueText(*entry, game->keyboard ? game->keyboard->getAsString(key) : platform::keyName(key));
    }
}
