// Reading a whole level file: the fixed order in which its objects are
// built and counted, the engine's default level, what a file without its
// "Level" or "player" element still gives, and bad input.
#include "data/LevelFileScene.h"

#include "data/WaveReader.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

std::vector<std::string> sceneLines(const LogCapture& log)
{
    std::vector<std::string> lines;
    std::copy_if(log.lines.begin(), log.lines.end(), std::back_inserter(lines),
                 [](const std::string& line) { return line.rfind("Scene: ", 0) == 0; });
    return lines;
}

// Where the first line holding the text was logged.
std::ptrdiff_t lineOf(const LogCapture& log, const std::string& text)
{
    return std::find_if(log.lines.begin(), log.lines.end(),
                        [&text](const std::string& line) { return line.find(text) != std::string::npos; }) -
           log.lines.begin();
}

TEST(LevelReader, ElementsInAnyOrderAreBuiltInTheFixedOrderAndCountedAtTheEnd)
{
    // Written backwards; each reader leaves a line of its own to order by: a
    // wave and an item without definitions, a camera point without its wait,
    // a background without its mesh.
    LevelFileScene files(LevelFiles{{"Test.level", R"(<LEVELFILE>
        <triggers triggerName="Trigger1" screenName="" type="0" activation_type="0" isSwitchOnly="false"/>
        <triggers triggerName="Trigger2" screenName="" type="0" activation_type="0" isSwitchOnly="false"/>
        <BG name="BG1" meshName="lost.mesh"><toybox parentName="LostScenery"/></BG>
        <sfx sfxName="sfx1" screenName="" lensFlareType="Basic"/>
        <Item itemName="Item1"><toybox parentName="LostItem"/></Item>
        <waypoint speed="3"/>
        <enemy waveName="Wave1"><toybox parentName="LostWave"/></enemy>
        <enemy waveName="Wave2"><toybox parentName="Drones"/><position pos="0 0 0" sca="1 1 1"/></enemy>
        <Level music="theme.ogg"/>
        <player><position pos="1 2 3" sca="1 1 1" orient="0 0 0"/></player></LEVELFILE>)"}});
    const XmlFragment drones(R"(<enemy waveName="Drones" meshName="interro.mesh"/>)");
    Wave* definition = files.waveLibrary["Drones"] = new Wave("");
    readWave(drones.root(), *definition, nullptr, nullptr, WaveElementMode::definition);
    definition->bindToLevel();
    LogCapture log;
    files.read("Test.level");

    EXPECT_EQ(files.scene.player.pos, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(files.scene.level.music, "theme.ogg");
    const std::ptrdiff_t order[] = {lineOf(log, "[ERROR] wave not found, nor Wave0: LostWave"),
                                    lineOf(log, "[ERROR] camera waypoint without wait"),
                                    lineOf(log, "[ERROR] item definition not found: LostItem"),
                                    lineOf(log, "[ERROR] can't find background mesh: lost.mesh"),
                                    lineOf(log, "Scene: "), static_cast<std::ptrdiff_t>(log.lines.size())};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order)) &&
                std::adjacent_find(std::begin(order), std::end(order)) == std::end(order));
    // Effects and triggers draw from one counter of render priorities.
    ASSERT_EQ(files.built.effects.size(), 1u);
    EXPECT_LT(files.built.effects[0]->priority, files.built.triggers.at(0)->priority);
    EXPECT_EQ(sceneLines(log), (std::vector<std::string>{"Scene: 1 enemies", "Scene: 1 backgrounds",
                                                         "Scene: 2 triggers", "Scene: 1 sfxs"}));
    EXPECT_EQ(log.levels[order[4]], Ogre::LML_CRITICAL);
}

TEST(LevelReader, AFileTheGameLacksGivesTheEnginesDefaultLevelOrOneErrorLine)
{
    {
        LevelFileScene files(LevelFiles{{"Other.level", "<LEVELFILE/>"}},
                             LevelFiles{{"default.level", R"(<LEVELFILE><player/><Level music="calm.ogg">
                                 <Sun Rot="0 0 0" isShadows="true" isSpriteLighting="on"/></Level></LEVELFILE>)"}});
        LogCapture log;
        const LevelFile lighting("Gone.level");
        readLevelLighting(lighting, files.scene.level);
        EXPECT_EQ(lighting.name(), "default.level");
        EXPECT_TRUE(files.scene.level.isShadows && files.scene.level.isSpriteLighting);
        EXPECT_EQ(files.scene.level.music, "") << "the lighting read takes the sun's switches alone";
        files.read("Gone.level");
        EXPECT_EQ(files.fileName, "default.level");
        EXPECT_EQ(files.scene.level.music, "calm.ogg");
        EXPECT_EQ(sceneLines(log).size(), 4u);
        EXPECT_FALSE(log.containsPrefix("[ERROR] "));
    }
    LevelFileScene files(LevelFiles{{"Other.level", "<LEVELFILE/>"}});
    LogCapture log;
    files.read("Gone.level");
    EXPECT_EQ(log.lines, std::vector<std::string>{"[ERROR] level file not found, nor default.level: Gone.level"});
}

TEST(LevelReader, WithoutLevelOnlyTheShipIsReadAndWithoutShipAllElse)
{
    LevelFileScene files(LevelFiles{
        {"Ship.level", R"(<LEVELFILE><player playerName="Renamed"><position pos="4 5 6" sca="1 1 1" orient="0 0 0"/>
                          </player><enemy waveName="Wave1"/><waypoint speed="2"/></LEVELFILE>)"},
        {"Rest.level", R"(<LEVELFILE><Level music="rest.ogg"/></LEVELFILE>)"}});
    const std::string shipNode = files.scene.player.playerName + "_Spritenode";
    LogCapture log;
    for (const char* name : {"Ship.level", "Rest.level"}) {
        readLevelLighting(LevelFile(name), files.scene.level);
        files.read(name);
    }
    EXPECT_EQ(files.scene.player.pos, Ogre::Vector3(4.0f, 5.0f, 6.0f));
    EXPECT_EQ(files.scene.level.music, "rest.ogg");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] level file without player: Rest.level",
                                                   "Scene: 0 enemies", "Scene: 0 backgrounds", "Scene: 0 triggers",
                                                   "Scene: 0 sfxs"}));
    EXPECT_FALSE(files.scene.level.isShadows || files.scene.level.isSpriteLighting);
    // The renamed ship's nodes go when it makes new ones, under the name it had.
    files.scene.player.createSceneNodes(files.scene.world.scene);
    EXPECT_FALSE(files.scene.world.scene->hasSceneNode(shipNode));
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); });
}

