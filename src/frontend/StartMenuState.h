// The start-menu state. It shows its dark scene and plays the sample music;
// the menu screens and navigation arrive with the front-end screens.
#pragma once

#include "core/GameState.h"
#include "frontend/MenuScene.h"

class startMenuState : public GameState {
public:
    static startMenuState* getInstance();

    void enter(Ogre::RenderWindow* renderWindow) override;
    void exit() override;
    void windowClosed(bool closed) override;
    void update(double timeStep) override;

private:
    Ogre::RenderWindow* renderWindow = nullptr;
    MenuScene scene;
    // A level of the game casts shadows.
    bool isShadows = false;
};
