#include "core/GameManager.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/GameState.h"
#include "platform/SdlInputSystem.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreTimer.h>

#include <algorithm>

GameManager* GameManager::instance = nullptr;

namespace {

constexpr double defaultStep = 1.0 / 30.0;
constexpr int axisDeadZone = 3200;

std::uint64_t timerMicroseconds()
{
    Ogre::Root* root = Ogre::Root::getSingletonPtr();
    return root ? root->getTimer()->getMicroseconds() : 0;
}

} // namespace

double capTimeStep(double elapsed, float playClock)
{
    double step = playClock == 0.0f ? std::min(elapsed, defaultStep) : elapsed;
    if (step > 0.25)
        step = defaultStep;
    return step;
}

bool clampMouseToWindow(int& x, int& y, int width, int height)
{
    if (x <= 0) {
        x = 0;
        return false;
    }
    if (y < 1) {
        y = 0;
        return false;
    }
    if (x >= width) {
        x = width;
        return false;
    }
    if (y >= height) {
        y = height;
        return false;
    }
    return true;
}

bool isAxisBeyondDeadZone(int value) { return value > axisDeadZone || value < -axisDeadZone; }

GameManager* GameManager::getSingletonPtr() { return instance; }

GameManager& GameManager::getSingleton() { return *instance; }

GameManager::GameManager() { instance = this; }

GameManager::~GameManager()
{
    gpuFlush.stop();
    while (!states.empty()) {
        states.back()->exit();
        states.pop_back();
    }
    destroyInput();
    if (renderWindow) {
        renderWindow->destroy();
        renderWindow = nullptr;
    }
    instance = nullptr;
}

void GameManager::setup()
{
    game->keyboard = keyboard;
    game->mouse = mouse;
    if (game->GpuFlush >= 1)
        gpuFlush.start(static_cast<std::uint64_t>(game->GpuFlush));
}

void GameManager::stampClock() { lastTime = timerMicroseconds(); }

void GameManager::changeState(GameState* state)
{
    createInput();
    game->resetLevel();
    if (!states.empty()) {
        states.back()->exit();
        states.pop_back();
    }
    states.push_back(state);
    state->enter(renderWindow);
    stampClock();
}

void GameManager::update(double elapsed)
{
    captureInput();
    const double step = capTimeStep(elapsed, game->playClock);
    game->frameTime = step;
    if (GameState* state = currentState())
        state->update(step);
}

void GameManager::captureInput()
{
    if (keyboard)
        keyboard->capture();
    if (!mouse)
        return;
    game->mouseRelX = 0;
    game->mouseRelY = 0;
    mouse->capture();
    if (GameState* state = currentState())
        state->mouseWheel(mouse->getMouseState().Z.rel);
}

void GameManager::createInput()
{
    if (keyboard)
        return;
    // OIS's own X11 devices cannot share SDL's window, so the devices are ours,
    // fed from SDL's events by the pump.
    inputManager = new platform::SdlInputSystem();
    keyboard = inputManager->createKeyboard();
    try {
        mouse = inputManager->createMouse();
    } catch (const std::exception&) {
        mouse = nullptr;
        logLine("[ERROR] couldn't init the mouse");
    }
    if (!keyboard)
        logLine("[ERROR] couldn't init the keyboard");
    else
        keyboard->setEventCallback(this);
    if (mouse) {
        mouse->setEventCallback(this);
        // The area is renewed on every motion; until then it is the window's.
        if (renderWindow) {
            mouse->getMouseState().width = static_cast<int>(renderWindow->getWidth());
            mouse->getMouseState().height = static_cast<int>(renderWindow->getHeight());
        }
    }
    game->keyboard = keyboard;
    game->mouse = mouse;
    openGameController();
}

void GameManager::destroyInput()
{
    if (inputManager) {
        inputManager->destroyInputObject(keyboard);
        inputManager->destroyInputObject(mouse);
        delete inputManager;
    }
    keyboard = nullptr;
    mouse = nullptr;
    inputManager = nullptr;
    if (game) {
        game->keyboard = nullptr;
        game->mouse = nullptr;
    }
    closeGameController();
}

