// The "Level" element of a level file: what an element holding only its
// music gives, and the render layers and their order.
#include "data/LevelSettingsReader.h"

#include "combat/PlayerScene.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"

#include <OgreStringConverter.h>

#include <gtest/gtest.h>

#include <iterator>

namespace {

using Ogre::StringConverter;

// Numbers as one text, separated by blanks.
std::string numbers(std::initializer_list<double> values)
{
    std::string text;
    for (double value : values)
        text += (text.empty() ? "" : " ") + StringConverter::toString(static_cast<float>(value));
    return text;
}

TEST(LevelSettingsReader, AnElementWithOnlyItsMusicGivesTheReadersDefaults)
{
    PlayerScene scene;
    Level& level = scene.level;
    GameCamera& camera = scene.camera;
    // What the element keeps when it leaves it out.
    level.isGameplayLevel = false;
    level.isPauseDisabled = true;
    level.isShadows = level.isSpriteLighting = true;
    camera.farClipBase = 33.0f;
    camera.shadowExtra = 44.0f;
    camera.skyLayers[2].textureName = "kept.png";
    // What it sets all the same.
    level.musicVolume = 0.1f;
    level.isShowHUD = false;
    camera.modeValue = 5;
    camera.viewValue = 6;
    LogCapture log;
    const XmlFragment element(R"(<Level music="theme.ogg"/>)");
    readLevelSettings(element.root(), level);

    const Ogre::SceneManager& sceneManager = *scene.world.scene;
    const struct {
        const char* name;
        std::string got;
        std::string want;
    } table[] = {
        {"music", level.music, "theme.ogg"},
        {"playerOverride", level.playerOverride, ""},
        {"musicVolume, isShowHUD", numbers({level.musicVolume, double(level.isShowHUD)}), "1 1"},
        {"isGameplayLevel, isPauseDisabled", numbers({double(level.isGameplayLevel), double(level.isPauseDisabled)}),
         "0 1"},
        {"name counters",
         numbers({double(level.lastWaveNameCounter), double(level.lastTriggerNameCounter),
                  double(level.lastSfxNameCounter), double(level.particleNameCounter), double(level.lastBGNameCounter),
                  double(level.lastItemNameCounter), double(level.textNameCounter)}),
         "-1 -1 -1 -1 -1 -1 -1"},
        {"zPriority, zBGPriority, currentLayer",
         numbers({double(level.itemPriorityCounter), double(level.backgroundPriorityCounter),
                  double(level.currentLayer)}),
         "0 0 0"},
        {"camera mode and view", numbers({double(camera.modeValue), double(camera.viewValue)}), "0 0"},
        {"editor view",
         numbers({double(camera.previousPersView), camera.lockedChaseCamPos.length(), camera.lockeddistanceOnSpline}),
         "0 0 0"},
        {"ZFarCustom, shadowZFarCustom", numbers({camera.farClipBase, camera.shadowExtra}), "33 44"},
        {"camera node", StringConverter::toString(camera.sceneNode->getPosition()), "0 400 0"},
        {"fog", numbers({level.fogStart, level.fogEnd, level.fogDensity}), "100 300 0"},
        {"fogColour", StringConverter::toString(level.fogColour), "0.6 0.8 1 1"},
        {"scene fog", numbers({double(sceneManager.getFogMode()), sceneManager.getFogStart(), sceneManager.getFogEnd()}),
         numbers({double(Ogre::FOG_EXP2), 100, 300})},
        {"backgroundGameName", level.backgroundGameName, ""},
        {"sky layer 2", camera.skyLayers[2].textureName, "kept.png"},
        {"colour values", numbers({level.Brightness, level.Contrast, level.Saturation, level.Gamma}), "1 1 1 1"},
        {"effect switches",
         numbers({double(level.IsPostCC), double(level.isPostVignette), double(level.isPostChromatic),
                  double(level.isPostNoise), double(level.isPostTV), double(level.IsPostInvert),
                  double(level.IsPostPixel)}),
         "0 1 0 0 0 0 0"},
        {"effect values",
         numbers({level.Invert_strength, level.pixelSize, level.TV_Curvature, level.Vignette_strength,
                  level.TV_intensity, level.chromaticPostIntensity, level.noisePostIntensity}),
         "0 2 0.5 0.5 0.5 0.5 0.5"},
        {"Rot", StringConverter::toString(level.Rot), "-80 15 0"},
        {"isShadows, isSpriteLighting", numbers({double(level.isShadows), double(level.isSpriteLighting)}), "1 1"},
        {"SunInt, AmbiantInt", numbers({level.SunInt, level.AmbiantInt}), "1 0"},
        {"Amb", StringConverter::toString(level.Amb), "0.2 0.25 0.35 1"},
        {"Col", StringConverter::toString(level.Col), "1 1 1 1"},
        {"scene ambient", StringConverter::toString(sceneManager.getAmbientLight()), "0 0 0 0"},
        {"layers", numbers({double(level.layers.size()), double(level.layers.at(0).isVisible), level.layers.at(0).Y}),
         "1 1 0"},
        {"layer 0", level.layers.at(0).name, "Default"},
        {"layerOrder, layerNameCounter", numbers({double(level.layerOrder.size()), double(level.layerOrder.at(0)),
                                                  double(level.layerNameCounter)}),
         "1 0 0"},
    };
    for (const auto& row : table)
        EXPECT_EQ(row.got, row.want) << row.name;
    EXPECT_FALSE(log.containsPrefix("[ERROR] "));
}

TEST(LevelSettingsReader, TheBackgroundFillsTheFirstSixSkyLayersWithTheirDefaults)
{
    PlayerScene scene;
    GameCamera& camera = scene.camera;
    for (skyLayer& sky : camera.skyLayers) {
        sky.textureName = "before.png";
        sky.speed = sky.scrollOffset = Ogre::Vector2(9.0f, 9.0f);
        sky.isFitHorizontal = 0;
    }
    LogCapture log;
    const XmlFragment element(R"(<Level music="m"><Background backgroundGameName="Dusk"
        backgroundText0Name="far.png" backgroundText0Speed="2 3" backgroundText0Offset="0.5 -1"
        backgroundIsFitHorizontal0="false" backgroundText2Name="mid.png" backgroundText5Speed="7 8"
        backgroundText5Offset="1 2" backgroundIsFitHorizontal5="true" backgroundText05Name="padded.png"
        backgroundText6Name="seventh.png" backgroundIsFitHorizontal6="true"/></Level>)");
    readLevelSettings(element.root(), scene.level);

    // Name, speed, offset and fit of each slot; the file holds six, the
    // camera's last two keep what they had.
    const char* const expected[] = {
        "far.png 2 3 0.5 -1 0", " 1 1 0 0 1", "mid.png 1 1 0 0 1",    " 1 1 0 0 1",
        " 1 1 0 0 1",           " 7 8 1 2 1", "before.png 9 9 9 9 0", "before.png 9 9 9 9 0",
    };
    ASSERT_EQ(camera.skyLayers.size(), std::size(expected));
    for (std::size_t slot = 0; slot < camera.skyLayers.size(); ++slot) {
        const skyLayer& sky = camera.skyLayers[slot];
        EXPECT_EQ(sky.textureName + " " + StringConverter::toString(sky.speed) + " " +
                      StringConverter::toString(sky.scrollOffset) + " " + std::to_string(sky.isFitHorizontal),
                  expected[slot])
            << slot;
    }
    EXPECT_EQ(scene.level.backgroundGameName, "Dusk");
    EXPECT_FALSE(log.containsPrefix("[ERROR] "));
}

std::string layer(int number, const char* name = "layer")
{
    return "<LAYER name=\"" + std::string(name) + "\" number=\"" + std::to_string(number) +
           R"(" color="1 0 0 1" Y="50" isVisible="true"/>)";
}

