#include "app/GraphicsSystem.h"

#include "app/Log.h"
#include "app/ProgramPaths.h"
#include "app/RenderSettings.h"
#include "app/WindowLayout.h"
#include "core/ConfigReading.h"
#include "core/ConfigResource.h"
#include "core/Game.h"
#include "platform/ControllerDatabase.h"
#include "platform/RenderSystemChoice.h"
#include "platform/ShaderGeneration.h"
#include "world/affectors/ParticleAffectors.h"

#include <Overlay/OgreOverlaySystem.h>
#include <OgreCamera.h>
#include <OgreException.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgrePlatformInformation.h>
#include <OgreRenderSystem.h>
#include <OgreRenderSystemCapabilities.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreStringConverter.h>
#include <OgreViewport.h>

#include <SDL_syswm.h>

#include <algorithm>

GraphicsHandles graphics;
bool vsync = true;
int FSAA = 0;

namespace {

using Ogre::StringConverter;

std::string rendererValue(const std::string& key)
{
    return graphics.configFile.getSetting(key, "renderer", "");
}

void registerIniGroup(const std::string& prefPath)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    groups.addResourceLocation(prefPath, "FileSystem", "ini", false, true);
    groups.initialiseResourceGroup("ini");
    logLine("INI PATH: " + prefPath);
}

void loadConfigFile()
{
    if (!loadConfigResource(graphics.configFile)) {
        logLine("[ERROR] no config.ini in " + programPaths.prefPath);
        return;
    }
    logLine("INI loaded.");
}

// The window's keys as config.ini (or, for those it lacks, the game's
// template) gives them; the layout then fits them to the desktop.
WindowRequest readWindowRequest(Game& game, const Ogre::ConfigFile* gameTemplate)
{
    const WindowPosition position = applyWindowConfig(game, graphics.configFile, gameTemplate);
    WindowRequest request;
    request.width = game.width;
    request.height = game.height;
    request.posX = position.x;
    request.posY = position.y;
    request.fullscreen = game.fullscreen;
    request.fullScreenWidth = game.fullScreenWidth;
    request.fullScreenHeigth = game.fullScreenHeigth;
    return request;
}

void loadPlugins(const platform::RenderSystemChoice& choice)
{
    const std::string folder = std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/";
    graphics.root->loadPlugin(folder + choice.plugin);
    graphics.root->loadPlugin(folder + "Plugin_ParticleFX");
    graphics.root->loadPlugin(folder + "Codec_STBI");
}

void startRenderSystem(const platform::RenderSystemChoice& choice)
{
    graphics.renderSystem = graphics.root->getRenderSystemByName(choice.name);
    if (!graphics.renderSystem)
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    std::string("render system not available: ") + choice.name, "GraphicsSystem::initialize");
    graphics.root->setRenderSystem(graphics.renderSystem);
    graphics.root->initialise(false, "OGRE Render Window");
}

void startSdl()
{
    // GLX needs an X11 window, also on a Wayland desktop.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // SIGINT and SIGTERM are the program's own (the main loop closes the
    // game on them): SDL must not replace those handlers with its own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER) != 0)
        logLine("Unable to initialise SDL");
    const std::string database = programPaths.exePath + "gamecontrollerdb.txt";
    platform::loadControllerDatabase(database);
}

// Logs the display's DPI and modes; returns the desktop size.
SDL_DisplayMode describeDisplay()
{
    float ddpi = 0.0f, hdpi = 0.0f, vdpi = 0.0f;
    SDL_GetDisplayDPI(0, &ddpi, &hdpi, &vdpi);
    logLine("Display DPI - ddpi: " + StringConverter::toString(ddpi) + " - hdpi: "
            + StringConverter::toString(hdpi) + " - vdpi: " + StringConverter::toString(vdpi));
    SDL_DisplayMode desktop{};
    SDL_DisplayMode current{};
    SDL_GetDesktopDisplayMode(0, &desktop);
    SDL_GetCurrentDisplayMode(0, &current);
    logLine("DesktopDisplayMode - w: " + std::to_string(desktop.w) + " - h: " + std::to_string(desktop.h));
    logLine("CurrentDesktopDisplayMode - w: " + std::to_string(current.w) + " - h: " + std::to_string(current.h));
    return desktop;
}

