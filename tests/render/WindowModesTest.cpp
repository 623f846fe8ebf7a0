// The three window modes, switched on a real SDL window with Ogre's render
// window inside it, as start-up makes them. The test's X server has no window
// manager: SDL's full-screen modes set the window's flags and SDL's idea of its
// size, but the X window keeps its size, and the render window (which follows
// the X window) with it. Only windowed sizes can be checked on both.
#include "support/LogCapture.h"
#include "support/RenderScene.h"

#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameState.h"
#include "play/playStateInputRules.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <SDL.h>
// After gtest: the X11 headers it pulls in define None, True and False.
#include <SDL_syswm.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class IdleState : public GameState {};

class WindowModes : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        // Windowed, as start-up creates it: hidden, resizable, high-DPI aware; then shown.
        sdlWindow = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1280, 720,
                                     SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
        ASSERT_NE(sdlWindow, nullptr) << SDL_GetError();
        const Ogre::NameValuePairList external = parameters();
        renderWindow = Ogre::Root::getSingleton().createRenderWindow("window modes", 1280, 720, false, &external);
        viewport = renderWindow->addViewport(scene->camera);
        SDL_ShowWindow(sdlWindow);

        savedRenderWindow = game.renderWindow;
        game.sdlWindow = sdlWindow;
        game.renderWindow = renderWindow;
        game.appliedWindowMode = game.appliedWidth = game.appliedHeight = 0;
        game.appliedFullScreenWidth = game.appliedFullScreenHeight = 0;
        SDL_DisplayMode desktop{};
        SDL_GetDesktopDisplayMode(0, &desktop);
        desktopWidth = desktop.w;
        desktopHeight = desktop.h;
    }
    void TearDown() override
    {
        if (renderWindow)
            Ogre::Root::getSingleton().destroyRenderTarget(renderWindow);
        if (sdlWindow)
            SDL_DestroyWindow(sdlWindow);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        game.sdlWindow = nullptr;
        game.renderWindow = savedRenderWindow;
        game.fullscreen = 0;
        game.isPortrait = false;
    }

    Ogre::NameValuePairList parameters() const
    {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        EXPECT_TRUE(SDL_GetWindowWMInfo(sdlWindow, &info));
        return {{"parentWindowHandle", std::to_string(info.info.x11.window)}, {"vsync", "false"}};
    }

    Uint32 fullScreenFlags() const { return SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP; }

    // The render window and its viewport have the size of SDL's drawable.
    void expectRenderWindowFollows(int width, int height) const
    {
        int drawableWidth = 0, drawableHeight = 0;
        SDL_GL_GetDrawableSize(sdlWindow, &drawableWidth, &drawableHeight);
        EXPECT_EQ(drawableWidth, width);
        EXPECT_EQ(drawableHeight, height);
        EXPECT_EQ(static_cast<int>(renderWindow->getWidth()), width);
        EXPECT_EQ(static_cast<int>(renderWindow->getHeight()), height);
        EXPECT_EQ(viewport->getActualWidth(), width);
        EXPECT_EQ(viewport->getActualHeight(), height);
    }

    // Changes the resolution and returns the lines it logged.
    std::vector<std::string> change()
    {
        LogCapture log;
        game.changeResolution();
        Ogre::Root::getSingleton().renderOneFrame();
        return log.lines;
    }

    // The three size lines as logged, the render window's size as it is now.
    std::vector<std::string> sizeLines(const std::string& prefix, int width, int height) const
    {
        const auto size = [](int w, int h) { return " Size - w: " + std::to_string(w) + " - h: " + std::to_string(h); };
        return {prefix + " Window" + size(width, height), prefix + " GLDrawable" + size(width, height),
                prefix + " RenderWindow"
                    + size(static_cast<int>(renderWindow->getWidth()), static_cast<int>(renderWindow->getHeight()))};
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    SDL_Window* sdlWindow = nullptr;
    Ogre::RenderWindow* renderWindow = nullptr;
    Ogre::RenderWindow* savedRenderWindow = nullptr;
    Ogre::Viewport* viewport = nullptr;
    int desktopWidth = 0;
    int desktopHeight = 0;
};

std::vector<std::string> joined(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST_F(WindowModes, WindowedFullScreenCoversTheDesktop)
{
    game.fullscreen = 1;
    const std::vector<std::string> lines = change();
    EXPECT_EQ(fullScreenFlags(), static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP));
    EXPECT_EQ(game.appliedWindowMode, 1);
    EXPECT_EQ(game.currentWindowMode, 1);
    ASSERT_EQ(lines.size(), 8u);
    const std::vector<std::string> old = {"Old Window Size - w: 1280 - h: 720", "Old GLDrawable Size - w: 1280 - h: 720",
                                          "Old RenderWindow Size - w: 1280 - h: 720"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              joined({{"CHANGING RESOLUTION"}, old, {"CHANGING RESOLUTION: Windowed Fullscreen"}}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()), sizeLines("New", desktopWidth, desktopHeight));

    // Asked again, it stays as it is and logs only the sizes.
    EXPECT_EQ(change().size(), 7u);

    // Back to a window of the size it had.
    game.fullscreen = 0;
    game.width = 1280;
    game.height = 720;
    change();
    EXPECT_EQ(fullScreenFlags(), 0u);
    EXPECT_EQ(game.appliedWindowMode, 0);
    expectRenderWindowFollows(1280, 720);
}

