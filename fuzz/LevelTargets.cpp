// Fuzz targets of the readers of a level file's elements. Each builds what
// it read in the play scene, as far as the objects reach Ogre, and destroys
// it again.
#include "FuzzTarget.h"

#include "FuzzPlayScene.h"

#include "app/Curves.h"
#include "app/OverlayWidget.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "data/BackgroundsReader.h"
#include "data/ItemsReader.h"
#include "data/LevelReader.h"
#include "data/LevelSfxReader.h"
#include "data/LevelWavesReader.h"
#include "data/ObbReader.h"
#include "data/PlayersReader.h"
#include "data/TriggerReader.h"
#include "data/WaypointReader.h"
#include "data/XmlFile.h"
#include "world/Item.h"
#include "world/Obb.h"
#include "world/PathFollower.h"
#include "world/Trigger.h"
#include "world/Waypoint.h"
#include "world/background.h"
#include "world/sfx.h"

#include <memory>

namespace {

const char* const group = "GAMERSC";
const char* const levelFile = "fuzz.level";
const double frame = 1.0 / 60.0;
// Path frames: enough to pass a few waypoints of a short path.
const int pathFrames = 8;
const double pathFrame = 0.25;
// Overlay frames: through a short appearance.
const int overlayFrames = 4;
const double overlayFrame = 0.2;

// Hands the root of the stored level file to `read`, in the play scene.
void readLevel(const std::function<void(XmlNode& root, FuzzPlayScene& scene)>& read)
{
    FuzzPlayScene& scene = playScene();
    readXmlResource(levelFile, group, [&scene, &read](XmlNode& root) { read(root, scene); });
    scene.updateTransforms();
    // Names from data must not pile up in the cache of resources looked up.
    Game::getSingletonPtr()->resourceAvailability.clear();
}

template <typename Object>
void destroyAll(std::vector<Object*>& objects)
{
    for (Object* object : objects)
        delete object;
    objects.clear();
}

void readEffects()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        std::vector<sfx*> effects;
        readLevelSfxs(root, effects, &scene.level);
        scene.updateTransforms();
        for (sfx* effect : effects)
            effect->update(frame);
        destroyAll(effects);
    });
}

void readItems()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        readLevelItems(root, &scene.level, scene.state.items, scene.items, scene.player);
        scene.updateTransforms();
        for (Item* item : scene.state.items)
            item->update(frame);
        destroyAll(scene.state.items);
    });
}

// A trigger's overlay is shown for a few frames, as when the trigger fires.
void showOverlay(Trigger& trigger)
{
    trigger.reset();
    if (!trigger.overlay)
        return;
    trigger.overlay->transitionState = 1;
    for (int i = 0; i < overlayFrames; ++i)
        trigger.overlay->update(overlayFrame, Ogre::Vector3::ZERO);
}

void readTriggers()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        readLevelTriggers(root, scene.state.triggers, &scene.level);
        scene.updateTransforms();
        for (Trigger* trigger : scene.state.triggers)
            showOverlay(*trigger);
        destroyAll(scene.state.triggers);
        // Overlay texts without a key get a new one in the Game's table.
        Game::getSingletonPtr()->defaultTexts.clear();
    });
}

// The waves are placed as instances of the sample game's wave definitions,
// stepped a few frames and destroyed.
void readWaves()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        std::vector<Wave*> waves;
        readLevelWaves(root, waves, &scene.level, scene.player, Game::getSingletonPtr()->waveLibrary);
        scene.updateTransforms();
        for (int i = 0; i < pathFrames; ++i)
            for (Wave* wave : waves)
                wave->update(frame);
        for (Wave* wave : waves) {
            wave->destroyGraphics();
            delete wave;
        }
    });
}

// Each "player" element fills a ship of its own, as a level places the play ship.
void readPlayers()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        for (XmlNode* element : childElements(root, "player")) {
            Player ship;
            readPlayer(*element, ship, &scene.level, PlayerElementMode::instance);
        }
    });
}

