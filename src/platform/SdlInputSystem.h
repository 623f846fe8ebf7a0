// Stands in for OIS's input manager: makes the SDL-fed keyboard and mouse and
// hands them each SDL input event the window's event pump receives.
#pragma once

#include <OISKeyboard.h>
#include <OISMouse.h>
#include <SDL_events.h>

namespace platform {

class SdlKeyboard;
class SdlMouse;

class SdlInputSystem {
public:
    SdlInputSystem() = default;
    SdlInputSystem(const SdlInputSystem&) = delete;
    SdlInputSystem& operator=(const SdlInputSystem&) = delete;
    // Destroys the devices still alive.
    ~SdlInputSystem();

    // A buffered keyboard; throws OIS::Exception when one already exists.
    // Starts SDL's text input so that key presses carry their text.
    OIS::Keyboard* createKeyboard();
    // A buffered mouse; throws OIS::Exception when one already exists.
    OIS::Mouse* createMouse();
    // Deletes a device made here; anything else (null too) is left alone.
    void destroyInputObject(OIS::Object* object);

    // Queues key, text and mouse events into the device they belong to (when it
    // exists); every other event is ignored.
    void injectEvent(const SDL_Event& event);

private:
    SdlKeyboard* mKeyboard = nullptr;
    SdlMouse* mMouse = nullptr;
};

} // namespace platform