TEST_F(WindowModes, FullScreenTakesTheFullScreenSizeOnceAndBackToAWindow)
{
    game.fullscreen = 2;
    game.fullScreenWidth = 1280;
    game.fullScreenHeigth = 720;
    const std::vector<std::string> lines = change();
    EXPECT_EQ(fullScreenFlags(), static_cast<Uint32>(SDL_WINDOW_FULLSCREEN));
    EXPECT_EQ(game.appliedWindowMode, 2);
    EXPECT_EQ(game.appliedFullScreenWidth, 1280u);
    EXPECT_EQ(game.appliedFullScreenHeight, 720u);
    EXPECT_EQ(game.currentFullScreenWidth, 1280);
    EXPECT_EQ(game.currentFullScreenHeight, 720);
    EXPECT_EQ(game.currentWindowMode, 2);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[4], "CHANGING RESOLUTION: Fullscreen");
    // SDL takes the display mode nearest the size asked for.
    int width = 0, height = 0;
    SDL_GetWindowSize(sdlWindow, &width, &height);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()), sizeLines("New", width, height));

    // Full screen again at the same size changes nothing and logs only the sizes.
    const std::vector<std::string> again = change();
    EXPECT_EQ(again, joined({{"CHANGING RESOLUTION"}, sizeLines("Old", width, height), sizeLines("New", width, height)}));

    game.fullscreen = 0;
    game.width = 1366;
    game.height = 768;
    const std::vector<std::string> windowed = change();
    EXPECT_EQ(fullScreenFlags(), 0u);
    EXPECT_NE(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_RESIZABLE, 0u);
    EXPECT_EQ(game.appliedWindowMode, 0);
    EXPECT_EQ(game.appliedWidth, 1366);
    EXPECT_EQ(game.appliedHeight, 768);
    ASSERT_EQ(windowed.size(), 8u);
    EXPECT_EQ(windowed[4], "CHANGING RESOLUTION: Windowed");
    EXPECT_EQ(std::vector<std::string>(windowed.begin() + 5, windowed.end()), sizeLines("New", 1366, 768));
    expectRenderWindowFollows(1366, 768);
}

TEST_F(WindowModes, AWindowKeepsItsSizeUntilAnotherIsAskedFor)
{
    game.fullscreen = 0;
    game.width = 1280;
    game.height = 720;
    EXPECT_EQ(change().size(), 8u); // the applied size starts at 0
    EXPECT_EQ(change().size(), 7u);
    game.width = 1400;
    game.height = 800;
    EXPECT_EQ(change().size(), 8u);
    expectRenderWindowFollows(1400, 800);
}

TEST_F(WindowModes, AResizeByThePlayerReachesTheRenderWindowBeforeTheState)
{
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    {
        // The state outlives the manager, which exits it when destroyed.
        IdleState state;
        GameManager manager;
        manager.game = &game;
        manager.renderWindow = renderWindow;
        manager.changeState(&state);

        SDL_SetWindowSize(sdlWindow, 1500, 820);
        SDL_Event resized{};
        resized.type = SDL_WINDOWEVENT;
        resized.window.event = SDL_WINDOWEVENT_RESIZED;
        resized.window.data1 = 1500;
        resized.window.data2 = 820;
        ASSERT_EQ(SDL_PushEvent(&resized), 1);
        manager.pumpSdlEvents();
        expectRenderWindowFollows(1500, 820);
        // The render window belongs to the test, not to this manager.
        manager.renderWindow = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

TEST_F(WindowModes, TheStartMenuKeepsANarrowPortraitWindowWherePlayStoresItsFloor)
{
    game.isPortrait = true;
    SDL_SetWindowSize(sdlWindow, 600, 800);
    keepWindowSize(game, false);
    EXPECT_EQ(game.width, 600);
    keepWindowSize(game, true);
    EXPECT_EQ(game.width, 1280);
}

TEST_F(WindowModes, TheAspectRatioIsTheWindowsUnlessTheGameFixesIt)
{
    game.fullscreen = 0;
    game.width = 1600;
    game.height = 800;
    change();
    game.screenRatio = 0;
    EXPECT_FLOAT_EQ(game.computeAspectRatio(), 2.0f);
    game.screenRatio = 3;
    EXPECT_EQ(game.computeAspectRatio(), 0.75f);
    game.screenRatio = 1;
}
