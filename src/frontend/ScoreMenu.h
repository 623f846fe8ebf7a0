// The stage score screen shown after a level, after game over and after the
// last level: on a panel over the darkened play picture it counts the
// level's score up, then the total score, holds them, fades out and chooses
// the next mode (the next level, the high-score entry or the start menu).
// The play state makes it with the level and opens it in the score modes.
#pragma once

#include <OgreMaterial.h>

#include <array>
#include <cstdint>
#include <memory>

namespace Ogre {
class Overlay;
class OverlayContainer;
} // namespace Ogre

class Game;
class menuButton;
class playState;

class ScoreMenu {
public:
    // Values of `phase`.
    static constexpr std::uint32_t phaseFadeIn = 0;
    static constexpr std::uint32_t phaseLevelCount = 1;
    static constexpr std::uint32_t phasePause = 2;
    static constexpr std::uint32_t phaseTotalCount = 3;
    static constexpr std::uint32_t phaseHold = 4;
    static constexpr std::uint32_t phaseFadeOut = 5;

    ScoreMenu();
    ~ScoreMenu();
    ScoreMenu(const ScoreMenu&) = delete;
    ScoreMenu& operator=(const ScoreMenu&) = delete;

    void create(playState* owner);
    void destroy();
    void open();
    void setPicture();
    // Shows the screen from its start, or hides it.
    void refresh(bool show);
    void updateAlpha(float alpha);
    // The titles and the level's number made again on their overlays, at
    // the in-game screens' depth (the level's build does this).
    void rebuildTexts();
    // True on the frame the screen hands the play flow on.
    bool update(double dt);
    // Points a frame of dt seconds of game time adds at speed 1 while
    // counting towards the score: a hundredth of it per 16 ms, never less
    // than 1.
    static float countStepFor(std::int64_t score, double dt);

    // Seconds in the phase, advanced faster while the skip input is held.
    float timer = 0.0f;
    // Game seconds since the screen opened.
    float totalTime = 0.0f;
    std::uint32_t phase = phaseFadeIn;
    std::int64_t shownValue = 0;
    std::unique_ptr<menuButton> titleEntry;
    std::unique_ptr<menuButton> levelTitleEntry;
    std::unique_ptr<menuButton> totalTitleEntry;
    std::unique_ptr<menuButton> levelScoreEntry;
    std::unique_ptr<menuButton> totalScoreEntry;
    Ogre::OverlayContainer* panel = nullptr;
    Ogre::Overlay* overlay = nullptr;
    float width = 0.7f;
    float height = 0.6f;
    Game* game = nullptr;
    Ogre::MaterialPtr material;
    // Points counted in the last frame at speed 1.
    float countStep = 1.0f;

private:
    std::array<menuButton*, 5> lines() const;
    void buildLines();
    void createPanel();
    void showLines();
    // The game file's entry of the level says whether it is played for score.
    bool isGameplayLevel() const;
    void countTowards(std::int64_t target, menuButton& number, std::uint32_t nextPhase, float speed, double dt);
    void fadeOutLines();
    void leave();
};
