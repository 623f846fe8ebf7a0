#include "support/RenderScene.h"
#include "support/RenderColours.h"

#include "app/ResourceListeners.h"
#include "app/ResourceLocations.h"
#include "core/Game.h"
#include "core/materials/MaterialModule.h"
#include "platform/RenderSystemChoice.h"
#include "platform/ShaderGeneration.h"
#include "world/affectors/ParticleAffectors.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlaySystem.h>
#include <OgreCamera.h>
#include <OgreControllerManager.h>
#include <OgreEntity.h>
#include <OgreLight.h>
#include <OgreLogManager.h>
#include <OgreMath.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgrePixelFormat.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>
#include <OgreWorkQueue.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string renderLibrary()
{
    const char* library = std::getenv("ZARNITH_RENDER_LIBRARY");
    return library ? library : "";
}

// The engine of the process: made by the first scene, released after the last test.
struct Engine {
    // The trigonometry tables the program makes at start-up: without them
    // the table sine divides by zero.
    Ogre::Math* math = nullptr;
    Ogre::Root* root = nullptr;
    Ogre::OverlaySystem* overlays = nullptr;
    Ogre::RenderWindow* window = nullptr;
};

Engine* engine = nullptr;

// As the program makes them.
constexpr unsigned trigonometryTableSize = 4096;

void loadPlugins(const platform::RenderSystemChoice& choice)
{
    const std::string folder = std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/";
    for (const char* plugin : {choice.plugin, "Plugin_ParticleFX", "Codec_STBI"})
        engine->root->loadPlugin(folder + plugin);
}

// Root, render system and the hidden window, with generated shaders on OpenGL 3+.
void openWindow()
{
    // A quiet log: no file, no console; log listeners still see every line.
    if (!Ogre::LogManager::getSingletonPtr())
        (new Ogre::LogManager)->createLog("zarnith_render_tests.log", true, false, true);
    engine->root = new Ogre::Root("", "", "");
    engine->overlays = new Ogre::OverlaySystem;
    installResourceListeners();
    const platform::RenderSystemChoice choice = platform::chooseRenderSystem(renderLibrary());
    loadPlugins(choice);
    // As at start-up: the game's particle scripts use the runtime's own affectors.
    createParticleAffectorFactories();
    engine->root->setRenderSystem(engine->root->getRenderSystemByName(choice.name));
    // No worker threads: they would log while a test reads its captured log.
    if (auto* queue = dynamic_cast<Ogre::DefaultWorkQueueBase*>(engine->root->getWorkQueue()))
        queue->setWorkerThreadCount(0);
    engine->root->initialise(false);
    Ogre::NameValuePairList parameters{{"hidden", "true"}};
    engine->window = engine->root->createRenderWindow("zarnith render tests", RenderScene::frameSize,
                                                      RenderScene::frameSize, false, &parameters);
    // Frames are drawn by hand, as in the program, and read before any swap.
    engine->window->setAutoUpdated(false);
    if (choice.usesShaderGenerator)
        platform::startShaderGeneration(engine->window);
}

void startEngine()
{
    engine = new Engine;
    engine->math = new Ogre::Math(trigonometryTableSize);
    openWindow();
    Game& game = *Game::getSingletonPtr();
    game.gameFolder = ZARNITH_GAME_DIR;
    game.renderWindow = engine->window;
    initResourceLocations(game, ZARNITH_GAME_DIR);
    initMaterialModule();
}

class EngineRelease : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (!engine)
            return;
        resetMaterialModule();
        Game::getSingletonPtr()->renderWindow = nullptr;
        delete engine->overlays;
        platform::stopShaderGeneration();
        delete engine->root;
        destroyParticleAffectorFactories();
        delete engine->math;
        delete engine;
        engine = nullptr;
    }
};

[[maybe_unused]] const ::testing::Environment* const release = ::testing::AddGlobalTestEnvironment(new EngineRelease);

std::set<std::string> resourceNames(Ogre::ResourceManager& manager)
{
    std::set<std::string> names;
    for (const auto& resource : manager.getResourceIterator())
        names.insert(resource.second->getName());
    return names;
}

// A loaded font keeps its material for the engine's life and removes it
// when it goes itself.
bool isFontMaterial(const std::string& name)
{
    for (const auto& font : Ogre::FontManager::getSingleton().getResourceIterator()) {
        const Ogre::MaterialPtr& material = static_cast<Ogre::Font*>(font.second.get())->getMaterial();
        if (material && material->getName() == name)
            return true;
    }
    return false;
}

void removeResourcesSince(Ogre::ResourceManager& manager, const std::set<std::string>& before)
{
    std::vector<Ogre::ResourcePtr> made;
    for (const auto& resource : manager.getResourceIterator())
        if (!before.count(resource.second->getName()) && !isFontMaterial(resource.second->getName()))
            made.push_back(resource.second);
    for (const Ogre::ResourcePtr& resource : made)
        manager.remove(resource);
}

} // namespace

bool RenderScene::available() { return std::getenv("DISPLAY") != nullptr; }

