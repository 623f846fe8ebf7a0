// SDL events built by hand, as SDL's event queue would deliver them, so the
// input devices can be tested without a window.
#pragma once

#include <SDL_events.h>

#include <cstring>

namespace sdlEvents {

inline SDL_Event key(Uint32 type, SDL_Scancode scancode, Uint8 repeat = 0)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.scancode = scancode;
    return event;
}

inline SDL_Event keyDown(SDL_Scancode scancode) { return key(SDL_KEYDOWN, scancode); }
inline SDL_Event keyRepeat(SDL_Scancode scancode) { return key(SDL_KEYDOWN, scancode, 1); }
inline SDL_Event keyUp(SDL_Scancode scancode) { return key(SDL_KEYUP, scancode); }

inline SDL_Event text(const char* utf8)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    return event;
}

inline SDL_Event motion(int x, int y, int xrel, int yrel)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    event.motion.xrel = xrel;
    event.motion.yrel = yrel;
    return event;
}

inline SDL_Event button(Uint32 type, Uint8 sdlButton)
{
    SDL_Event event{};
    event.type = type;
    event.button.button = sdlButton;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    return event;
}

inline SDL_Event wheel(int notches, Uint32 direction = SDL_MOUSEWHEEL_NORMAL)
{
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = notches;
    event.wheel.preciseY = static_cast<float>(notches);
    event.wheel.direction = direction;
    return event;
}

} // namespace sdlEvents
