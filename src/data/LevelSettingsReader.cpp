#include "data/LevelSettingsReader.h"

#include "data/SectionValues.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <OgreSceneNode.h>

#include <algorithm>
#include <string>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

// The editor leaves the camera's node this high above the scene.
const Ogre::Vector3 editorCameraPosition(0.0f, 400.0f, 0.0f);
// Sky layers the file can fill (the camera keeps more slots).
constexpr std::size_t fileSkyLayers = 6;

const Ogre::ColourValue defaultFogColour(0.6f, 0.8f, 1.0f, 1.0f);
const Ogre::ColourValue defaultAmbientColour(0.2f, 0.25f, 0.35f, 1.0f);
const Ogre::Vector3 defaultSunAngles(-80.0f, 15.0f, 0.0f);

// A colour of the section, each component that is not a finite number 0.
Ogre::ColourValue colourOf(const XmlNode* section, const char* name, const Ogre::ColourValue& absent)
{
    const Ogre::ColourValue read = SectionAttributes(section).reported(name, absent);
    Ogre::ColourValue finite;
    for (std::size_t i = 0; i < 4; ++i)
        finite[i] = finiteIn(read[i], -largestDataReach, largestDataReach, 0.0f);
    return finite;
}

void readOwnAttributes(const XmlNode& element, Level& level)
{
    const SectionValues own(&element);
    level.playerOverride = own.text("playerOverride", optional, "");
    level.musicVolume = own.real("musicVolume", optional, 1.0f);
    level.isShowHUD = own.flag("isShowHUD", optional, 1) != 0;
    level.isGameplayLevel = own.flag("isGameplayLevel", optional, level.isGameplayLevel) != 0;
    level.isPauseDisabled = own.flag("isPauseDisabled", optional, level.isPauseDisabled) != 0;
}

void readCounters(const XmlNode& element, Level& level)
{
    const SectionValues init(element, "init");
    level.lastWaveNameCounter = init.integer("lastWaveNameCounter", required, -1);
    level.lastTriggerNameCounter = init.integer("lastTriggerNameCounter", required, -1);
    level.lastSfxNameCounter = init.integer("lastSfxNameCounter", required, -1);
    level.particleNameCounter = init.integer("particleNameCounter", optional, -1);
    level.lastBGNameCounter = init.integer("lastBGNameCounter", required, -1);
    level.lastItemNameCounter = init.integer("lastItemNameCounter", required, -1);
    level.textNameCounter = init.integer("textNameCounter", required, -1);
    level.layerNameCounter = init.integer("layerNameCounter", optional, -1);
    // Render priorities are 16 bits wide: a larger number keeps its low bits.
    level.itemPriorityCounter = static_cast<std::uint16_t>(init.integer("zPriority", optional, 0));
    level.backgroundPriorityCounter = static_cast<std::uint16_t>(init.integer("zBGPriority", optional, 0));
    // An offset of render queues: never below the first nor past the last.
    level.currentLayer = static_cast<std::uint8_t>(std::clamp(init.integer("currentLayer", optional, 0), 0, 255));
}

void readEditorCamera(const XmlNode& element, GameCamera& camera)
{
    const SectionValues editor(element, "editorCam");
    camera.farClipBase = editor.real("ZFarCustom", optional, camera.farClipBase);
    camera.shadowExtra = editor.real("shadowZFarCustom", optional, camera.shadowExtra);
    camera.modeValue = 0;
    camera.viewValue = 0;
    camera.previousPersView = editor.integer("previousPersView", required, 0);
    camera.lockedChaseCamPos = editor.vector("lockedChaseCamPos", required, Ogre::Vector3::ZERO);
    camera.lockeddistanceOnSpline = editor.real("lockeddistanceOnSpline", required, 0.0f);
    if (camera.sceneNode)
        camera.sceneNode->setPosition(editorCameraPosition);
}

void readFog(const XmlNode& element, Level& level)
{
    const SectionValues fog(element, "Fog");
    level.fogStart = fog.real("fogStart", required, 100.0f);
    level.fogEnd = fog.real("fogEnd", required, 300.0f);
    level.fogDensity = fog.real("fogDensity", required, 0.0f);
    level.fogColour = colourOf(element.first_node("Fog"), "fogColour", defaultFogColour);
}

