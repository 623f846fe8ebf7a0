#include "FuzzPlayScene.h"

#include "FuzzWorld.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "data/BackgroundsReader.h"
#include "data/ItemsReader.h"
#include "data/PicturesReader.h"
#include "data/SfxReader.h"
#include "data/WavesReader.h"
#include "data/WeaponsReader.h"
#include "world/affectors/ParticleAffectors.h"
#include "world/sfxManager.h"

#include <OgreDataStream.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>

namespace {

const char* const sampleGroup = "FuzzSample";

// Ogre's particle plug-in, the runtime's affectors and the sample game's
// particle templates.
void loadParticles()
{
    Ogre::Root::getSingleton().loadPlugin(std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
    createParticleAffectorFactories();
    for (const char* script : {"zarnithEffects.particle", "zarnithLevelEffects.particle"}) {
        const std::string text = sampleFile("data.tzn", script);
        Ogre::DataStreamPtr stream(
            new Ogre::MemoryDataStream(script, const_cast<char*>(text.data()), text.size()));
        Ogre::ParticleSystemManager::getSingleton().parseScript(stream, sampleGroup);
    }
    // Templates the sfx library does not list join it, as the game's toybox lets them.
    Game::getSingletonPtr()->loadParticlePresets();
}

void loadLibraries(FuzzPlayScene& scene)
{
    Game& game = *Game::getSingletonPtr();
    fuzzWorld().addSampleGroup(sampleGroup, "game.tzn", "gamebox.*");
    loadPicturesGamebox("gamebox.pictures", sampleGroup, game.pictureLibrary);
    loadPicturesGamebox("gamebox.sprites", sampleGroup, game.spriteLibrary);
    loadSfxGamebox("gamebox.sfx", sampleGroup, game.sfxLibrary);
    loadItemsGamebox("gamebox.items", sampleGroup, scene.items);
    loadBackgroundGamebox("gamebox.background", sampleGroup, scene.backgrounds);
    // The waves a level places are instances of these, their guns bound to the weapons.
    loadWavesGamebox("gamebox.waves", sampleGroup, game.waveLibrary);
    loadWeaponsGamebox("gamebox.weapons", sampleGroup, game.weaponLibrary);
    bindWaveWeapons(game.waveLibrary, game.weaponLibrary);
}

} // namespace

FuzzPlayScene::FuzzPlayScene()
{
    fuzzWorld().addSampleGroup("Media", "data.tzn", "*.mesh");
    loadLibraries(*this);
    loadParticles();
    Game& game = *Game::getSingletonPtr();
    game.sceneManager = world.scene;
    game.aspectRatio = 16.0f / 9.0f;
    camera.setupScene();
    camera.createDefaultWaypoints();
    camera.createFrustumVisual();
    level.camera = &camera;
    // The level was made before the Game knew this scene.
    level.effects->sceneManager = world.scene;
    level.effects->camera = &camera;
    level.state = &state;
    game.level = &level;
    player = game.player = new Player;
    player->sceneNode = world.addNode();
    player->status = 2;
    updateTransforms();
}

FuzzPlayScene& playScene()
{
    static FuzzPlayScene* scene = new FuzzPlayScene;
    return *scene;
}
