#include "core/ConfigReading.h"

#include "app/Log.h"
#include "app/RenderSettings.h"
#include "core/Game.h"

#include <OgreConfigFile.h>
#include <OgreStringConverter.h>

#include <cstddef>

using Ogre::StringConverter;

namespace {

// Reads the keys of one section of the file.
class SectionReader {
public:
    SectionReader(const Ogre::ConfigFile& file, const char* section) : file(file), section(section) {}

    // An absent key reads as the empty text.
    std::string text(const std::string& key) const { return file.getSetting(key, section); }

    int integer(const std::string& key) const { return StringConverter::parseInt(text(key), 0); }
    unsigned unsignedInteger(const std::string& key) const
    {
        return StringConverter::parseUnsignedInt(text(key), 0);
    }
    bool boolean(const std::string& key) const { return StringConverter::parseBool(text(key), false); }
    float real(const std::string& key) const { return StringConverter::parseReal(text(key), 0.0f); }

    void ifPresent(const std::string& key, bool& member) const
    {
        const std::string value = text(key);
        if (!value.empty())
            member = StringConverter::parseBool(value, false);
    }
    void ifPresent(const std::string& key, unsigned& member) const
    {
        const std::string value = text(key);
        if (!value.empty())
            member = StringConverter::parseUnsignedInt(value, 0);
    }
    void ifPresent(const std::string& key, float& member) const
    {
        const std::string value = text(key);
        if (!value.empty())
            member = StringConverter::parseReal(value, 0.0f);
    }

private:
    const Ogre::ConfigFile& file;
    const char* section;
};

void applyRenderer(Game& game, const SectionReader& renderer)
{
    game.postFX = renderer.boolean("postFX");
    renderer.ifPresent("IsPostFXOutline", game.IsPostFXOutline);
    game.isAlwaysRender = renderer.boolean("isAlwaysRender");
    game.library = libraryFromText(renderer.text("library"));
    collectFSAAValues(game, renderer.integer("FSAA"));
    vsync = renderer.boolean("vsync");
    game.GpuFlush = renderer.integer("GpuFlush");
    game.width = renderer.integer("width");
    game.height = renderer.integer("height");
    game.fullscreen = renderer.integer("fullscreen");
    renderer.ifPresent("fullScreenWidth", game.fullScreenWidth);
    renderer.ifPresent("fullScreenHeigth", game.fullScreenHeigth);
}

void applyEditorPreferences(Game& game, const SectionReader& prefs)
{
    game.grid = prefs.boolean("grid");
    game.gridSize = static_cast<float>(prefs.integer("gridSize"));
    prefs.ifPresent("triggerIconSize", game.triggerIconSize);
    prefs.ifPresent("isCheckForDuplicates", game.isCheckForDuplicates);
    game.snap3DSize = static_cast<float>(prefs.integer("snap3DSize"));
    game.snap3DAngleSize = prefs.real("snap3DAngleSize");
    game.isSnapping = prefs.boolean("isSnapping");
    game.isRotSnapping = prefs.boolean("isRotSnapping");
    game.isScaleSnapping = prefs.boolean("isScaleSnapping");
    const int scaleSnap = prefs.integer("scaleSnapSize");
    game.scaleSnapSize = scaleSnap == 0 ? 1.0f : static_cast<float>(scaleSnap);
    game.isSpriteSnapping = prefs.boolean("isSpriteSnapping");
    // The stored value is not taken: the runtime always starts with it off.
    game.isLastElementSnapping = false;
    game.isViewFrustum = prefs.boolean("isViewFrustum");
    game.gizmosSize = prefs.real("gizmosSize");
    prefs.ifPresent("isPostInEditor", game.isPostInEditor);
    prefs.ifPresent("maxSpritesPriorities", game.maxSpritesPriorities);
    game.isShowWindowsCursor = prefs.boolean("isShowWindowsCursor");
}

void applySound(Game& game, const SectionReader& sound)
{
    game.isSoundOn = !sound.boolean("IsSoundMuted");
    game.masterVolume = sound.integer("masterVolume");
    game.musicVolume = sound.integer("musicVolume");
    game.sfxVolume = sound.integer("sfxVolume");
}

void applyDebug(Game& game, const SectionReader& debug)
{
    game.levelName = debug.text("lastLevelSaved");
    game.isDebugInfos = debug.boolean("isDebugInfos");
    game.isFirstTutorials = debug.boolean("isFirstTutorials");
    game.isFirstLaunch = debug.boolean("isFirstLaunch");
    // A folder that came with the template or from elsewhere wins over the
    // one this program wrote last.
    const std::string carried = debug.text("lastGameSaved");
    const std::string written = debug.text("lastDirectorySaved");
    if (!carried.empty())
        game.gameFolder = carried;
    else if (!written.empty())
        game.gameFolder = written;
    logLine("currentGameDirectory2 " + game.gameFolder);
}

void applyPad(Game& game, const SectionReader& pad)
{
    game.deadzone = pad.integer("deadzone");
    game.leftStickNumber = pad.integer("leftStickNumber");
    game.rightStickNumber = pad.integer("rightStickNumber");
    for (std::size_t i = 0; i < game.shootButtonNumber.size(); ++i)
        game.shootButtonNumber[i] = pad.integer("shootButtonNumber" + std::to_string(i));
    game.start = pad.integer("start");
    game.select = pad.integer("select");
}

void applyKeyboard(Game& game, const SectionReader& keyboard)
{
    game.upKey = keyboard.integer("upKey");
    game.downKey = keyboard.integer("downKey");
    game.leftKey = keyboard.integer("leftKey");
    game.rightKey = keyboard.integer("rightKey");
    for (std::size_t i = 0; i < game.shootButton.size(); ++i)
        game.shootButton[i] = keyboard.integer("shootButton" + std::to_string(i));
    game.startButton = keyboard.integer("startButton");
    game.selectButton = keyboard.integer("selectButton");
}

} // namespace

int libraryFromText(const std::string& text)
{
    if (text == "D3D11" || text == "D3D")
        return 1;
    if (text == "OGL")
        return 2;
    return 0;
}

void applyConfig(Game& game, const Ogre::ConfigFile& file)
{
    const SectionReader renderer(file, "renderer");
    game.shadowTextureRes = renderer.unsignedInteger("shadowTextureRes");
    game.language = SectionReader(file, "preferences").text("language");
    applyRenderer(game, renderer);
    applyEditorPreferences(game, SectionReader(file, "prefs"));
    applySound(game, SectionReader(file, "sound"));
    applyDebug(game, SectionReader(file, "debug"));
    renderer.ifPresent("isUseOldBulletTiming", game.isUseOldBulletTiming);
    applyPad(game, SectionReader(file, "pad"));
    applyKeyboard(game, SectionReader(file, "keyboard"));
}