RenderScene::RenderScene() : pixels(frameSize * frameSize * 4)
{
    if (!engine)
        startEngine();
    scene = engine->root->createSceneManager();
    scene->addRenderQueueListener(engine->overlays);
    camera = scene->createCamera("RenderSceneCamera");
    camera->setProjectionType(Ogre::PT_ORTHOGRAPHIC);
    camera->setOrthoWindow(viewSize, viewSize);
    camera->setNearClipDistance(1.0f);
    camera->setFarClipDistance(200.0f);
    // Looking down -Y, with -Z at the top of the frame.
    Ogre::SceneNode* eye = scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(0.0f, 100.0f, 0.0f));
    eye->setOrientation(Ogre::Quaternion(Ogre::Degree(-90.0f), Ogre::Vector3::UNIT_X));
    eye->attachObject(camera);
    Ogre::Viewport* viewport = engine->window->addViewport(camera);
    viewport->setBackgroundColour(Ogre::ColourValue::Black);
    Game::getSingletonPtr()->sceneManager = scene;
    clearMaterialCaches();
    materialsBefore = resourceNames(Ogre::MaterialManager::getSingleton());
    meshesBefore = resourceNames(Ogre::MeshManager::getSingleton());
    // The clock stands still unless a test moves it: animations show known frames.
    Ogre::ControllerManager::getSingleton().setTimeFactor(0.0f);
    setClock(0.0f);
}

RenderScene::~RenderScene()
{
    Ogre::ControllerManager::getSingleton().setTimeFactor(1.0f);
    Game::getSingletonPtr()->sceneManager = nullptr;
    engine->window->removeAllViewports();
    engine->root->destroySceneManager(scene);
    // The materials and meshes the test made or loaded go, so that the next
    // test makes its own: a test's mesh must not stand in for another's of
    // the same name.
    removeResourcesSince(Ogre::MaterialManager::getSingleton(), materialsBefore);
    removeResourcesSince(Ogre::MeshManager::getSingleton(), meshesBefore);
}

Ogre::SceneNode* RenderScene::place(Ogre::MovableObject* object, const Ogre::Vector3& position)
{
    Ogre::SceneNode* node = scene->getRootSceneNode()->createChildSceneNode(position);
    node->attachObject(object);
    return node;
}

Ogre::Entity* RenderScene::placeMesh(const std::string& meshName, const Ogre::Vector3& position)
{
    Ogre::Entity* entity = scene->createEntity(meshName);
    place(entity, position);
    return entity;
}

void RenderScene::addLight(const Ogre::Vector3& direction)
{
    Ogre::Light* light = scene->createLight();
    light->setType(Ogre::Light::LT_DIRECTIONAL);
    light->setDiffuseColour(Ogre::ColourValue::White);
    place(light, Ogre::Vector3::ZERO)->setDirection(direction, Ogre::Node::TS_WORLD);
}

void RenderScene::setClock(float seconds) { Ogre::ControllerManager::getSingleton().setElapsedTime(seconds); }

void RenderScene::renderFrame()
{
    // The window is drawn without a buffer swap and read from its back buffer:
    // after a swap the back buffer's content is undefined, and under load the
    // driver does hand back an empty one. The root's frame still runs the
    // frame listeners and controllers.
    engine->root->renderOneFrame();
    engine->window->update(false);
    const Ogre::PixelBox frame(frameSize, frameSize, 1, Ogre::PF_BYTE_RGBA, pixels.data());
    engine->window->copyContentsToMemory(frame, frame, Ogre::RenderTarget::FB_BACK);
}

Ogre::ColourValue RenderScene::colourAt(const Ogre::Vector3& world) const
{
    return colourOnScreen(world.x / viewSize + 0.5f, world.z / viewSize + 0.5f);
}

Ogre::ColourValue RenderScene::colourOnScreen(float x, float y) const
{
    const auto toPixel = [](float coordinate) {
        const int pixel = static_cast<int>(coordinate * frameSize);
        return std::min(std::max(pixel, 0), frameSize - 1);
    };
    const unsigned char* texel = &pixels[(toPixel(y) * frameSize + toPixel(x)) * 4];
    return Ogre::ColourValue(texel[0] / 255.0f, texel[1] / 255.0f, texel[2] / 255.0f, texel[3] / 255.0f);
}

void RenderScene::keepFrame(const std::string& name) const
{
    const char* folder = std::getenv("ZARNITH_RENDER_SHOTS");
    if (!folder)
        return;
    const std::string library = renderLibrary().empty() ? "GL" : renderLibrary();
    engine->window->writeContentsToFile(std::string(folder) + "/" + name + "-" + library + ".png");
}

float RenderScene::spreadOnScreen(float from, float to) const
{
    constexpr int grid = 24;
    const float span = to - from;
    Ogre::ColourValue low(1, 1, 1), high(0, 0, 0);
    for (int row = 0; row < grid; ++row)
        for (int column = 0; column < grid; ++column) {
            const Ogre::ColourValue colour =
                colourOnScreen(from + span * (column + 0.5f) / grid, from + span * (row + 0.5f) / grid);
            low = Ogre::ColourValue(std::min(low.r, colour.r), std::min(low.g, colour.g), std::min(low.b, colour.b));
            high =
                Ogre::ColourValue(std::max(high.r, colour.r), std::max(high.g, colour.g), std::max(high.b, colour.b));
        }
    return colourDistance(high, low);
}
