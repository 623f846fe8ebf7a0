// The continue offer after the last life is lost while the game still has
// continues: two seconds after the offer a panel slides in from the left
// with "PLAY AGAIN ?", the number of continues left and a YES / NO choice.
// Game time stands still while it is shown; the answer moves the play flow
// on (18 continues the level, 4 ends the game). The play state owns one from
// entering a level to leaving it and runs it in game mode 7.
#pragma once

#include "frontend/ScreenPanel.h"
#include "frontend/menuButton.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Game;
class playState;

class ContinueMenu {
public:
    // Values of `phase`.
    static constexpr std::uint32_t phaseWaiting = 0;
    static constexpr std::uint32_t phaseSliding = 1;
    static constexpr std::uint32_t phaseChoosing = 2;
    // Values of `choice`.
    static constexpr std::uint32_t choiceNo = 0;
    static constexpr std::uint32_t choiceYes = 1;

    // Builds the panel, its overlay and the entries, hidden.
    void create(playState* owner);
    void destroy();
    // A new offer: YES chosen, hidden until the wait is over.
    void open();
    void reset();
    // The wait, the slide and the choice of one frame; always false.
    bool update(double dt);
    // Shows the offer with the continues left, or hides it.
    void refresh(bool show);
    // Carries out the choice.
    void validate();
    // The entries' texts made again on overlays of their own, as the level
    // build does for every screen's texts, all at the texts' depth.
    void remakeTexts();

    // Seconds since the offer, then since the panel came up.
    float timer = 0.0f;
    std::uint32_t phase = phaseWaiting;
    std::uint32_t choice = choiceYes;
    ScreenPanel background;
    // Panel size in relative screen units; the width fits the title.
    float width = 0.71f;
    float height = 0.3f;
    playState* play = nullptr;
    std::unique_ptr<menuButton> playAgainEntry;
    std::unique_ptr<menuButton> continuesEntry;
    std::unique_ptr<menuButton> continuesNumberEntry;
    std::unique_ptr<menuButton> yesEntry;
    std::unique_ptr<menuButton> noEntry;
    Game* game = nullptr;

private:
    std::unique_ptr<menuButton> makeEntry(const std::string& name, const std::string& label, float sizeFactor,
                                          unsigned short zOrder) const;
    std::vector<menuButton*> allEntries() const;
    void slideIn();
    void hideEntries();
    void setOpaque();
    void highlightSelected();
    void slidePanel();
    void takeInput();
    void choose(std::uint32_t answer);
    void acceptContinue();
};
