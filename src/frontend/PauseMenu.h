// The in-game pause screen: which entries the game's settings offer, which
// one is highlighted, the navigation between them and what choosing one
// does. The play state owns one from entering a level to leaving it and its
// input handlers open and close it.
#pragma once

#include <cstdint>
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

    // Values of `state`.
    static constexpr std::uint32_t stateFadingIn = 0;
    static constexpr std::uint32_t stateOpen = 1;
    // Left for the start menu: the menu does nothing more for this level.
    static constexpr std::uint32_t stateLeft = 99;

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
    playState* play = nullptr;
    Game* game = nullptr;
    // The names of the offered entries, in navigation order.
    std::vector<std::string> entries;

private:
    void navigate();
    void select(std::uint32_t index);
    bool isConfirmHeld() const;
    void leaveForStartMenu();
};