void readSkyLayers(const XmlNode& background, GameCamera& camera)
{
    const SectionValues sky(&background);
    for (std::size_t i = 0; i < fileSkyLayers; ++i) {
        const std::string text = "backgroundText" + std::to_string(i);
        skyLayer& layer = camera.skyLayers[i];
        layer.textureName = sky.text((text + "Name").c_str(), optional, "");
        layer.speed = sky.pair((text + "Speed").c_str(), optional, Ogre::Vector2(1.0f, 1.0f));
        layer.scrollOffset = sky.pair((text + "Offset").c_str(), optional, Ogre::Vector2::ZERO);
        layer.isFitHorizontal = sky.flag(("backgroundIsFitHorizontal" + std::to_string(i)).c_str(), optional, 1);
    }
}

void readBackground(const XmlNode& element, Level& level)
{
    const XmlNode* background = element.first_node("Background");
    level.backgroundGameName = SectionValues(background).text("backgroundGameName", optional, "");
    if (background && level.camera)
        readSkyLayers(*background, *level.camera);
}

void readPostEffects(const XmlNode& element, Level& level)
{
    const SectionValues post(element, "PostFX");
    level.Brightness = post.real("Brightness", required, 1.0f);
    level.Contrast = post.real("Contrast", required, 1.0f);
    level.Saturation = post.real("Saturation", required, 1.0f);
    level.Gamma = post.real("Gamma", required, 1.0f);
    level.IsPostCC = post.flag("IsPostCC", required, 0) != 0;
    level.isPostVignette = post.flag("isPostVignette", required, 1) != 0;
    level.isPostChromatic = post.flag("isPostChromatic", required, 0) != 0;
    level.isPostNoise = post.flag("isPostNoise", required, 0) != 0;
    level.isPostTV = post.flag("isPostTV", required, 0) != 0;
    level.IsPostInvert = post.flag("IsPostInvert", optional, 0) != 0;
    level.Invert_strength = post.real("Invert_strength", optional, 0.0f);
    level.IsPostPixel = post.flag("IsPostPixel", optional, 0) != 0;
    level.pixelSize = post.real("pixelSize", optional, 2.0f);
    level.TV_Curvature = post.real("TV_Curvature", optional, 0.5f);
    level.Vignette_strength = post.real("Vignette_strength", optional, 0.5f);
    level.TV_intensity = post.real("TV_intensity", optional, 0.5f);
    level.chromaticPostIntensity = post.real("chromaticPostIntensity", optional, 0.5f);
    level.noisePostIntensity = post.real("noisePostIntensity", optional, 0.5f);
}

void readSun(const XmlNode& element, Level& level)
{
    const SectionValues sun(element, "Sun");
    level.Rot = sun.vector("Rot", required, defaultSunAngles);
    level.isShadows = sun.flag("isShadows", required, level.isShadows) != 0;
    level.isSpriteLighting = sun.flag("isSpriteLighting", optional, level.isSpriteLighting) != 0;

    const XmlNode* colours = element.first_node("SunColour");
    const SectionValues strengths(colours);
    level.SunInt = strengths.real("SunInt", required, 1.0f);
    level.AmbiantInt = strengths.real("AmbiantInt", required, 0.0f);
    level.Amb = colourOf(colours, "Amb", defaultAmbientColour);
    level.Col = colourOf(colours, "Col", Ogre::ColourValue::White);
}

} // namespace

void readLevelSettings(const XmlNode& element, Level& level)
{
    const std::string music = SectionValues(&element).text("music", required, "");
    readOwnAttributes(element, level);
    readCounters(element, level);
    if (level.camera)
        readEditorCamera(element, *level.camera);
    readFog(element, level);
    readBackground(element, level);
    readPostEffects(element, level);
    readSun(element, level);
    readLevelLayers(element, level);
    level.music = music;
    level.setFog();
    level.applyPostEffects();
    level.setAmbientLight();
}