// The values the window is made with are the ones kept and written back.
void storeWindowSettings(Game& game, const WindowLayout& layout)
{
    game.width = layout.width;
    game.height = layout.height;
    game.fullScreenWidth = layout.fullScreenWidth;
    game.fullScreenHeigth = layout.fullScreenHeigth;
    game.currentFullScreenWidth = static_cast<int>(layout.fullScreenWidth);
    game.currentFullScreenHeight = static_cast<int>(layout.fullScreenHeigth);
    game.fullscreen = layout.mode;
    game.isDesktopPortrait = layout.isDesktopPortrait;
}

void logScreenMode(int mode)
{
    if (mode == windowedMode)
        logLine("Screen mode: Windowed");
    else if (mode == desktopFullScreenMode)
        logLine("Screen mode: Windowed (Fullscreen)");
    else
        logLine("Screen mode: Fullscreen");
}

void createSdlWindow(Game& game, const WindowLayout& layout)
{
    if (game.fullscreen == fullScreenMode)
        logLine("Fullscreen size window creation - w: " + std::to_string(layout.createWidth)
                + " - h: " + std::to_string(layout.createHeight));
    const int x = layout.centred ? SDL_WINDOWPOS_CENTERED : layout.x;
    const int y = layout.centred ? SDL_WINDOWPOS_CENTERED : layout.y;
    graphics.sdlWindow = SDL_CreateWindow("", x, y, layout.createWidth, layout.createHeight, layout.flags);
    if (!graphics.sdlWindow)
        OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR,
                    std::string("Couldn't create the window: ") + SDL_GetError(), "GraphicsSystem::initialize");
    game.sdlWindow = graphics.sdlWindow;
    int drawableWidth = 0, drawableHeight = 0;
    SDL_GL_GetDrawableSize(graphics.sdlWindow, &drawableWidth, &drawableHeight);
    logLine("GL_getDrawableSize - w: " + std::to_string(drawableWidth) + " - h: " + std::to_string(drawableHeight));
    SDL_SetWindowMinimumSize(graphics.sdlWindow, layout.minWidth, layout.minHeight);
}

unsigned long nativeWindowHandle()
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(graphics.sdlWindow, &info) || info.subsystem != SDL_SYSWM_X11)
        OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR, "Couldn't get WM Info! (SDL2)", "GraphicsSystem::initialize");
    return static_cast<unsigned long>(info.info.x11.window);
}

// Made at the size of SDL's drawable, which the render window must always have.
void createRenderWindow()
{
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(graphics.sdlWindow, &width, &height);
    Ogre::NameValuePairList params;
    // Ogre 1.12's GLX window draws into SDL's window through a child window of
    // its own: only then can it follow the window's size (windowMovedOrResized);
    // on an external window it never learns a new size and its resize fails.
    params["parentWindowHandle"] = StringConverter::toString(nativeWindowHandle());
    params["title"] = "";
    params["gamma"] = "false";
    params["FSAA"] = StringConverter::toString(FSAA);
    params["vsync"] = vsync ? "true" : "false";
    params["monitorIndex"] = "0";
    params["border"] = "fixed";
    const unsigned renderWidth = static_cast<unsigned>(std::max(width, 1));
    const unsigned renderHeight = static_cast<unsigned>(std::max(height, 1));
    graphics.renderWindow = graphics.root->createRenderWindow("", renderWidth, renderHeight, false, &params);
}

