// The start-menu state. It shows its dark scene; the menu screens, music and
// navigation arrive with the front-end screens.
#pragma once

#include "core/GameState.h"
#include "frontend/MenuScene.h"

class startMenuState : public GameState {
public:
    static startMenuState* getInstance();

    void enter(Ogre::RenderWindow* renderWindow) override;
    void exit() override;
    void windowClosed(bool closed) override;

private:
    Ogre::RenderWindow* renderWindow = nullptr;
    MenuScene scene;
};
