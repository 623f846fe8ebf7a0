// Runs one game state at a time, feeds it keyboard, mouse, controller and
// window events, and hands it a capped time step each frame.
#pragma once

#include "app/GpuCommandBufferFlush.h"

#include <OISKeyboard.h>
#include <OISMouse.h>

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace Ogre {
class RenderSystem;
class RenderWindow;
} // namespace Ogre
namespace platform {
class SdlInputSystem;
}

class Game;
class GameState;

// Pure rules of the manager, kept apart so they can be checked alone.
double capTimeStep(double elapsed, float playClock);
// Clamps the mouse to the window; returns whether it lies inside.
bool clampMouseToWindow(int& x, int& y, int width, int height);
// Whether a joystick axis value lies beyond the dead zone the states ignore.
bool isAxisBeyondDeadZone(int value);

class GameManager : public OIS::KeyListener, public OIS::MouseListener {
public:
    GameManager();
    ~GameManager() override;
    GameManager(const GameManager&) = delete;
    GameManager& operator=(const GameManager&) = delete;

    // The one manager, from its constructor to its destructor.
    static GameManager* getSingletonPtr();
    static GameManager& getSingleton();

    void setup();
    void changeState(GameState* state);
    void update(double elapsed);
    void pumpSdlEvents();
    void captureInput();
    void createInput();
    void destroyInput();
    void openGameController();
    void closeGameController();

    bool keyPressed(const OIS::KeyEvent& event) override;
    bool keyReleased(const OIS::KeyEvent& event) override;
    bool mouseMoved(const OIS::MouseEvent& event) override;
    bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID id) override;
    bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID id) override;
    bool windowClosed();

    GameState* currentState() const { return states.empty() ? nullptr : states.back(); }

    Ogre::RenderWindow* renderWindow = nullptr;
    Ogre::RenderSystem* renderSystem = nullptr;
    platform::SdlInputSystem* inputManager = nullptr;
    OIS::Keyboard* keyboard = nullptr;
    OIS::Mouse* mouse = nullptr;
    SDL_GameController* gameController = nullptr;
    std::uint64_t lastTime = 0;
    Game* game = nullptr;

private:
    // Set in the constructor's body, once every member is built: a base class
    // that registered `this` would hand out a manager still under construction.
    static GameManager* instance;

    void handleWindowEvent(const SDL_WindowEvent& event);
    void handleResize(const SDL_WindowEvent& event);
    void handleFocusGained();
    void handleFocusLost();
    void handleEvent(const SDL_Event& event);
    void stampClock();

    std::vector<GameState*> states;
    Ogre::GpuCommandBufferFlush gpuFlush;
};
