#include "core/SettingsTable.h"

#include "app/RenderSettings.h"
#include "app/TextUtils.h"
#include "core/ConfigReading.h"
#include "core/ConfigText.h"
#include "core/Game.h"
#include "core/SettingValues.h"

#include <cstddef>

const char* const tutorialsSection = "tutorials";

namespace {

using Position = WindowPosition;

template <auto Member>
std::string writeMember(const Game& game, const Position&)
{
    return settingText(game.*Member);
}

template <auto Member>
SettingRead readMember(Game& game, Position&, const std::string& text)
{
    return parseSetting(text, game.*Member);
}

template <auto Member, std::size_t Index>
std::string writeElement(const Game& game, const Position&)
{
    return settingText((game.*Member)[Index]);
}

template <auto Member, std::size_t Index>
SettingRead readElement(Game& game, Position&, const std::string& text)
{
    return parseSetting(text, (game.*Member)[Index]);
}

template <auto* Global>
std::string writeGlobal(const Game&, const Position&)
{
    return settingText(*Global);
}

template <auto* Global>
SettingRead readGlobal(Game&, Position&, const std::string& text)
{
    return parseSetting(text, *Global);
}

template <int Position::*Coordinate>
std::string writeCoordinate(const Game&, const Position& position)
{
    return settingText(position.*Coordinate);
}

template <int Position::*Coordinate>
SettingRead readCoordinate(Game&, Position& position, const std::string& text)
{
    return parseSetting(text, position.*Coordinate);
}

template <auto Member>
SettingKey member(const char* name, LineForm form, KeyUse use, const char* defaultText)
{
    return {name, form, use, defaultText, writeMember<Member>, readMember<Member>};
}

template <auto Member, std::size_t Index>
SettingKey element(const char* name, LineForm form, const char* defaultText)
{
    return {name, form, KeyUse::always, defaultText, writeElement<Member, Index>, readElement<Member, Index>};
}

template <auto Member>
SettingKey writtenOnly(const char* name, LineForm form)
{
    return {name, form, KeyUse::writtenOnly, "", writeMember<Member>, nullptr};
}

template <int Position::*Coordinate>
SettingKey coordinate(const char* name)
{
    return {name, LineForm::plain, KeyUse::window, "0", writeCoordinate<Coordinate>, readCoordinate<Coordinate>};
}

SettingRead readFsaa(Game& game, Position&, const std::string& text)
{
    int requested = 0;
    const SettingRead read = parseSetting(text, requested);
    if (read == SettingRead::value)
        collectFSAAValues(game, requested);
    return read;
}

SettingRead readLibrary(Game& game, Position&, const std::string& text)
{
    if (text.empty())
        return SettingRead::none;
    game.library = libraryFromText(text);
    return SettingRead::value;
}

SettingRead readSoundMuted(Game& game, Position&, const std::string& text)
{
    bool muted = false;
    const SettingRead read = parseSetting(text, muted);
    if (read == SettingRead::value)
        game.isSoundOn = !muted;
    return read;
}

// The largest whole size a float keeps exactly (2^24), so that each size
// read is written back as it was read.
constexpr int largestWholeSize = 1 << 24;

// The editor's grid and snap sizes are kept as decimals but read back as
// whole numbers: a stored 2.5 comes back as 2.
template <auto Member>
SettingRead readWholeNumber(Game& game, Position&, const std::string& text)
{
    int whole = 0;
    const SettingRead read = parseSetting(text, whole, 0, largestWholeSize);
    if (read == SettingRead::value)
        game.*Member = static_cast<float>(whole);
    return read;
}

template <auto Member>
std::string writeWholeNumber(const Game& game, const Position&)
{
    return wholeNumberText(game.*Member);
}

// A snap size of 0 would snap nothing: it stands for 1.
SettingRead readScaleSnap(Game& game, Position& position, const std::string& text)
{
    const SettingRead read = readWholeNumber<&Game::scaleSnapSize>(game, position, text);
    if (read == SettingRead::value && game.scaleSnapSize == 0.0f)
        game.scaleSnapSize = 1.0f;
    return read;
}

std::vector<SettingKey> rendererKeys()
{
    using L = LineForm;
    using U = KeyUse;
    return {
        {"vsync", L::plain, U::always, "true", writeGlobal<&vsync>, readGlobal<&vsync>},
        member<&Game::GpuFlush>("GpuFlush", L::plain, U::always, "0"),
        {"FSAA", L::plain, U::always, "0", writeGlobal<&FSAA>, readFsaa},
        {"library", L::plain, U::always, "D3D9",
         [](const Game& game, const Position&) { return libraryText(game.library); }, readLibrary},
        member<&Game::width>("width", L::plain, U::window, "1280"),
        member<&Game::height>("height", L::plain, U::window, "720"),
        member<&Game::fullScreenWidth>("fullScreenWidth", L::plain, U::window, "1920"),
        member<&Game::fullScreenHeigth>("fullScreenHeigth", L::plain, U::window, "1080"),
        coordinate<&Position::x>("posX"),
        coordinate<&Position::y>("posY"),
        member<&Game::fullscreen>("fullscreen", L::plain, U::window, "0"),
        member<&Game::shadowTextureRes>("shadowTextureRes", L::plain, U::always, "512"),
        member<&Game::postFX>("postFX", L::plain, U::always, "true"),
        member<&Game::IsPostFXOutline>("IsPostFXOutline", L::plain, U::ifPresent, "true"),
        member<&Game::isAlwaysRender>("isAlwaysRender", L::plain, U::always, "false"),
        member<&Game::isUseOldBulletTiming>("isUseOldBulletTiming", L::plain, U::ifPresent, "false"),
    };
}

std::vector<SettingKey> editorKeys()
{
    using L = LineForm;
    using U = KeyUse;
    return {
        member<&Game::grid>("grid", L::wide, U::always, "false"),
        {"gridSize", L::wide, U::always, "1", writeWholeNumber<&Game::gridSize>, readWholeNumber<&Game::gridSize>},
        member<&Game::gridAngle>("gridAngle", L::wide, U::always, "15"),
        member<&Game::triggerIconSize>("triggerIconSize", L::wide, U::ifPresent, "1"),
        member<&Game::isCheckForDuplicates>("isCheckForDuplicates", L::wide, U::ifPresent, "false"),
        member<&Game::isSnapping>("isSnapping", L::plain, U::always, "false"),
        member<&Game::isRotSnapping>("isRotSnapping", L::plain, U::always, "false"),
        member<&Game::isScaleSnapping>("isScaleSnapping", L::plain, U::always, "false"),
        {"scaleSnapSize", L::plain, U::always, "1", writeWholeNumber<&Game::scaleSnapSize>, readScaleSnap},
        member<&Game::isSpriteSnapping>("isSpriteSnapping", L::plain, U::always, "false"),
        member<&Game::isLastElementSnapping>("isLastElementSnapping", L::plain, U::startsAtDefault, "false"),
        {"snap3DSize", L::plain, U::always, "1", writeWholeNumber<&Game::snap3DSize>, readWholeNumber<&Game::snap3DSize>},
        member<&Game::snap3DAngleSize>("snap3DAngleSize", L::plain, U::always, "15"),
        member<&Game::isViewFrustum>("isViewFrustum", L::wide, U::always, "true"),
        member<&Game::gizmosSize>("gizmosSize", L::wide, U::always, "3"),
        member<&Game::isPostInEditor>("isPostInEditor", L::wide, U::ifPresent, "true"),
        member<&Game::maxSpritesPriorities>("maxSpritesPriorities", L::plain, U::ifPresent, "99"),
        member<&Game::isShowWindowsCursor>("isShowWindowsCursor", L::plain, U::always, "false"),
    };
}

std::vector<SettingKey> soundKeys()
{
    using L = LineForm;
    using U = KeyUse;
    return {
        {"IsSoundMuted", L::wide, U::always, "false",
         [](const Game& game, const Position&) { return settingText(!game.isSoundOn); }, readSoundMuted},
        member<&Game::masterVolume>("masterVolume", L::wide, U::always, "80"),
        member<&Game::musicVolume>("musicVolume", L::wide, U::always, "60"),
        member<&Game::sfxVolume>("sfxVolume", L::wide, U::always, "40"),
    };
}

std::vector<SettingKey> padKeys()
{
    using L = LineForm;
    using U = KeyUse;
    constexpr auto buttons = &Game::shootButtonNumber;
    return {
        member<&Game::deadzone>("deadzone", L::plain, U::always, "20"),
        member<&Game::leftStickNumber>("leftStickNumber", L::plain, U::always, "0"),
        member<&Game::rightStickNumber>("rightStickNumber", L::plain, U::always, "2"),
        element<buttons, 0>("shootButtonNumber0", L::plain, "0"),
        element<buttons, 1>("shootButtonNumber1", L::plain, "1"),
        element<buttons, 2>("shootButtonNumber2", L::plain, "2"),
        element<buttons, 3>("shootButtonNumber3", L::plain, "3"),
        element<buttons, 4>("shootButtonNumber4", L::plain, "9"),
        element<buttons, 5>("shootButtonNumber5", L::plain, "10"),
        element<buttons, 6>("shootButtonNumber6", L::plain, "100"),
        element<buttons, 7>("shootButtonNumber7", L::plain, "101"),
        member<&Game::start>("start", L::plain, U::always, "6"),
        member<&Game::select>("select", L::plain, U::always, "4"),
    };
}

std::vector<SettingKey> keyboardKeys()
{
    using L = LineForm;
    using U = KeyUse;
    constexpr auto buttons = &Game::shootButton;
    return {
        member<&Game::upKey>("upKey", L::indented, U::always, "17"),
        member<&Game::downKey>("downKey", L::indented, U::always, "31"),
        member<&Game::leftKey>("leftKey", L::indented, U::always, "30"),
        member<&Game::rightKey>("rightKey", L::indented, U::always, "32"),
        member<&Game::startButton>("startButton", L::indented, U::always, "57"),
        member<&Game::selectButton>("selectButton", L::indented, U::always, "57"),
        element<buttons, 0>("shootButton0", L::indented, "44"),
        element<buttons, 1>("shootButton1", L::indented, "45"),
        element<buttons, 2>("shootButton2", L::indented, "46"),
        element<buttons, 3>("shootButton3", L::indented, "47"),
        element<buttons, 4>("shootButton4", L::indented, "48"),
        element<buttons, 5>("shootButton5", L::indented, "49"),
        element<buttons, 6>("shootButton6", L::indented, "50"),
        element<buttons, 7>("shootButton7", L::indented, "51"),
    };
}

std::vector<SettingKey> debugKeys()
{
    using L = LineForm;
    using U = KeyUse;
    return {
        member<&Game::isDebugInfos>("isDebugInfos", L::plain, U::always, "false"),
        member<&Game::isFirstTutorials>("isFirstTutorials", L::plain, U::always, "false"),
        member<&Game::isFirstLaunch>("isFirstLaunch", L::plain, U::always, "true"),
        // A folder carried in "lastGameSaved" (never written) wins over it.
        member<&Game::gameFolder>("lastDirectorySaved", L::bare, U::ifPresent, ""),
        {"lastGameNameSaved", L::bare, U::writtenOnly, "",
         [](const Game& game, const Position&) { return sanitizeFileName(game.gameName); }, nullptr},
        // The level names belong to the game: its own template gives the default.
        member<&Game::levelName>("lastLevelSaved", L::bare, U::always, ""),
    };
}

std::vector<SettingSection> buildSections()
{
    return {
        {"preferences", nullptr, {member<&Game::language>("language", LineForm::plain, KeyUse::always, "english")}},
        {"renderer", "//true false -   D3D9 = directX9  D3D11 = DirectX11 ", rendererKeys()},
        {"prefs", nullptr, editorKeys()},
        {"sound", nullptr, soundKeys()},
        {"pad", nullptr, padKeys()},
        {"keyboard", nullptr, keyboardKeys()},
        {tutorialsSection, nullptr, {writtenOnly<&Game::lastTutorial>("lastTutorial", LineForm::plain)}},
        {"debug", nullptr, debugKeys()},
    };
}

} // namespace

const std::vector<SettingSection>& settingSections()
{
    static const std::vector<SettingSection> sections = buildSections();
    return sections;
}
