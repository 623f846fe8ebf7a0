// The interface of the three game states (intro, start menu, play). The
// GameManager runs exactly one of them; an operation a state does not handle
// keeps the empty body given here.
#pragma once

#include <OISKeyboard.h>
#include <OISMouse.h>

#include <cstdint>

namespace Ogre {
class RenderWindow;
}

class GameState {
public:
    virtual ~GameState() = default;

    virtual void enter(Ogre::RenderWindow* /*renderWindow*/) {}
    virtual void exit() {}
    virtual void pause() {}
    virtual void resume() {}
    virtual void keyPressed(const OIS::KeyEvent& /*event*/) {}
    virtual void keyReleased(const OIS::KeyEvent& /*event*/) {}
    virtual void mouseMoved(int /*x*/, int /*y*/, int /*wheel*/) {}
    virtual void mousePressed(const OIS::MouseEvent& /*event*/, OIS::MouseButtonID /*id*/) {}
    virtual void mouseReleased(const OIS::MouseEvent& /*event*/, OIS::MouseButtonID /*id*/) {}
    virtual void mouseWheel(int /*wheelMotion*/) {}
    virtual void windowFocusGained() {}
    virtual void windowClosed(bool /*closed*/) {}
    virtual void mouseInWindow(bool /*inside*/) {}
    virtual void windowResized() {}
    virtual void update(double /*timeStep*/) {}
    virtual void windowFocusLost() {}
    virtual void resumeAfterFocus() {}
    virtual void controllerButtonDown(std::uint8_t /*button*/) {}
    virtual void joystickAxisMoved(std::uint8_t /*axis*/) {}
};