void GameManager::openGameController()
{
    if (SDL_NumJoysticks() >= 1) {
        closeGameController();
        // Opening the controller opens its joystick too, whose axis events
        // the pump passes on.
        gameController = SDL_GameControllerOpen(0);
        if (game)
            game->gameController = gameController;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    SDL_GameControllerEventState(SDL_ENABLE);
}

void GameManager::closeGameController()
{
    if (gameController)
        SDL_GameControllerClose(gameController);
    gameController = nullptr;
    if (game)
        game->gameController = nullptr;
}

bool GameManager::keyPressed(const OIS::KeyEvent& event)
{
    if (GameState* state = currentState())
        state->keyPressed(event);
    return true;
}

bool GameManager::keyReleased(const OIS::KeyEvent& event)
{
    if (GameState* state = currentState())
        state->keyReleased(event);
    return true;
}

bool GameManager::mouseMoved(const OIS::MouseEvent& event)
{
    const int width = renderWindow ? static_cast<int>(renderWindow->getWidth()) : event.state.width;
    const int height = renderWindow ? static_cast<int>(renderWindow->getHeight()) : event.state.height;
    if (mouse) {
        mouse->getMouseState().width = width;
        mouse->getMouseState().height = height;
    }
    game->mouseRelX = event.state.X.rel;
    game->mouseRelY = event.state.Y.rel;
    game->mouseX = event.state.X.abs;
    game->mouseY = event.state.Y.abs;
    const bool inside = clampMouseToWindow(game->mouseX, game->mouseY, width, height);
    if (GameState* state = currentState()) {
        state->mouseInWindow(inside);
        state->mouseMoved(game->mouseX, game->mouseY, event.state.Z.abs);
    }
    return true;
}

bool GameManager::mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID id)
{
    if (id == OIS::MB_Left)
        game->mouseLeft = true;
    else if (id == OIS::MB_Right)
        game->mouseRight = true;
    else if (id == OIS::MB_Middle)
        game->mouseMiddle = true;
    if (GameState* state = currentState())
        state->mousePressed(event, id);
    return true;
}

bool GameManager::mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID id)
{
    if (id == OIS::MB_Left)
        game->mouseLeft = false;
    else if (id == OIS::MB_Right)
        game->mouseRight = false;
    else if (id == OIS::MB_Middle)
        game->mouseMiddle = false;
    if (GameState* state = currentState())
        state->mouseReleased(event, id);
    return true;
}

bool GameManager::windowClosed()
{
    if (GameState* state = currentState())
        state->windowClosed(true);
    return false;
}

void GameManager::pumpSdlEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (inputManager)
            inputManager->injectEvent(event);
        handleEvent(event);
    }
}

void GameManager::handleEvent(const SDL_Event& event)
{
    GameState* state = currentState();
    switch (event.type) {
    case SDL_WINDOWEVENT:
        handleWindowEvent(event.window);
        break;
    case SDL_JOYAXISMOTION:
        if (state && isAxisBeyondDeadZone(event.jaxis.value))
            state->joystickAxisMoved(event.jaxis.axis);
        break;
    case SDL_JOYDEVICEADDED:
        openGameController();
        break;
    case SDL_JOYDEVICEREMOVED:
        closeGameController();
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        if (state && event.cbutton.state == SDL_PRESSED)
            state->controllerButtonDown(event.cbutton.button);
        break;
    default:
        break;
    }
}

void GameManager::handleWindowEvent(const SDL_WindowEvent& event)
{
    GameState* state = currentState();
    switch (event.event) {
    case SDL_WINDOWEVENT_RESIZED:
        handleResize(event);
        break;
    case SDL_WINDOWEVENT_ENTER:
        if (state)
            state->mouseInWindow(true);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        handleFocusGained();
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        handleFocusLost();
        break;
    case SDL_WINDOWEVENT_CLOSE:
        windowClosed();
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        game->isWindowInactive = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        game->isWindowInactive = false;
        break;
    default:
        break;
    }
}

void GameManager::handleResize(const SDL_WindowEvent& event)
{
    SDL_Rect desktop{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &desktop);
    game->isPortrait = desktop.w < desktop.h && game->screenRatio == 3;
    if (game->isPortrait && game->fullscreen == 0) {
        const int height = event.data2;
        const int width = game->screenRatio == 3 ? static_cast<int>(height * 0.75) : event.data1;
        if (game->sdlWindow)
            SDL_SetWindowSize(game->sdlWindow, width, height);
    }
    // The states lay out for the new size, so the render window takes it first.
    if (renderWindow)
        renderWindow->windowMovedOrResized();
    if (GameState* state = currentState())
        state->windowResized();
}

void GameManager::handleFocusGained()
{
    game->isFocusRegained = true;
    stampClock();
    if (GameState* state = currentState()) {
        state->windowFocusGained();
        state->resumeAfterFocus();
    }
}

void GameManager::handleFocusLost()
{
    if (GameState* state = currentState()) {
        state->mouseInWindow(false);
        state->windowFocusLost();
    }
    game->mouseLeft = false;
    game->mouseRight = false;
    game->mouseMiddle = false;
}