void readBackgrounds()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        std::vector<background*> placed;
        readLevelBackgrounds(root, placed, scene.backgrounds);
        destroyAll(placed);
    });
}

// The waypoints make a path that a node follows for a few frames.
void readWaypoints()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        std::vector<std::unique_ptr<Waypoint>> owned;
        std::vector<Waypoint*> path;
        for (XmlNode* element : childElements(root, "waypoint")) {
            owned.push_back(std::make_unique<Waypoint>("waypoint"));
            readWaypoint(*element, *owned.back());
            path.push_back(owned.back().get());
        }
        if (path.empty())
            return;
        std::vector<CurveSample> table;
        buildCurvePoints(path, table);
        Ogre::SceneNode* node = scene.world.addNode();
        PathFollower follower;
        follower.init(scene.world.scene, &scene.level, nullptr, &path, nullptr, node);
        for (int i = 0; i < pathFrames; ++i)
            follower.update(pathFrame, Ogre::Vector3::ZERO, table, false);
        scene.world.scene->destroySceneNode(node);
    });
}

// Each outline is projected on the play camera from a node of its own.
void readOutlines()
{
    readLevel([](XmlNode& root, FuzzPlayScene& scene) {
        for (XmlNode* element : childElements(root, "OBB")) {
            Obb outline;
            readObb(*element, outline);
            Ogre::SceneNode* node = scene.world.addNode();
            outline.bindCamera(scene.world.scene, node);
            outline.init();
            scene.updateTransforms();
            outline.updateScreenPolygon();
            outline.destroyGraphics();
            scene.world.scene->destroySceneNode(node);
        }
    });
}

// The whole level with a ship of its own, then a few frames of the camera
// on the path it read; everything it built is destroyed again and the
// camera and the Level forget it.
void readWholeLevel()
{
    FuzzPlayScene& scene = playScene();
    Game& game = *Game::getSingletonPtr();
    Player ship;
    ship.createSceneNodes(scene.world.scene);
    game.player = &ship;
    std::vector<Wave*> waves;
    std::vector<Trigger*> triggers;
    std::vector<sfx*> effects;
    std::vector<background*> placed;
    readLevel(LevelFile(levelFile), scene.level, ship, waves, scene.state.items, triggers, effects, Game::getSingletonPtr()->waveLibrary, placed,
              scene.backgrounds, scene.items);
    scene.updateTransforms();
    // As play starts the level: a file that gave no path flies the default one.
    scene.camera.restartPath();
    // Without a "Level" element no path was read.
    for (int i = 0; i < pathFrames && !scene.camera.levelPath.empty(); ++i)
        scene.camera.update(pathFrame);
    for (Wave* wave : waves)
        wave->destroyGraphics();
    destroyAll(waves);
    destroyAll(scene.state.items);
    destroyAll(triggers);
    destroyAll(effects);
    destroyAll(placed);
    destroyAll(scene.camera.levelPath);
    scene.level.destroyLayers();
    game.player = scene.player;
    game.defaultTexts.clear();
    game.resourceAvailability.clear();
}

void readLighting()
{
    readLevelLighting(LevelFile(levelFile), playScene().level);
}

void prepare() { playScene(); }

} // namespace

std::vector<FuzzTarget> levelTargets()
{
    return {
        {"level_effects", group, levelFile, {}, prepare, readEffects},
        {"level_items", group, levelFile, {}, prepare, readItems},
        {"level_triggers", group, levelFile, {}, prepare, readTriggers},
        {"level_backgrounds", group, levelFile, {}, prepare, readBackgrounds},
        {"level_waves", group, levelFile, {}, prepare, readWaves},
        {"level_players", group, levelFile, {}, prepare, readPlayers},
        {"waypoint", group, levelFile, {}, prepare, readWaypoints},
        {"obb", group, levelFile, {}, prepare, readOutlines},
        {"level_file", group, levelFile, {}, prepare, readWholeLevel},
        {"level_lighting", group, levelFile, {}, prepare, readLighting},
    };
}
