// Reading a whole level file: the fixed order in which its objects are
// built, the counts it logs, the fallback to the engine's default level and
// what a file without its "Level" or "player" element still gives.
#include "data/LevelFileScene.h"

#include "data/WaveReader.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"
#include "world/Waypoint.h"

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

// Where the first line holding the text was logged; the end when none does.
std::ptrdiff_t lineOf(const LogCapture& log, const std::string& text)
{
    const auto found = std::find_if(log.lines.begin(), log.lines.end(),
                                    [&text](const std::string& line) { return line.find(text) != std::string::npos; });
    return found - log.lines.begin();
}

void defineWave(LevelFileScene& files, const std::string& xml)
{
    const XmlFragment fragment(xml);
    auto* definition = new Wave("");
    readWave(fragment.root(), *definition, nullptr, nullptr, WaveElementMode::definition);
    definition->isLibraryDefinition = 1;
    definition->bindToLevel();
    files.waveLibrary[definition->waveName] = definition;
}

TEST(LevelReader, ElementsInAnyOrderAreBuiltInTheFixedOrderAndCountedAtTheEnd)
{
    // Written backwards; each reader leaves one line of its own to order by:
    // a wave and an item without definitions, a camera point without its
    // wait, a background without its mesh.
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
        <player><position pos="1 2 3" sca="1 1 1" orient="0 0 0"/></player>
      </LEVELFILE>)"}});
    defineWave(files, R"(<enemy waveName="Drones" meshName="interro.mesh"/>)");
    LogCapture log;
    files.read("Test.level");

    EXPECT_EQ(files.scene.player.pos, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(files.scene.level.music, "theme.ogg");
    const std::ptrdiff_t wave = lineOf(log, "[ERROR] wave not found, nor Wave0: LostWave");
    const std::ptrdiff_t camera = lineOf(log, "[ERROR] camera waypoint without wait");
    const std::ptrdiff_t item = lineOf(log, "[ERROR] item definition not found: LostItem");
    const std::ptrdiff_t scenery = lineOf(log, "[ERROR] can't find background mesh: lost.mesh");
    const std::ptrdiff_t counts = lineOf(log, "Scene: ");
    EXPECT_LT(wave, camera);
    EXPECT_LT(camera, item);
    EXPECT_LT(item, scenery);
    EXPECT_LT(scenery, counts);
    EXPECT_LT(counts, static_cast<std::ptrdiff_t>(log.lines.size()));
    // Effects and triggers draw from one counter of render priorities.
    ASSERT_EQ(files.built.effects.size(), 1u);
    ASSERT_EQ(files.built.triggers.size(), 2u);
    EXPECT_LT(files.built.effects[0]->priority, files.built.triggers[0]->priority);

    EXPECT_EQ(sceneLines(log), (std::vector<std::string>{"Scene: 1 enemies", "Scene: 1 backgrounds",
                                                         "Scene: 2 triggers", "Scene: 1 sfxs"}));
    EXPECT_EQ(log.levels[counts], Ogre::LML_CRITICAL);
    EXPECT_EQ(files.scene.camera.levelPath.size(), 1u) << "the point without its wait is left out";
}

TEST(LevelReader, AFileTheGameLacksGivesTheEnginesDefaultLevelOrOneErrorLine)
{
    const std::string fallback = R"(<LEVELFILE><player/><Level music="calm.ogg"><Sun Rot="0 0 0" isShadows="true"/>
                                    </Level></LEVELFILE>)";
    {
        LevelFileScene files(LevelFiles{{"Other.level", "<LEVELFILE/>"}}, {{"default.level", fallback}});
        LogCapture log;
        std::string lightingName = "Gone.level";
        readLevelLighting(lightingName, files.scene.level);
        files.read("Gone.level");
        EXPECT_EQ(lightingName, "default.level");
        EXPECT_EQ(files.built.fileName, "default.level");
        EXPECT_TRUE(files.scene.level.isShadows);
        EXPECT_EQ(files.scene.level.music, "calm.ogg");
        EXPECT_EQ(sceneLines(log).size(), 4u);
        EXPECT_FALSE(log.containsPrefix("[ERROR] "));
    }
    LevelFileScene files(LevelFiles{{"Other.level", "<LEVELFILE/>"}});
    LogCapture log;
    files.read("Gone.level");
    EXPECT_EQ(log.lines, std::vector<std::string>{"[ERROR] level file not found, nor default.level: Gone.level"});
    EXPECT_EQ(files.scene.level.music, "");
}

