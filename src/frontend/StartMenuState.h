// The start-menu state: a dark scene with the background picture, the logo
// and the game's music, over which the named screens of the menu layout
// (each a list of menu entries) slide in and out as the player moves through
// them with keys and pads. The class is split by concern:
// StartMenuState.cpp (input slots), startMenuStateEnter.cpp (scene, pictures,
// sounds), startMenuStateScreens.cpp (building and switching screens),
// startMenuStateInput.cpp (the frame: selection and values),
// startMenuStateAnimation.cpp (layout and entry animation),
// startMenuStateActions.cpp (what validated entries do),
// startMenuStateOptions.cpp (option values from the Game's settings) and
// startMenuStateBinding.cpp (key and pad binding).
#pragma once

#include "core/GameState.h"
#include "frontend/HighScoreMenu.h"
#include "frontend/MenuScene.h"
#include "frontend/menuButton.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Game;
class OverlayWidget;
struct menuEntryDefinition;

namespace Ogre {
class Overlay;
class OverlayElement;
class Root;
} // namespace Ogre

// One built screen: its sound and its entries in layout order.
struct startMenuScreen {
    std::string screenSound;
    std::vector<std::unique_ptr<menuButton>> entries;
};

class startMenuState : public GameState {
public:
    static startMenuState* getInstance();

    // Screen names the menu itself knows.
    static constexpr const char* splashScreenName = "SPLASHSCREEN";
    static constexpr const char* mainScreenName = "STARTMENU";
    static constexpr const char* highScoresScreenName = "HIGHSCORES";
    static constexpr const char* videoScreenName = "GFXMENU";
    static constexpr const char* controlsChoiceScreenName = "CONTROLSCHOICE";
    static constexpr const char* padScreenName = "CONTROLSMENU";
    static constexpr const char* keyboardScreenName = "CONTROLSKEYBOARDMENU";
    static constexpr const char* pressStartText = "PRESS START";
    static constexpr const char* startText = "START";

    void enter(Ogre::RenderWindow* renderWindow) override;
    void exit() override;
    // Sound holds while the window is in the background, as in play.
    void pause() override;
    void windowFocusLost() override { pause(); }
    void resume() override;
    void resumeAfterFocus() override { resume(); }
    void keyPressed(const OIS::KeyEvent& event) override;
    void keyReleased(const OIS::KeyEvent& event) override;
    // The pointer leaving or entering the window lets go of a held key.
    void mouseInWindow(bool inside) override;
    void windowClosed(bool closed) override;
    void windowResized() override;
    void update(double dt) override;

    // Screens: built from the Game's menu layout, replacing any built before.
    void buildScreens(bool isShadows);
    void destroyScreens();
    // The built screen of that name, or null.
    startMenuScreen* findScreen(const std::string& name);
    menuButton* findButton(const std::string& screen, const std::string& text);
    std::int32_t getOptionValue(const std::string& screen, const std::string& fonctionName);
    void setOptionValue(const std::string& screen, const std::string& fonctionName, std::int32_t value);
    std::size_t screenHistoryIndex() const;
    // The first screen after enter: the splash screen, sliding in.
    void showFirstScreen();
    void showScreen(bool isReversed);
    void hideScreen(bool isReversed);
    void back();
    void validate();
    void setScreenZOrder();

    // Actions of validated entries: settings, the game's start and end, web
    // pages. The game is entered once its start sound and fade have ended.
    void startGame();
    bool isReadyToPlay() const;
    void enterPlay();
    void changeVolume(const menuButton& entry);
    void applyGraphics();
    void previewResolution();
    void restorePadControls();
    void restoreKeyboardControls();
    void restoreSound();

    // Layout and animation.
    void updateSelection();
    void updateEntries(double dt);
    void layoutBackground();
    // One frame drawn at once, when there is a renderer to draw it.
    void renderFrame();

    // Option values and control binding: the entries show the Game's
    // current settings, and the control screens bind keys and pad buttons.
    void refreshOptionTexts();
    void refreshControlsMenu();
    void refreshKeyboardMenu();
    void bindKey(const OIS::KeyEvent& event);
    void controllerButtonDown(std::uint8_t button) override;
    // The triggers bind as buttons 100 and 101.
    void joystickAxisMoved(std::uint8_t axis) override;
    void swapKeyBinding(const OIS::KeyEvent& event);
    void swapPadBinding(std::int32_t button);

    Ogre::Root* root = nullptr;
    Ogre::RenderWindow* renderWindow = nullptr;
    bool isControllerConnected = false;
    std::string currentScreen;
    std::string previousScreen;
    std::uint32_t selectedIndex = 0;
    // One (fonctionName, remembered selection) pair per built entry, in build order.
    std::vector<std::pair<std::string, std::int32_t>> optionValues;
    std::map<std::string, std::string> parentScreens;
    double inputDelay = 0.0;
    double screenLock = 0.0;
    double holdTime = 0.0;
    double pressStartFlashTime = 0.0;
    double clock = 0.0;
    bool isStartingGame = false;
    std::string firstLevel;
    std::unique_ptr<OverlayWidget> logo;
    // The high-score table of the "HIGHSCORES" screen, shown for viewing.
    std::unique_ptr<HighScoreMenu> highScores;
    Ogre::OverlayElement* backgroundPanel = nullptr;
    Ogre::Overlay* backgroundOverlay = nullptr;
    float startPulseTime = 0.0f;
    std::uint32_t startSoundLength = 0;
    MenuScene scene;
    Game* game = nullptr;
    // The built screens by name.
    std::map<std::string, startMenuScreen> screens;

private:
    void createScene();
    void createBackground();
    void destroyBackground();
    void createLogo();
    void placeLogo();
    void startSounds();
    void addEntry(startMenuScreen& screen, const menuEntryDefinition& definition);
    void openScreen(const std::string& name);
    void trackController();
    // The frame's input steps; each returns true when it ended the frame.
    bool navigate(double dt);
    bool moveSelection();
    bool stepValue(menuButton& entry);
    bool confirm(menuButton& entry);
    bool leaveSplash();
    void layoutScreen(const std::string& name, startMenuScreen& screen, float ratio);
    void animateEntry(menuButton& entry, double dt, float heightRatio);
    // Sets the first entry of that fonctionName, kept within what it can show.
    void setClampedOption(const std::string& screenName, const std::string& fonctionName, std::int32_t value);
    void refreshResolutionChoices();
    // True while a key pressed goes to bindKey.
    bool isBindingKey() const;
    // The selected entry of the current screen, or null.
    menuButton* selectedEntry();
    // The window's width / height, 1 without a window.
    float windowAspect() const;
};
