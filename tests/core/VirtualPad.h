// A game controller made by SDL's virtual joystick driver: SDL sees a real,
// plugged-in controller with the standard buttons and axes, whose state the
// test sets by hand. SDL takes the new state on its next joystick update.
#pragma once

#include <SDL.h>

class VirtualPad {
public:
    VirtualPad()
    {
        SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                          SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1, 0);
    }
    ~VirtualPad()
    {
        close();
        unplug();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool isPlugged() const { return index >= 0; }

    // Opens the controller as the game would, triggers released.
    SDL_GameController* open()
    {
        controller = SDL_GameControllerOpen(index);
        setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_JOYSTICK_AXIS_MIN);
        setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN);
        return controller;
    }
    void close()
    {
        if (controller)
            SDL_GameControllerClose(controller);
        controller = nullptr;
    }
    // The device goes away, as when its cable is pulled; SDL queues its removal.
    void unplug()
    {
        if (index >= 0)
            SDL_JoystickDetachVirtual(index);
        index = -1;
    }

    // Raw joystick values; the mapping passes stick values through and turns a
    // trigger's -32768..32767 into 0..32767.
    void setAxis(SDL_GameControllerAxis axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick(), axis, value); }
    void setButton(SDL_GameControllerButton button, bool down)
    {
        SDL_JoystickSetVirtualButton(joystick(), button, down ? SDL_PRESSED : SDL_RELEASED);
    }

private:
    SDL_Joystick* joystick() const { return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index)); }

    int index = -1;
    SDL_GameController* controller = nullptr;
};