TEST(LevelReader, WithoutLevelOnlyTheShipIsReadAndWithoutShipAllElse)
{
    LevelFileScene files(LevelFiles{{"Ship.level", R"(<LEVELFILE><player><position pos="4 5 6" sca="1 1 1" orient="0 0 0"/>
                                            </player><enemy waveName="Wave1"/><waypoint speed="2"/></LEVELFILE>)"},
                          {"Rest.level", R"(<LEVELFILE><Level music="rest.ogg"/></LEVELFILE>)"}});
    LogCapture log;
    files.read("Ship.level");
    EXPECT_EQ(files.scene.player.pos, Ogre::Vector3(4.0f, 5.0f, 6.0f));
    EXPECT_TRUE(files.built.waves.empty());
    EXPECT_TRUE(files.scene.camera.levelPath.empty());
    EXPECT_TRUE(log.lines.empty()) << log.lines.front();

    files.read("Rest.level");
    EXPECT_EQ(files.scene.player.pos, Ogre::Vector3(4.0f, 5.0f, 6.0f));
    EXPECT_EQ(files.scene.level.music, "rest.ogg");
    EXPECT_TRUE(log.contains("[ERROR] level file without player: Rest.level"));
    EXPECT_EQ(sceneLines(log).size(), 4u);
}

TEST(LevelReader, TheLightingReadTakesOnlyTheSunsSwitches)
{
    LevelFileScene files(LevelFiles{{"Sun.level", R"(<LEVELFILE><Level music="sun.ogg">
                                           <Sun Rot="1 2 3" isShadows="yes" isSpriteLighting="on"/></Level></LEVELFILE>)"},
                          {"Dark.level", R"(<LEVELFILE><Level music="dark.ogg"/></LEVELFILE>)"}});
    std::string name = "Dark.level";
    readLevelLighting(name, files.scene.level);
    files.read(name);
    EXPECT_FALSE(files.scene.level.isShadows);
    EXPECT_FALSE(files.scene.level.isSpriteLighting);

    name = "Sun.level";
    Level& level = files.scene.level;
    readLevelLighting(name, level);
    EXPECT_TRUE(level.isShadows);
    EXPECT_TRUE(level.isSpriteLighting);
    EXPECT_EQ(level.music, "dark.ogg");
    EXPECT_EQ(level.Rot, Ogre::Vector3(-80.0f, 15.0f, 0.0f)) << "the sun's angles wait for the whole read";
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); });
}

const char* const wholeLevel = R"(<LEVELFILE><player><position pos="7 7 7" sca="1 1 1" orient="0 0 0"/></player>
    <Level music="whole.ogg"><Sun Rot="1 2 3" isShadows="true"/></Level>
    <waypoint speed="2"><wait waitDur="1"/></waypoint></LEVELFILE>)";

