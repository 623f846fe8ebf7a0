// The splash-screen state shown before the start menu: the maker's logo and
// the product's logo, or the game's own two pictures, each faded in from
// black and out again. A held key or button shortens the wait; at the end
// the first level of the game is chosen and the start menu begins.
#pragma once

#include "core/GameState.h"
#include "frontend/MenuScene.h"

#include <cstdint>
#include <string>

namespace Ogre {
class Overlay;
class OverlayContainer;
class RenderWindow;
} // namespace Ogre

class Game;

class introState : public GameState {
public:
    // Values of `phase`.
    static constexpr std::uint32_t phaseFirstSplash = 0;
    static constexpr std::uint32_t phaseBetweenSplashes = 1;
    static constexpr std::uint32_t phaseSecondSplash = 2;
    static constexpr std::uint32_t phaseLastFade = 3;
    static constexpr std::uint32_t phaseDone = 4;

    static introState* getInstance();

    void enter(Ogre::RenderWindow* renderWindow) override;
    void exit() override;
    void keyPressed(const OIS::KeyEvent& event) override;
    void keyReleased(const OIS::KeyEvent& event) override;
    void mouseInWindow(bool inside) override;
    void windowClosed(bool closed) override;
    void windowResized() override;
    // The splash sequence.
    void update(double dt) override;
    // Makes the material of that name show the game's picture (or the
    // stand-in picture when the game has none of that name).
    void loadSplashPicture(const std::string& name);

    // The scene manager, the camera "IntroCam" and the viewport.
    MenuScene scene;
    Ogre::RenderWindow* renderWindow = nullptr;
    // Seconds in the current phase.
    double timer = 0.0;
    std::uint32_t phase = phaseFirstSplash;
    // The wait of the current picture was already shortened.
    bool isSkipping = false;
    Ogre::OverlayContainer* firstPanel = nullptr;
    Ogre::Overlay* firstOverlay = nullptr;
    Ogre::OverlayContainer* secondPanel = nullptr;
    Ogre::Overlay* secondOverlay = nullptr;
    Game* game = nullptr;
    bool hasFirstSplash = true;
    bool hasSecondSplash = true;

private:
    void createPictures();
    void destroyPictures();
    void chooseGamePictures();
    void fitPictures();
    void showSecondPicture();
    void finishPictures();
    void startMenu();
};

// Size of a picture of aspect `pictureRatio` (width / height) that covers a
// window of width x height.
struct splashSize {
    float width;
    float height;
};
splashSize coverWindow(float pictureRatio, float width, float height);
