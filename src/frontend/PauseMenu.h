// The in-game pause screen: a picture panel with up to four entries over the
// running level (continue, back to the start menu, quit to the desktop and
// restart the level, as the game's settings offer them), their fade in and
// out, the navigation between them and what choosing one does. The play
// state owns one from entering a level to leaving it and its input handlers
// open and close it.
#pragma once

#include "frontend/ScreenPanel.h"
#include "frontend/menuButton.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Game;
class playState;

class PauseMenu {
public:
    // The entries' names, as choosing one tests them.
    static constexpr const char* continueName = "CONTINUE";
    static constexpr const char* exitName = "EXIT";
    static constexpr const char* backName = "BACK TO MENU";
    static constexpr const char* restartName = "RESTART";

    // Values of `state`.
    static constexpr std::uint32_t stateFadingIn = 0;
    static constexpr std::uint32_t stateOpen = 1;
    // Left for the start menu: the menu does nothing more for this level.
    static constexpr std::uint32_t stateLeft = 99;

    // Builds the entries, the panel and its overlay, hidden.
    void create(playState* owner);
    void destroy();
    // Shows or hides the menu and offers the entries the settings allow,
    // the first one highlighted.
    void refresh(bool show);
    // The fade, the navigation and the confirmation of one frame; true on
    // the frame the menu has finished closing.
    bool update(double dt);
    // Carries out the selected entry, once per showing.
    void validate();

    // Wanted open; toggled by the play state's input handlers.
    bool isOpen = false;
    // Up on screen; the play state updates the menu only while it is.
    bool isShown = false;
    // Seconds since the last show or validation.
    float fadeTime = 0.0f;
    // Input lock in seconds, counting down: a move is taken below 0.
    float repeatTimer = 0.0f;
    std::uint32_t state = stateFadingIn;
    // Index in `entries` of the highlighted entry.
    std::uint32_t selected = 0;
    bool isValidated = false;
    std::unique_ptr<menuButton> continueEntry;
    std::unique_ptr<menuButton> exitEntry;
    std::unique_ptr<menuButton> backEntry;
    std::unique_ptr<menuButton> restartEntry;
    ScreenPanel background;
    // Panel size in relative screen units; the width fits the widest entry.
    float width = 0.41f;
    float height = 0.25f;
    playState* play = nullptr;
    Game* game = nullptr;
    // Offered entries after the first, used for the spacing of the lines.
    std::uint32_t visibleCount = 0;
    // The offered entries in navigation order (owned above).
    std::vector<menuButton*> entries;

private:
    std::unique_ptr<menuButton> makeEntry(const std::string& name, const std::string& label,
                                          const std::string& id) const;
    float widestEntry() const;
    void layoutPanel();
    void layoutEntries(bool show);
    void highlightSelected();
    // The panel's opacity, from 0 to 1.
    void updateAlpha(float alpha);
    void fade();
    void navigate();
    void select(std::uint32_t index);
    bool isConfirmHeld() const;
    void carryOut(const std::string& name);
    void leaveForStartMenu();
    void fadeOutEntries();
    std::vector<menuButton*> allEntries() const;
};