const std::string wholeLevel = R"(<LEVELFILE><player><position pos="7 7 7" sca="1 1 1" orient="0 0 0"/></player>
    <Level music="whole.ogg"><Sun Rot="1 2 3" isShadows="true"/></Level></LEVELFILE>)";

TEST(LevelReader, BadInputGivesLogLinesAndFiniteValuesNeverACrash)
{
    const auto notRead = [](const LevelFileScene& files, const LogCapture& log) {
        EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] level file does not parse, nothing of it used: "
                                                       "Bad.level (Error creating tinyxml2::XMLDocument)"}));
        EXPECT_EQ(log.levels, std::vector<Ogre::LogMessageLevel>{Ogre::LML_CRITICAL});
        EXPECT_EQ(files.scene.level.music, "");
        EXPECT_NE(files.scene.player.pos, Ogre::Vector3(7.0f, 7.0f, 7.0f));
    };
    const struct {
        const char* name;
        std::string text;
        std::function<void(const LevelFileScene&, const LogCapture&)> check;
    } table[] = {
        {"numbers that are not", R"x(<LEVELFILE><player/><Level music="m" musicVolume="nan">
            <init lastWaveNameCounter="x" lastTriggerNameCounter="1" lastSfxNameCounter="1" lastBGNameCounter="1"
                  lastItemNameCounter="1" textNameCounter="1" zPriority="abc"/>
            <editorCam previousPersView="0" lockedChaseCamPos="nan 1 1" lockeddistanceOnSpline="inf" ZFarCustom="-inf"/>
            <Fog fogStart="inf" fogEnd="-inf" fogDensity="nan(ind)" fogColour="nan 1 1 1"/>
            <Background backgroundText0Speed="inf 1" backgroundText0Offset="nan nan"/>
            <Sun Rot="nan(ind) 5 3" isShadows="1"/><SunColour SunInt="inf" AmbiantInt="abc" Amb="1 nan 1 1" Col="x"/>
            <LAYER name="a" number="nan" color="1 1 1 1" Y="inf" isVisible="1"/><LAYERORDER number0="1e10"/></Level>
            <CameraType rotType="nan" globalSpeedMult="inf" fov="-inf" frustrumOffset="nan 0">
              <ChaseBoundaries ChaseZone="inf inf" bounds="nan 1 inf 2"/><startPosition pos="inf 0 0"/></CameraType>
            <waypoint speed="nan"><position pos="nan(ind) 0 1" Tension="inf"/>
              <orientation orient="inf 0 0" rotType="1e30"/><wait waitDur="-inf"/></waypoint></LEVELFILE>)x",
         [](const LevelFileScene& files, const LogCapture&) {
             const Level& level = files.scene.level;
             const GameCamera& camera = files.scene.camera;
             const Waypoint& point = *camera.levelPath.at(0);
             EXPECT_TRUE(allFinite({level.musicVolume, level.fogStart, level.fogEnd, level.fogDensity,
                                    level.fogColour.r, level.Rot.x, level.SunInt, level.Amb.g, level.layers.at(0).Y,
                                    camera.lockedChaseCamPos.x, camera.lockeddistanceOnSpline, camera.farClipBase,
                                    camera.skyLayers[0].speed.x, camera.skyLayers[0].scrollOffset.y,
                                    camera.globalSpeedMult, camera.fovDegrees, camera.frustrumOffset.x,
                                    camera.ChaseZone.x, camera.bounds.x, camera.placedPosition.x, point.speed,
                                    point.position.x, point.tension, point.rotation.x, point.waitDuration}));
             EXPECT_EQ(level.itemPriorityCounter + level.lastWaveNameCounter + camera.rotType, 0);
         }},
        {"a file cut short", wholeLevel.substr(0, wholeLevel.size() / 2), notRead},
        {"an empty file", "", notRead},
        {"a file of comments", "<!-- nothing yet -->", notRead},
        {"a second Level and player", R"(<LEVELFILE><player><position pos="1 1 1" sca="1 1 1" orient="0 0 0"/>
            </player><Level music="first.ogg"/><player><position pos="2 2 2" sca="1 1 1" orient="0 0 0"/></player>
            <Level music="second.ogg"><LAYER name="late" number="5" color="1 1 1 1" Y="0" isVisible="1"/></Level>
            </LEVELFILE>)",
         [](const LevelFileScene& files, const LogCapture& log) {
             EXPECT_EQ(files.scene.level.music, "first.ogg");
             EXPECT_EQ(files.scene.player.pos, Ogre::Vector3(1.0f, 1.0f, 1.0f));
             EXPECT_EQ(files.scene.level.layers.count(5), 0u);
             EXPECT_FALSE(log.containsPrefix("[ERROR] "));
         }},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        LevelFileScene files(LevelFiles{{"Bad.level", row.text}});
        LogCapture log;
        files.read("Bad.level");
        row.check(files, log);
    }
}

} // namespace