// Returns whether the window must become 1280 x 800 full screen.
bool detectHandheld(Game& game)
{
    const std::string cpu = Ogre::PlatformInformation::getCpuIdentifier();
    const Ogre::RenderSystemCapabilities* caps = graphics.renderSystem->getCapabilities();
    const std::string device = caps ? caps->getDeviceName() : std::string();
    if (cpu.find("AMD Custom APU 0405") == std::string::npos
        || device.find("Custom GPU 0405 (RADV VANGOGH)") == std::string::npos)
        return false;
    logLine("We are running on a Steam Deck!");
    game.isSteamDeck = true;
    game.library = 1;
    if (!game.isFirstLaunch)
        return false;
    logLine("We are running on a Steam Deck: starting in 1280x800");
    game.fullScreenHeigth = 800;
    game.currentFullScreenWidth = 1280;
    game.currentFullScreenHeight = 800;
    game.fullscreen = fullScreenMode;
    game.currentWindowMode = fullScreenMode;
    SDL_SetWindowFullscreen(graphics.sdlWindow, SDL_WINDOW_FULLSCREEN);
    return true;
}

void createFirstScene()
{
    graphics.sceneManager = graphics.root->createSceneManager();
    graphics.sceneManager->addRenderQueueListener(graphics.overlaySystem);
    Ogre::Camera* camera = graphics.sceneManager->createCamera("IntroCam");
    Ogre::Viewport* viewport = graphics.renderWindow->addViewport(camera, 0);
    viewport->setBackgroundColour(Ogre::ColourValue::Black);
    viewport->setClearEveryFrame(true, Ogre::FBT_COLOUR | Ogre::FBT_DEPTH);
}

} // namespace

void createOverlaySystem()
{
    graphics.overlaySystem = new Ogre::OverlaySystem();
    Ogre::MeshManager::getSingleton().setBoundsPaddingFactor(0.0f);
    vsync = true;
    FSAA = 0;
}

void destroyOverlaySystem()
{
    delete graphics.overlaySystem;
    graphics.overlaySystem = nullptr;
}

void collectFSAAValues(Game&, int requested)
{
    if (requested <= 0) {
        FSAA = 0;
        return;
    }
    int last = 0;
    if (graphics.root && graphics.root->getRenderSystem()) {
        const Ogre::ConfigOptionMap& options = graphics.root->getRenderSystem()->getConfigOptions();
        const auto option = options.find("FSAA");
        if (option != options.end())
            for (const Ogre::String& value : option->second.possibleValues)
                last = std::atoi(value.c_str()); // leading digits, base 10
    }
    FSAA = std::min(last, requested);
}

void GraphicsSystem::initialize()
{
    Game& game = *Game::getSingletonPtr();
    registerIniGroup(programPaths.prefPath);
    loadConfigFile();
    Ogre::ConfigFile gameTemplate;
    const Ogre::ConfigFile* defaults =
        loadSettingsTemplate(gameTemplate, programPaths.exePath) ? &gameTemplate : nullptr;

    const platform::RenderSystemChoice choice = platform::chooseRenderSystem(rendererValue("library"));
    loadPlugins(choice);
    createParticleAffectorFactories();
    startRenderSystem(choice);
    // FSAA is capped by what the render system offers.
    applySetting(game, "renderer", "FSAA", graphics.configFile, defaults);
    applySetting(game, "renderer", "vsync", graphics.configFile, defaults);

    startSdl();
    const SDL_DisplayMode desktop = describeDisplay();
    const WindowLayout layout = computeWindowLayout(readWindowRequest(game, defaults), desktop.w, desktop.h);
    storeWindowSettings(game, layout);
    logScreenMode(game.fullscreen);
    createSdlWindow(game, layout);
    createRenderWindow();
    if (choice.usesShaderGenerator && !platform::startShaderGeneration(graphics.renderWindow))
        logLine("[ERROR] the shader generator could not start");

    const bool handheld = detectHandheld(game);
    Ogre::MaterialManager::getSingleton().setDefaultTextureFiltering(Ogre::TFO_TRILINEAR);
    graphics.renderWindow->setActive(true);
    graphics.renderWindow->setAutoUpdated(false);
    graphics.renderWindow->setDeactivateOnFocusChange(true);
    SDL_SetWindowSize(graphics.sdlWindow, handheld ? 1280 : layout.createWidth, handheld ? 800 : layout.createHeight);
    // Whatever size SDL settled on, the render window takes it.
    graphics.renderWindow->windowMovedOrResized();

    createFirstScene();
    graphics.root->renderOneFrame();
    graphics.renderWindow->update(true);
    graphics.renderWindow->update(true);
}