TEST(LevelSettingsReader, LayersTakeTheirOrderAndTheHighestNumberOfIt)
{
    const struct {
        const char* name;
        std::string layers;
        std::vector<std::int32_t> order;
        std::int32_t counter;
        std::size_t errors;
    } table[] = {
        {"ordered", layer(3) + layer(1) + layer(7) + R"(<LAYERORDER number0="7" number1="1" number2="3"/>)",
         {7, 1, 3}, 7, 0},
        {"one number twice", layer(4, "first") + layer(4, "second") + R"(<LAYERORDER number0="4"/>)", {4}, 4, 0},
        {"no order", layer(5) + layer(2), {2, 5}, 5, 1},
        {"an entry missing", layer(2) + layer(6) + R"(<LAYERORDER number1="6"/>)", {6}, 6, 1},
        {"below zero", layer(-3) + R"(<LAYERORDER number0="-3"/>)", {-3}, 0, 0},
    };
    PlayerScene scene;
    Level& level = scene.level;
    Ogre::SceneNode* root = scene.world.scene->getRootSceneNode();
    const std::size_t nodesBefore = root->numChildren();
    for (const auto& row : table) {
        const XmlFragment element(R"(<Level music="m"><init lastWaveNameCounter="1" lastTriggerNameCounter="1"
            lastSfxNameCounter="1" lastBGNameCounter="1" lastItemNameCounter="1" textNameCounter="1"
            layerNameCounter="99" zPriority="70000" zBGPriority="-1" currentLayer="300"/>)" + row.layers + "</Level>");
        LogCapture log;
        readLevelSettings(element.root(), level);
        EXPECT_EQ(level.layerOrder, row.order) << row.name;
        EXPECT_EQ(level.layerNameCounter, row.counter) << row.name;
        // Priorities keep their low 16 bits; the current layer stays a render-queue offset.
        EXPECT_EQ(level.itemPriorityCounter, 4464);
        EXPECT_EQ(level.backgroundPriorityCounter, 65535);
        EXPECT_EQ(level.currentLayer, 255);
        EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                                [](const std::string& line) { return line.rfind("[ERROR] ", 0) == 0; }),
                  static_cast<long>(row.errors))
            << row.name;
        // A replaced layer's node went with it.
        EXPECT_EQ(root->numChildren(), nodesBefore + level.layers.size()) << row.name;
        for (const auto& [number, entry] : level.layers)
            EXPECT_EQ(entry.sceneNode->getParent(), root) << row.name;
        level.destroyLayers();
        EXPECT_EQ(root->numChildren(), nodesBefore) << row.name;
    }
    // The order, not the numbers, places a layer among the render queues.
    const XmlFragment ordered(R"(<Level music="m">)" + layer(3) + layer(1) + layer(7) +
                              R"(<LAYERORDER number0="7" number1="1" number2="3"/></Level>)");
    readLevelSettings(ordered.root(), level);
    EXPECT_EQ(level.getLayerIndex(3), 2);
    EXPECT_EQ(level.getLayerIndex(7), 0);
    EXPECT_EQ(level.getLayerIndex(99), 0);
    level.destroyLayers();

    const XmlFragment twice(R"(<Level music="m">)" + layer(4, "first") + layer(4, "second") +
                            R"(<LAYERORDER number0="4"/></Level>)");
    readLevelSettings(twice.root(), level);
    EXPECT_EQ(level.layers.at(4).name, "second");
}

} // namespace
