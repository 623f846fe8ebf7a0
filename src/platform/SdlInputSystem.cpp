#include "platform/SdlInputSystem.h"

#include "platform/SdlKeyboard.h"
#include "platform/SdlMouse.h"

#include <OISException.h>
#include <SDL.h>

namespace platform {

namespace {

bool videoIsRunning() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

} // namespace

SdlInputSystem::~SdlInputSystem()
{
    destroyInputObject(mKeyboard);
    destroyInputObject(mMouse);
}

OIS::Keyboard* SdlInputSystem::createKeyboard()
{
    if (mKeyboard)
        OIS_EXCEPT(OIS::E_InputDeviceNonExistant, "The keyboard is already in use.");
    mKeyboard = new SdlKeyboard();
    mKeyboard->_initialize();
    if (videoIsRunning())
        SDL_StartTextInput();
    return mKeyboard;
}

OIS::Mouse* SdlInputSystem::createMouse()
{
    if (mMouse)
        OIS_EXCEPT(OIS::E_InputDeviceNonExistant, "The mouse is already in use.");
    mMouse = new SdlMouse();
    mMouse->_initialize();
    return mMouse;
}

void SdlInputSystem::destroyInputObject(OIS::Object* object)
{
    if (!object)
        return;
    if (object == mKeyboard) {
        delete mKeyboard;
        mKeyboard = nullptr;
        if (videoIsRunning())
            SDL_StopTextInput();
    } else if (object == mMouse) {
        delete mMouse;
        mMouse = nullptr;
    }
}

void SdlInputSystem::injectEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (mKeyboard)
            mKeyboard->queueKey(event.key);
        break;
    case SDL_TEXTINPUT:
        if (mKeyboard)
            mKeyboard->queueText(event.text);
        break;
    case SDL_MOUSEMOTION:
        if (mMouse)
            mMouse->queueMotion(event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (mMouse)
            mMouse->queueButton(event.button);
        break;
    case SDL_MOUSEWHEEL:
        if (mMouse)
            mMouse->queueWheel(event.wheel);
        break;
    default:
        break;
    }
}

} // namespace platform