TEST(LevelReader, BadInputGivesLogLinesAndFiniteValuesNeverACrash)
{
    const auto notRead = [](const LevelFileScene& files, const LogCapture& log) {
        EXPECT_EQ(log.lines, std::vector<std::string>{"Error creating tinyxml2::XMLDocument"});
        EXPECT_EQ(log.levels, std::vector<Ogre::LogMessageLevel>{Ogre::LML_NORMAL});
        EXPECT_EQ(files.scene.level.music, "");
        EXPECT_TRUE(files.scene.level.layers.empty());
        EXPECT_NE(files.scene.player.pos, Ogre::Vector3(7.0f, 7.0f, 7.0f));
    };
    const std::string whole = wholeLevel;
    const struct {
        const char* name;
        std::string text;
        std::function<void(const LevelFileScene&, const LogCapture&)> check;
    } table[] = {
        {"numbers that are not", R"x(<LEVELFILE><player/>
            <Level music="m" musicVolume="nan">
              <init lastWaveNameCounter="x" lastTriggerNameCounter="1" lastSfxNameCounter="1" lastBGNameCounter="1"
                    lastItemNameCounter="1" textNameCounter="1" zPriority="abc"/>
              <editorCam camMode="0" previousPersView="0" previousPersPos="0 0 0" lockedChaseCamPos="nan 1 1"
                         lockeddistanceOnSpline="inf" ZFarCustom="-inf" shadowZFarCustom="nan"/>
              <Fog fogStart="inf" fogEnd="-inf" fogDensity="nan(ind)" fogColour="nan 1 1 1"/>
              <Background backgroundText0Speed="inf 1" backgroundText0Offset="nan nan"/>
              <PostFX Brightness="nan" Contrast="1e400" Saturation="x" Gamma="1" IsPostCC="maybe" isPostVignette="1"
                      isPostChromatic="0" isPostNoise="0" isPostTV="0" pixelSize="inf"/>
              <Sun Rot="nan(ind) 5 3" isShadows="1"/>
              <SunColour SunInt="inf" AmbiantInt="abc" Amb="1 nan 1 1" Col="x"/>
              <LAYER name="a" number="nan" color="1 1 1 1" Y="inf" isVisible="1"/>
              <LAYERORDER number0="1e10"/>
            </Level>
            <CameraType rotType="nan" globalSpeedMult="inf" fov="-inf" frustrumOffset="nan 0">
              <ChaseBoundaries ChaseZone="inf inf" bounds="nan 1 inf 2"/><startPosition pos="inf 0 0"/>
            </CameraType>
            <waypoint speed="nan"><position pos="nan(ind) 0 1" Tension="inf"/>
              <orientation orient="inf 0 0" rotType="1e30"/><wait waitDur="-inf"/></waypoint>
          </LEVELFILE>)x",
         [](const LevelFileScene& files, const LogCapture&) {
             const Level& level = files.scene.level;
             EXPECT_TRUE(allFinite({level.musicVolume, level.fogStart, level.fogEnd, level.fogDensity,
                                    level.fogColour.r, level.Brightness, level.Contrast, level.Saturation,
                                    level.pixelSize, level.Rot.x, level.SunInt, level.AmbiantInt, level.Amb.g,
                                    level.Col.r, level.layers.at(0).Y}));
             EXPECT_EQ(level.itemPriorityCounter, 0);
             EXPECT_EQ(level.lastWaveNameCounter, 0);
             const GameCamera& camera = files.scene.camera;
             EXPECT_TRUE(allFinite({camera.lockedChaseCamPos.x, camera.lockeddistanceOnSpline, camera.farClipBase,
                                    camera.shadowExtra, camera.skyLayers[0].speed.x, camera.skyLayers[0].scrollOffset.y,
                                    camera.globalSpeedMult, camera.fovDegrees, camera.frustrumOffset.x,
                                    camera.ChaseZone.x, camera.bounds.x, camera.bounds.z, camera.placedPosition.x}));
             EXPECT_EQ(camera.rotType, 0);
             ASSERT_EQ(camera.levelPath.size(), 1u);
             const Waypoint& point = *camera.levelPath[0];
             EXPECT_TRUE(allFinite({point.speed, point.position.x, point.tension, point.rotation.x,
                                    point.waitDuration}));
             EXPECT_FALSE(camera.sceneNode->getPosition().isNaN());
         }},
        {"a file cut short", whole.substr(0, whole.size() / 2), notRead},
        {"an empty file", "", notRead},
        {"a file of comments", "<!-- nothing yet -->", notRead},
        {"a second Level and player", R"(<LEVELFILE><player><position pos="1 1 1" sca="1 1 1" orient="0 0 0"/></player>
            <Level music="first.ogg"/><player><position pos="2 2 2" sca="1 1 1" orient="0 0 0"/></player>
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
