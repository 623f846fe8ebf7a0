// The end-of-game message screen: "game over", "level complete" and "game
// completed", each one overlay widget (text or picture) that waits, zooms in,
// stays a few seconds or until confirmed, fades out and then hands the play
// flow on to the scores. The play state makes it with the level and shows it
// when the play flow enters one of the three end modes.
#pragma once

#include <cstdint>

class Game;
class OverlayWidget;

class GameEndScreen {
public:
    // Values of `phase`.
    static constexpr std::int32_t phaseWaiting = 0;
    static constexpr std::int32_t phaseShown = 1;
    static constexpr std::int32_t phaseLeaving = 2;

    GameEndScreen() = default;
    ~GameEndScreen();
    GameEndScreen(const GameEndScreen&) = delete;
    GameEndScreen& operator=(const GameEndScreen&) = delete;

    void init();
    // Builds the three messages again from the game's settings.
    void createElements();
    void destroy();
    // Every message hidden and ready to come in; the clocks back to 0.
    void reset();
    // Starts the message of the end mode (game over, level complete or game
    // completed); the music and the effects fade out.
    void show(std::uint32_t mode);
    // Runs the shown message; the screen requests the next mode itself.
    bool update(double dt);

    std::uint32_t mode = 0;
    // Seconds in the current phase, and how long the phase lasts.
    float timer = 0.0f;
    std::int32_t phase = phaseWaiting;
    float duration = 0.0f;
    OverlayWidget* gameOverWidget = nullptr;
    OverlayWidget* gameWinWidget = nullptr;
    OverlayWidget* gameCompletedWidget = nullptr;
    Game* game = nullptr;

private:
    OverlayWidget* widgetOf(std::uint32_t shownMode) const;
    void beginMessage();
    void endMessage();
    void handOn();
};
