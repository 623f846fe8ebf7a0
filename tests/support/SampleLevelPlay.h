// A fixture that plays a level of the sample game on the test engine's
// window, with the program's own play state, manager and keyboard: a test
// sets the game up in `configure` (after the sample is read, before play is
// entered), then runs frames and presses keys as a player would.
#pragma once

#include "support/RenderScene.h"
#include "support/SampleGame.h"
#include "support/WindowManager.h"

#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameState.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "play/playState.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class SampleLevelPlay : public ::testing::Test {
protected:
    static constexpr double frameStep = 1.0 / 30.0;

    virtual const char* levelName() const { return "Level01"; }
    // The game's settings for the test, before play is entered.
    virtual void configure() {}
    // Before every frame the fixture runs.
    virtual void beforeFrame() {}
    // Once play is left, while the engine still stands.
    virtual void afterUnload() {}

    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        samplegame::load(game, levelName());
        configure();
        manager = windowmanager::start(game);
        manager->changeState(&play);
        keyboard = dynamic_cast<platform::SdlKeyboard*>(game.keyboard);
    }

    void TearDown() override
    {
        if (!manager)
            return;
        samplegame::unload(game, manager, outside);
        afterUnload();
        scene.reset();
    }

    // One turn of the main loop.
    void runFrame()
    {
        beforeFrame();
        manager->update(frameStep);
        scene->renderFrame();
    }

    // Frames until the condition holds after one, each prepared by `each`;
    // false when the stage ran out of frames.
    bool runUntil(const std::function<bool()>& done, const std::function<void()>& each = [] {})
    {
        for (int frame = 0; frame < stageFrames; ++frame) {
            each();
            runFrame();
            if (done())
                return true;
        }
        return false;
    }

    // A key pressed for one frame and let go in the next.
    void tap(SDL_Scancode key)
    {
        keyboard->queueKey(sdlEvents::keyDown(key).key);
        runFrame();
        keyboard->queueKey(sdlEvents::keyUp(key).key);
        runFrame();
    }

    class Outside : public GameState {};

    Game& game = *Game::getSingletonPtr();
    playState& play = *playState::getInstance();
    Outside outside;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
    platform::SdlKeyboard* keyboard = nullptr;
    // The longest a stage may take before it counts as failed.
    int stageFrames = 20 * 30;
};
