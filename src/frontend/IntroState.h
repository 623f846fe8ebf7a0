// The splash-screen state, entered at start-up when the game sets a splash
// picture. It shows its dark scene; the splash sequence arrives with the
// front-end screens.
#pragma once

#include "core/GameState.h"
#include "frontend/MenuScene.h"

class introState : public GameState {
public:
    static introState* getInstance();

    void enter(Ogre::RenderWindow* renderWindow) override;
    void exit() override;
    void keyPressed(const OIS::KeyEvent& event) override;
    void windowClosed(bool closed) override;

private:
    Ogre::RenderWindow* renderWindow = nullptr;
    MenuScene scene;
};
