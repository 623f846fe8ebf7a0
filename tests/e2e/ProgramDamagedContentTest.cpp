// Damaged game content played through the real program: each row damages one
// file of a copy of the sample game, starts level 1 and lets it play; the
// program names the file and what was wrong in one "[ERROR] " line, plays on
// with a stand-in or the data's fallback, and quits cleanly when its window
// is closed.
#include "support/ArchiveEdit.h"
#include "support/ProgramPlayer.h"

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cstdint>
#include <random>
#include <regex>
#include <sys/stat.h>

namespace {

const std::string gameArchive = "data/game.tzn";
const std::string libraryArchive = "data/data.tzn";

using Damage = std::function<std::string(const std::string&)>;

std::string firstHalf(const std::string& bytes) { return bytes.substr(0, bytes.size() / 2); }
std::string nothing(const std::string&) { return {}; }
// A file of that text in place of the entry, or added when the game has none.
Damage written(const std::string& text)
{
    return [=](const std::string&) { return text; };
}

Damage replaced(const std::string& pattern, const std::string& with)
{
    return [=](const std::string& text) { return std::regex_replace(text, std::regex(pattern), with, std::regex_constants::format_first_only); };
}

// The ship's and the first enemy's position elements of the sample's first level.
const std::string shipPosition = R"(<position pos="0 -76 18" sca="1 1 1")";
const std::string enemyPosition = R"(<position pos="0 0 -60" sca="1 1 1")";

// A PNG whose header claims 60000 x 60000 pixels, more than any picture
// can hold in memory.
std::string hugePicture(const std::string& png)
{
    std::string bytes = png;
    const std::string size = {'\0', '\0', '\xea', '\x60'};
    bytes.replace(16, 4, size);
    bytes.replace(20, 4, size);
    return bytes;
}

// Scripts from another game: a particle template with an affector type and
// one naming a material that this game lacks, and a material whose
// environment map Ogre's shader generator cannot build.
const std::string foreignAffector =
    "particle_system foreignSmoke\n{\n emitter Point\n {\n  emission_rate 10\n }\n affector Vortex3D\n {\n }\n}\n";
const std::string foreignMaterialName =
    "particle_system foreignFog\n{\n material foreignFogMaterial\n emitter Point\n {\n }\n}\n";
const std::string cubicReflection = "material foreignChrome\n{\n technique\n {\n  pass\n  {\n   texture_unit\n"
                                    "   {\n    texture notFound.jpg\n    env_map cubic_reflection\n   }\n  }\n }\n}\n";

// The file's first bytes kept, the rest garbage.
std::string garbled(const std::string& file)
{
    std::string bytes = file;
    for (std::size_t i = 64; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7919u);
    return bytes;
}

// Bytes of no format at all, as many as the file had.
std::string noise(const std::string& file)
{
    std::minstd_rand random(42);
    std::string bytes(file.size(), '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

// A HUD layout of `count` text elements, each with a picture the game lacks.
Damage crowdedHud(int count)
{
    return [=](const std::string&) {
        std::string hud = "<HUD>";
        for (int i = 0; i < count; ++i)
            hud += R"(<HUDelement type="0" position="0.5 0.5"><textElement fontName="verdana" fontSize="15" )"
                   R"(align="1" text="x" imageName="missingEmblem.png"/></HUDelement>)";
        return hud + "</HUD>";
    };
}

// `count` texts more for the language file, after its own.
std::string manyTags(int count)
{
    std::string tags;
    for (int i = 0; i < count; ++i)
        tags += "<Tag basis=\"MORE_" + std::to_string(i) + "\">more</Tag>";
    return tags;
}

// The small explosion with 50,000 pieces more before its own two.
std::string crowdedExplosion(const std::string& explosions)
{
    std::string head = R"(<explosion name="Explosion_small" screenName="Small explosion" group="ENEMIES">)";
    for (int i = 0; i < 50000; ++i)
        head += R"(<EXPL screenName="x" timeBeforeStart="0" duration="0.1" particleName="" soundName=""/>)";
    return replaced(head.substr(0, head.find("<EXPL")), head)(explosions);
}

// The controller database with a 5 MB mapping line and 200,000 damaged ones.
std::string floodedControllers(const std::string& database)
{
    const std::string guid = "030000005e0400008e02000010010000";
    std::string text = database + guid + ",Huge," + std::string(5 << 20, 'x') + "\n";
    for (int i = 0; i < 200000; ++i)
        text += guid + ",Pad " + std::to_string(i) + ",a:b999999,b:a-77,leftx:h9.99,platform:Linux,\n";
    return text;
}

// The menu's start entry labelled with 10 KB of characters its font lacks.
std::string foreignStartLabel(const std::string& layout)
{
    std::string label;
    while (label.size() < 10240)
        label += "\xE3\x81\x93"; // a Japanese kana
    return replaced(R"(text="Start")", "text=\"" + label + "\"")(layout);
}

// Every number of the camera's path not a number.
std::string cameraPathOfNaN(const std::string& level)
{
    const std::regex cameraNumber(R"((speed|pos|orient|camOrient|CamShotFovMult|waitDur|fov|globalSpeedMult)="[^"]*")");
    const std::size_t from = level.find("<CameraType");
    const std::size_t to = level.find("<enemy ", from);
    const std::string path = level.substr(from, to - from);
    const std::string nanPath = std::regex_replace(path, cameraNumber, "$1=\"nan nan nan\"");
    return level.substr(0, from) + nanPath + level.substr(to);
}

// The ship's own gun firing by itself, each of its shots repeated `times` times.
Damage shipGunRepeated(const std::string& times)
{
    return [=](const std::string& weapons) {
        const std::size_t gun = weapons.find(R"(Name="Gun_Single")");
        const Damage own = replaced(R"(isAutoShoot="false"([\s\S]*?)repeater_number="1")",
                                    "isAutoShoot=\"true\"$1repeater_number=\"" + times + "\"");
        return weapons.substr(0, gun) + own(weapons.substr(gun));
    };
}

// The share of the window's pixels that are near white. A post effect left
// without its picture covers the level in white (about half the window,
// vignette aside); play itself has a few white sparks and texts.
double nearWhiteShare(const WindowImage& image)
{
    const auto isNearWhite = [](std::uint32_t pixel) {
        return (pixel & 0xffu) >= 235 && ((pixel >> 8) & 0xffu) >= 235 && ((pixel >> 16) & 0xffu) >= 235;
    };
    const auto white = std::count_if(image.pixels.begin(), image.pixels.end(), isNearWhite);
    return image.pixels.empty() ? 0.0 : double(white) / double(image.pixels.size());
}

// Something other than a file at the path where the game looks for one.
using Placing = void (*)(const std::string& path);
void folderAt(const std::string& path) { boost::filesystem::create_directory(path); }
void pipeAt(const std::string& path) { ::mkfifo(path.c_str(), 0600); }
void endlessFileAt(const std::string& path) { boost::filesystem::create_symlink("/dev/zero", path); }

// The text in UTF-16 with its byte order mark, as some editors save it.
std::string inUtf16(const std::string& text)
{
    std::string bytes = "\xff\xfe";
    for (const char c : text)
        bytes += {c, '\0'};
    return bytes;
}

// The game archive with a field of its first level's records flipped: its
// check value (CRC) or its encryption flag.
Damage levelRecordFlipped(std::size_t central, std::size_t local)
{
    return [=](const std::string& zip) { return archiveedit::flippedEntryField(zip, "Level01.level", central, local, 1); };
}

// The game's title and its first level's name each 10 MB long.
std::string tenMegabyteNames(const std::string& game)
{
    const std::string name = std::string(10'000'000, 'N');
    return replaced(R"(screenName="Above the Clouds")", "screenName=\"" + name + "\"")(
        replaced(R"(gameScreenName="Skyward")", "gameScreenName=\"" + name + "\"")(game));
}

struct DamagedFile {
    const char* name;
    std::string entry;
    Damage damage;
    std::string expectedLine;
    const char* library = "D3D9";
    // The archive holding the entry; empty when the entry is a loose file of
    // the game folder.
    std::string archive = gameArchive;
    bool isPlayable = true; // false: the game can't be read, its menu starts nothing
    std::string looseFolder = "game/"; // of a loose entry, in the run's folder
    Placing placing = nullptr; // in place of the loose file, instead of its damage
};

const std::string notRegularDatabase = "[ERROR] controller database not read, not a regular file: ";

const std::vector<DamagedFile>& damagedFiles()
{
    static const std::vector<DamagedFile> rows = {
        {"empty level", "Level01.level", nothing,
         "[ERROR] level file does not parse, nothing of it used: Level01.level"},
        {"cut level", "Level01.level", firstHalf,
         "[ERROR] level file does not parse, nothing of it used: Level01.level"},
        {"deep level", "Level01.level",
         [](const std::string&) {
             std::string deep;
             for (int i = 0; i < 300000; ++i)
                 deep += "<a>";
             return deep;
         },
         "[ERROR] level file does not parse, nothing of it used: Level01.level"},
        {"ship of no size", "Level01.level", replaced(shipPosition, R"(<position pos="0 -76 18" sca="0 0 0")"),
         "[ERROR] Level01.level: position with unusable sca: \"0 0 0\""},
        {"ship position without attributes", "Level01.level",
         replaced(shipPosition + R"( orient="0 0 0" symmetry="1" startSpriteOrientation="1 0 0 0")", "<position"),
         "[ERROR] Level01.level: position without attribute: sca"},
        {"enemy of NaN size", "Level01.level", replaced(enemyPosition, R"(<position pos="nan 0 -60" sca="nan 1 1")"),
         "[ERROR] Level01.level: position with unusable sca: \"nan 1 1\""},
        {"enemy of infinite size", "Level01.level", replaced(enemyPosition, R"(<position pos="0 0 -60" sca="inf inf 1")"),
         "[ERROR] Level01.level: position with unusable sca: \"inf inf 1\""},
        {"enemy far off and huge", "Level01.level",
         replaced(enemyPosition, R"(<position pos="1e30 0 -60" sca="1e30 1 1")"),
         "[ERROR] Level01.level: position with unusable sca: \"1e30 1 1\""},
        {"empty shot picture", "shotBlue.png", nothing, "[ERROR] can't load texture shotBlue.png"},
        {"cut sprite enemy picture", "enemySaucer.png", firstHalf, "[ERROR] can't load texture enemySaucer.png"},
        {"huge scenery picture", "cloudBank.png", hugePicture, "[ERROR] can't load texture cloudBank.png"},
        {"cut scenery mesh", "rock.mesh", firstHalf, "[ERROR] can't find background mesh: rock.mesh"},
        {"garbled scenery mesh", "rock.mesh", garbled, "[ERROR] can't find background mesh: rock.mesh"},
        // Hangs and names that point at nothing: the level starts in bounded
        // time and each name is logged once.
        {"HUD of ten thousand elements", "gamebox.HUD", crowdedHud(10000), "[ERROR] can't find picture: missingEmblem.png"},
        {"HUD of 100,000 elements", "gamebox.HUD", crowdedHud(100000),
         "[ERROR] gamebox.HUD: 99000 HUDelement elements over the limit of 1000 left out"},
        {"explosion of 50,000 pieces", "gamebox.explosions", crowdedExplosion,
         "[ERROR] gamebox.explosions: 49746 EXPL elements over the limit of 256 left out"},
        {"language file of 20,000 texts more", "english_localization.xml",
         replaced("</LOCALIZATION>", manyTags(20000) + "</LOCALIZATION>"),
         "[ERROR] english_localization.xml: 10021 Tag elements over the limit of 10000 left out"},
        {"flooded controller database", "gamecontrollerdb.txt", floodedControllers,
         "[ERROR] controller database partly unused: ", "D3D9", ""},
        {"weapon closed by another end tag", "gamebox.weapons", replaced("</weapon>", "</wepon>"),
         "[ERROR] library file does not parse, nothing of it used: gamebox.weapons"},
        // Glyphs a font lacks count nothing, and are not logged: a language's
        // text may well use another font's characters.
        {"start entry of 10 KB foreign text", "gamebox.startMenu", foreignStartLabel, ""},
        {"camera path of NaN", "Level01.level", cameraPathOfNaN,
         "[ERROR] Level01.level: CameraType with unusable fov: \"nan nan nan\""},
        {"menu entry to a missing screen", "gamebox.startMenu",
         replaced(R"(fonctionName="OPTIONS")", R"(fonctionName="OPTIONZ")"),
         "[ERROR] gamebox.startMenu: BUTTON OPTIONS of STARTMENU opens a missing screen: OPTIONZ"},
        {"foreign particle affector", "smoke.particle", written(foreignAffector),
         "[ERROR] script smoke.particle not fully read: ScriptCompiler - invalid parameters in smoke.particle(7): "
         "Cannot find requested affector type."},
        {"garbled material script", "scenery.material", garbled,
         "[ERROR] script scenery.material not fully read: ScriptCompiler - unexpected token in scenery.material("},
        {"particle material nowhere", "fog.particle", written(foreignMaterialName),
         "[ERROR] can't find particle texture: foreignFogMaterial, no such material or picture, named by particle "
         "template foreignFog of fog.particle"},
        {"environment map without generated shaders", "chrome.material", written(cubicReflection),
         "[ERROR] material foreignChrome (chrome.material) drawn plain, its shaders can't be generated: ", "D3D11"},
        {"cut font", "Verdana.ttf", firstHalf, "[ERROR] can't load font verdana from Verdana.ttf: Could not open font face!", "D3D9", libraryArchive},
        {"garbled font definition", "Skyward.fontdef", garbled, "[ERROR] script Skyward.fontdef not fully read: ",
         "D3D9", libraryArchive},
        {"garbled compositor script", "zarnithPostFX.compositor", garbled,
         "[ERROR] script zarnithPostFX.compositor not fully read: ", "D3D9", libraryArchive},
        {"garbled overlay script", "Skyward.overlay", garbled, "[ERROR] script Skyward.overlay not fully read: ",
         "D3D9", libraryArchive},
        {"garbled shader", "zarnithFlat.frag", garbled,
         "[ERROR] script zarnith.program not fully read: Program 'zarnith/FlatFP' is not supported: 'zarnithFlat.frag' ",
         "D3D11", libraryArchive},
        {"empty environment picture", "ReflectionMap_blurry.dds", nothing,
         "[ERROR] can't load texture ReflectionMap_blurry.dds", "D3D9", libraryArchive},
        {"cut sound bank", "data/Sounds/sounds.tzn", firstHalf, "[ERROR] can't open sound bank ", "D3D9", ""},
        {"garbled music bank", "data/Sounds/musics.tzn", garbled, "[ERROR] can't load music: skyward_theme.ogg", "D3D9", ""},
        {"cut language file", "english_localization.xml", firstHalf,
         "[ERROR] language file does not parse, nothing of it used: english_localization.xml"},
        {"cut weapons file", "gamebox.weapons", firstHalf,
         "[ERROR] library file does not parse, nothing of it used: gamebox.weapons"},
        {"gun of 2^31 repeats", "gamebox.weapons", shipGunRepeated("2147483648"),
         "[ERROR] gamebox.weapons: repeater with unusable repeater_number: \"2147483648\""},
        {"gun of 1e30 repeats", "gamebox.weapons", shipGunRepeated("1e30"),
         "[ERROR] gamebox.weapons: repeater with unusable repeater_number: \"1e30\""},
        {"empty game file", "Skyward.game", nothing,
         "[ERROR] game file does not parse, nothing of it used: Skyward.game", "D3D9", gameArchive, false},
        {"wave naming a missing gun", "gamebox.waves", replaced(R"(parentName="Gun_AimedSlow")", R"(parentName="Gun_Gone")"),
         "[ERROR] can't find weapon: Gun_Gone, named by wave Wave_DroneLine of gamebox.waves"},
        {"level wave naming a missing item", "Level01.level", replaced(R"(itemSpawned="Item1_Coin")", R"(itemSpawned="Item_Gone")"),
         "[ERROR] can't find item: Item_Gone, named by wave Wave1 of Level01.level"},
        {"random program script", "zarnith.program", noise, "[ERROR] script zarnith.program not fully read: ", "D3D9", libraryArchive},
        {"random mesh materials", "zarnithMeshes.material", noise, "[ERROR] script zarnithMeshes.material not fully read: ", "D3D11", libraryArchive},
        {"empty program script", "zarnith.program", nothing, "[ERROR] material postProdFX (zarnithPostFX.material) drawn plain, its programs are missing: zarnith/FlatVP, zarnith.program defines no program", "D3D11", libraryArchive},
        {"cut program script", "zarnith.program", firstHalf, "[ERROR] material defaultPicture (Skyward.material) drawn plain, its programs are missing: zarnith/TintedFlatFP", "D3D11", libraryArchive},
        {"cut program script, fixed function", "zarnith.program", firstHalf, "[ERROR] material defaultPicture (Skyward.material) drawn plain, its programs are missing: zarnith/TintedFlatFP", "D3D9", libraryArchive},
        {"empty particle picture", "1up.tga", nothing, "[ERROR] can't load texture 1up.tga"},
        {"random particle picture", "1up.tga", noise, "[ERROR] can't load texture 1up.tga", "D3D11"},
        {"empty engine archive", "data/data.tzn", nothing, "[ERROR] can't open resource location ", "D3D9", ""},
        {"random engine archive", "data/data.tzn", noise, "[ERROR] can't open resource location ", "D3D11", ""},
        {"random sprite plane", "plane1U.mesh", noise, "[ERROR] can't load mesh plane1U.mesh", "D3D9", libraryArchive},
        {"cut sky plane", "skyplane.mesh", firstHalf, "[ERROR] can't load mesh skyplane.mesh", "D3D11", libraryArchive},
        {"cut engine archive", "data/data.tzn", firstHalf, "[ERROR] can't load mesh interro.mesh", "D3D11", ""},
        {"random crosshair mesh", "gui_waypoint.mesh", noise, "[ERROR] can't find crosshair mesh: gui_waypoint.mesh", "D3D9", libraryArchive},
        {"wave naming a missing sound", "gamebox.waves", replaced(R"(startSoundName="bossAlarm.wav")", R"(startSoundName="bossGone.wav")"),
         "[ERROR] can't find sound: bossGone.wav, named by wave Wave_Boss of gamebox.waves"},
        {"controller database a folder", "gamecontrollerdb.txt", nothing, notRegularDatabase, "D3D9", "", true, "game/", folderAt},
        {"controller database a pipe", "gamecontrollerdb.txt", nothing, notRegularDatabase, "D3D11", "", true, "game/", pipeAt},
        {"controller database endless", "gamecontrollerdb.txt", nothing, notRegularDatabase, "D3D9", "", true, "game/", endlessFileAt},
        {"settings of random bytes", "share/Zarnith/zarnith/config.ini", noise,
         "[ERROR] settings file is not UTF-8 text, the template's values used: config.ini", "D3D9", "", true, ""},
        {"settings in UTF-16", "share/Zarnith/zarnith/config.ini", inUtf16,
         "[ERROR] settings file is not UTF-8 text, the template's values used: config.ini", "D3D9", "", true, ""},
        {"high scores a folder", "share/Zarnith/zarnith/high.scores/scores", written("<PREFS lasName = \"OLD\" />\n"),
         "[ERROR] high-score file is not a file, no score can be kept: ", "D3D9", "", true, ""},
        {"level failing its check", gameArchive, levelRecordFlipped(16, 14), "[ERROR] archive member fails its check (CRC): Level01.level of ", "D3D9", ""},
        {"encrypted level", gameArchive, levelRecordFlipped(8, 6), "[ERROR] archive member encrypted, not readable: Level01.level of ", "D3D11", ""},
        {"trigger linking a missing wave", "Level01.level", replaced(R"(linkedEntityName="sfxEmbers1")", R"(linkedEntityName="Wave_Gone")"),
         "[ERROR] can't find wave: Wave_Gone, named by trigger Trigger3 of Level01.level"},
        {"trigger linking a missing trigger", "Level01.level", replaced(R"(linkedEntityName="Trigger4")", R"(linkedEntityName="Trigger44")"),
         "[ERROR] can't find trigger: Trigger44, named by trigger Trigger5 of Level01.level"},
        {"random sky box picture", "skyboxBlack.dds", noise, "[ERROR] can't load texture skyboxBlack.dds: ", "D3D11", libraryArchive},
        {"every level missing", "Skyward.game", [](const std::string& game) { return std::regex_replace(game, std::regex("<LEVEL name=\""), "<LEVEL name=\"Gone"); },
         "[ERROR] Skyward.game: no level to play, each is missing or left out of the build", "D3D9", gameArchive, false},
        {"start menu without buttons", "gamebox.startMenu", replaced(R"((<MENUSCREEN name="STARTMENU"[^>]*>)[\s\S]*?</MENUSCREEN>)", "$1</MENUSCREEN>"),
         "[ERROR] gamebox.startMenu: MENUSCREEN STARTMENU has no BUTTON", "D3D9", gameArchive, false},
        {"explosion sheet of no columns", "gamebox.explosions", replaced(R"(textureDiv="4 2")", R"(textureDiv="0 2")"),
         "[ERROR] gamebox.explosions: EXPL with unusable textureDiv: \"0 2\""},
        {"title and level name of 10 MB", "Skyward.game", tenMegabyteNames,
         "[ERROR] Skyward.game: gameScreenName over the limit of 256 characters cut"},
    };
    return rows;
}

// One row a test, so that the rows play side by side.
class ProgramDamagedContent : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ProgramDamagedContent, TheFileIsNamedAndLevelOnePlaysOn)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    const DamagedFile& row = damagedFiles()[GetParam()];
    ProgramRun run;
    writeSettings(run, row.library);
    if (row.placing) {
        boost::filesystem::remove(run.gameDir() + row.entry);
        row.placing(run.gameDir() + row.entry);
    } else if (row.archive.empty())
        run.folder().write(row.looseFolder + row.entry, row.damage(run.folder().read(row.looseFolder + row.entry)));
    else
        ASSERT_TRUE(archiveedit::rewriteEntry(run.gameDir() + row.archive, row.entry, row.damage));
    Player player(run);
    ASSERT_TRUE(player.start());
    player.setPaceFromSplash(player.splashSeconds());
    ASSERT_TRUE(player.waitFor("start menu initialized")) << run.logText();
    player.wait(afterScreenChange);
    player.choose();       // "PRESS START"
    player.tap(XK_Return); // Start
    if (!row.isPlayable) { // nothing starts, and the window closes from the menu
        EXPECT_FALSE(player.waitFor("playstate starting time", 10));
        EXPECT_EQ(player.close(), 0) << run.logText();
        EXPECT_NE(run.logText().find(row.expectedLine), std::string::npos) << run.logText();
        return;
    }
    // The menu takes keys once its locks have run out in its own time, which
    // a crowded label slows far beyond the pace measured on the splash: the
    // start is pressed again until play starts.
    const int startSeconds = static_cast<int>(20 * player.pace);
    bool isStarted = player.waitFor("playstate starting time", startSeconds);
    for (int tries = 0; tries < 5 && !isStarted; ++tries) {
        player.tap(XK_Return);
        isStarted = player.waitFor("playstate starting time", startSeconds);
    }
    ASSERT_TRUE(isStarted) << run.logText();
    EXPECT_TRUE(player.playMoves()) << hasContent(player.shot(std::string("damaged-") + row.name));
    if (row.entry == "zarnith.program") { // the post effects drawn plain still show the level
        EXPECT_LT(nearWhiteShare(player.capture()), 0.1) << hasContent(player.shot(std::string("washed-") + row.name));
    }
    // In play a close pauses with the menu; the next leaves by its exit entry.
    ASSERT_TRUE(requestWindowClose(player.window));
    EXPECT_TRUE(player.holdsStill()) << hasContent(player.shot(std::string("damaged-paused-") + row.name));
    EXPECT_EQ(player.closeFromPlay(), 0) << run.logText();
    EXPECT_NE(run.logText().find(row.expectedLine), std::string::npos) << run.logText();
}

std::string rowName(const ::testing::TestParamInfo<std::size_t>& info) { return caseName(damagedFiles()[info.param].name); }

INSTANTIATE_TEST_SUITE_P(Rows, ProgramDamagedContent, ::testing::Range<std::size_t>(0, damagedFiles().size()), rowName);

} // namespace
