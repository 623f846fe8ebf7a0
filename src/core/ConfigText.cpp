#include "core/ConfigText.h"

#include "app/RenderSettings.h"
#include "app/TextUtils.h"
#include "core/Game.h"

#include <OgreStringConverter.h>

#include <cstddef>
#include <sstream>

using Ogre::StringConverter;

namespace {

// Builds the file line by line. The key text carries its own separator
// (" = ", "  = ", or a leading blank for the keyboard keys).
class ConfigWriter {
public:
    void section(const char* name) { out << '[' << name << "] \n"; }
    void blank() { out << '\n'; }
    void comment(const char* text) { out << text << '\n'; }
    void line(const std::string& keyAndSeparator, const std::string& value)
    {
        out << keyAndSeparator << value << " \n";
    }
    void line(const std::string& keyAndSeparator, bool value) { line(keyAndSeparator, StringConverter::toString(value)); }
    void line(const std::string& keyAndSeparator, int value) { line(keyAndSeparator, StringConverter::toString(value)); }
    void line(const std::string& keyAndSeparator, unsigned value) { line(keyAndSeparator, StringConverter::toString(value)); }
    void line(const std::string& keyAndSeparator, float value) { line(keyAndSeparator, StringConverter::toString(value)); }
    // A line without the blank before its line feed.
    void bareLine(const std::string& keyAndSeparator, const std::string& value)
    {
        out << keyAndSeparator << value << '\n';
    }
    std::string text() const { return out.str(); }

private:
    std::ostringstream out;
};

void writeRenderer(ConfigWriter& w, const Game& game, int posX, int posY)
{
    w.section("renderer");
    w.comment("//true false -   D3D9 = directX9  D3D11 = DirectX11 ");
    w.line("vsync = ", vsync);
    w.line("GpuFlush = ", game.GpuFlush);
    w.line("FSAA = ", FSAA);
    w.line("library = ", libraryText(game.library));
    w.line("width = ", game.width);
    w.line("height = ", game.height);
    w.line("fullScreenWidth = ", game.fullScreenWidth);
    w.line("fullScreenHeigth = ", game.fullScreenHeigth);
    w.line("posX = ", posX);
    w.line("posY = ", posY);
    w.line("fullscreen = ", game.fullscreen);
    w.line("shadowTextureRes = ", game.shadowTextureRes);
    w.line("postFX = ", game.postFX);
    w.line("IsPostFXOutline = ", game.IsPostFXOutline);
    w.line("isAlwaysRender = ", game.isAlwaysRender);
    w.line("isUseOldBulletTiming = ", game.isUseOldBulletTiming);
}

void writeEditorPreferences(ConfigWriter& w, const Game& game)
{
    w.section("prefs");
    w.line("grid  = ", game.grid);
    w.line("gridSize  = ", game.gridSize);
    w.line("gridAngle  = ", game.gridAngle);
    w.line("triggerIconSize  = ", game.triggerIconSize);
    w.line("isCheckForDuplicates  = ", game.isCheckForDuplicates);
    w.line("isSnapping = ", game.isSnapping);
    w.line("isRotSnapping = ", game.isRotSnapping);
    w.line("isScaleSnapping = ", game.isScaleSnapping);
    w.line("scaleSnapSize = ", game.scaleSnapSize);
    w.line("isSpriteSnapping = ", game.isSpriteSnapping);
    w.line("isLastElementSnapping = ", game.isLastElementSnapping);
    w.line("snap3DSize = ", game.snap3DSize);
    w.line("snap3DAngleSize = ", game.snap3DAngleSize);
    w.line("isViewFrustum  = ", game.isViewFrustum);
    w.line("gizmosSize  = ", game.gizmosSize);
    w.line("isPostInEditor  = ", game.isPostInEditor);
    w.line("maxSpritesPriorities = ", game.maxSpritesPriorities);
    w.line("isShowWindowsCursor = ", game.isShowWindowsCursor);
}

void writeSound(ConfigWriter& w, const Game& game)
{
    w.section("sound");
    w.line("IsSoundMuted  = ", !game.isSoundOn);
    w.line("masterVolume  = ", game.masterVolume);
    w.line("musicVolume  = ", game.musicVolume);
    w.line("sfxVolume  = ", game.sfxVolume);
}

void writePad(ConfigWriter& w, const Game& game)
{
    w.section("pad");
    w.line("deadzone = ", game.deadzone);
    w.line("leftStickNumber = ", game.leftStickNumber);
    w.line("rightStickNumber = ", game.rightStickNumber);
    for (std::size_t i = 0; i < game.shootButtonNumber.size(); ++i)
        w.line("shootButtonNumber" + std::to_string(i) + " = ", game.shootButtonNumber[i]);
    w.line("start = ", game.start);
    w.line("select = ", game.select);
}

void writeKeyboard(ConfigWriter& w, const Game& game)
{
    w.section("keyboard");
    w.line(" upKey = ", game.upKey);
    w.line(" downKey = ", game.downKey);
    w.line(" leftKey = ", game.leftKey);
    w.line(" rightKey = ", game.rightKey);
    w.line(" startButton = ", game.startButton);
    w.line(" selectButton = ", game.selectButton);
    for (std::size_t i = 0; i < game.shootButton.size(); ++i)
        w.line(" shootButton" + std::to_string(i) + " = ", game.shootButton[i]);
}

void writeTutorials(ConfigWriter& w, const Game& game)
{
    w.section("tutorials");
    w.line("lastTutorial = ", game.lastTutorial);
    for (const auto& [name, seen] : game.tutorialsSeen)
        w.line(name + " = ", seen);
}

void writeDebug(ConfigWriter& w, const Game& game)
{
    w.section("debug");
    w.line("isDebugInfos = ", game.isDebugInfos);
    w.line("isFirstTutorials = ", game.isFirstTutorials);
    w.line("isFirstLaunch = ", game.isFirstLaunch);
    w.bareLine("lastDirectorySaved = ", game.gameFolder);
    w.bareLine("lastGameNameSaved = ", sanitizeFileName(game.gameName));
    w.bareLine("lastLevelSaved = ", game.levelName);
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
    ConfigWriter w;
    w.section("preferences");
    w.line("language = ", game.language);
    w.blank();
    writeRenderer(w, game, posX, posY);
    w.blank();
    writeEditorPreferences(w, game);
    w.blank();
    writeSound(w, game);
    w.blank();
    writePad(w, game);
    w.blank();
    writeKeyboard(w, game);
    w.blank();
    writeTutorials(w, game);
    w.blank();
    writeDebug(w, game);
    w.blank();
    return w.text();
}
