// The end-of-game messages: the three widgets built from the game file, the
// message's wait, zoom, hold and fade, and the mode that follows it.
#include "frontend/GameEndScreen.h"

#include "app/AudioService.h"
#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"

#include <Overlay/OgreOverlay.h>

#include <algorithm>
#include <string>

namespace {

// What the game file sets for one of the three messages.
struct messageSettings {
    const std::string& text;
    const std::string& picture;
    float pictureScale;
    Ogre::Vector2 position;
    // 0 nothing, 1 the text, any other value the picture.
    int display;
    bool isBlackBackground;
    const std::string& music;
    float fadeInSeconds;
    float backgroundFadeBackSeconds;
};

constexpr int displayNone = 0;
constexpr int displayText = 1;
constexpr int displayPicture = 2;
constexpr float waitBeforeMessage = 0.5f;
constexpr float messageSeconds = 4.0f;
// Confirming cannot cut the message short before it has been up this long.
constexpr float confirmLock = 1.0f;
// Past the message's end, so that the frame of the confirm ends it.
constexpr float pastEnd = 0.1f;
constexpr float leavingSeconds = 0.4f;
constexpr float backgroundFadeSeconds = 0.3f;
constexpr float musicFadeOutSeconds = 1.5f;
constexpr float musicFadeInSeconds = 0.2f;
constexpr float musicVolume = 1.0f;
// The message zooms in from this share of its size, in percent.
constexpr float zoomStartPercent = 4.0f;
constexpr std::uint16_t messageZOrder = 647;

messageSettings messageOf(const Game& game, std::uint32_t mode)
{
    switch (mode) {
    case gameModeGameOver:
        return {game.gameOverText,    game.gameOverGfx,     game.gameOverGfxScale, game.gameOverPosition,
                game.gameOverDisplay, game.gameOverBlackBG, game.gameOverMusic,    0.3f,
                0.3f};
    case gameModeGameCompleted:
        return {game.gameCompletedText,    game.gameCompletedGfx,     game.gameCompletedGfxScale,
                game.gameCompletedPosition, game.gameCompletedDisplay, game.gameCompletedBlackBG,
                game.gameCompleteMusic,     0.5f,                      0.2f};
    default:
        return {game.gameWinText,    game.gameWinGfx,     game.gameWinGfxScale, game.gameWinPosition,
                game.gameWinDisplay, game.gameWinBlackBG, game.gameWonMusic,    0.3f,
                0.3f};
    }
}

bool isPictureDisplay(int display) { return display != displayText; }

// A message with nothing to show is passed over: display 0, or the game-over
// picture display without a picture.
bool isSkipped(const messageSettings& message, std::uint32_t mode)
{
    return message.display == displayNone
           || (mode == gameModeGameOver && message.display == displayPicture && message.picture.empty());
}

OverlayWidget* makeWidget(const Game& game, std::uint32_t mode)
{
    const messageSettings message = messageOf(game, mode);
    auto* widget = new OverlayWidget();
    widget->isText = !isPictureDisplay(message.display);
    // The game-over picture is optional; the other two messages always get
    // their material, as the picture may come with the game's data later.
    if (!widget->isText && (mode != gameModeGameOver || !message.picture.empty()))
        createAnimatedPictureMaterial(message.picture, std::string());
    widget->text = message.text;
    widget->pictureName = message.picture;
    widget->fontName = game.gameEndFont;
    widget->charHeight = static_cast<unsigned>(std::max(game.gameEndFontSize, 0.0f));
    widget->scaleX = widget->scaleY = message.pictureScale;
    widget->position = message.position;
    widget->isFitWidth = true;
    widget->isScaleIn = true;
    widget->startScale = Ogre::Vector2(zoomStartPercent, zoomStartPercent);
    widget->appearDuration = message.fadeInSeconds;
    widget->create();
    if (widget->overlay)
        widget->overlay->setZOrder(messageZOrder);
    return widget;
}

// Widgets in no state run no transition and stay hidden.
constexpr unsigned transitionIdle = 3;

void resetWidget(OverlayWidget* widget)
{
    if (!widget)
        return;
    widget->fitToViewport();
    widget->setupAnimation();
    widget->setVisible(false);
    const bool isEmptyPicture = !widget->isText && widget->pictureName.empty();
    widget->transitionState = isEmptyPicture ? transitionIdle : OverlayWidget::transitionAppearing;
}

} // namespace

GameEndScreen::~GameEndScreen() { destroy(); }

void GameEndScreen::init()
{
    game = Game::getSingletonPtr();
    timer = 0.0f;
    duration = 0.0f;
    createElements();
}

void GameEndScreen::createElements()
{
    destroy();
    gameOverWidget = makeWidget(*game, gameModeGameOver);
    gameWinWidget = makeWidget(*game, gameModeLevelComplete);
    gameCompletedWidget = makeWidget(*game, gameModeGameCompleted);
}

// The widgets go before their materials: nothing then draws with a material
// that is being removed.
void GameEndScreen::destroy()
{
    for (OverlayWidget** widget : {&gameOverWidget, &gameWinWidget, &gameCompletedWidget}) {
        const std::string picture = *widget ? (*widget)->pictureName : std::string();
        delete *widget;
        *widget = nullptr;
        if (!picture.empty())
            removeMaterial(picture, "GAMERSC");
    }
}

void GameEndScreen::reset()
{
    timer = 0.0f;
    phase = phaseWaiting;
    duration = 0.0f;
    for (OverlayWidget* widget : {gameOverWidget, gameWinWidget, gameCompletedWidget})
        resetWidget(widget);
}

void GameEndScreen::show(std::uint32_t shownMode)
{
    mode = shownMode;
    reset();
    fadeOutMusic(musicFadeOutSeconds);
    fadeOutEffects();
}

OverlayWidget* GameEndScreen::widgetOf(std::uint32_t shownMode) const
{
    switch (shownMode) {
    case gameModeGameOver:
        return gameOverWidget;
    case gameModeGameCompleted:
        return gameCompletedWidget;
    default:
        return gameWinWidget;
    }
}

bool GameEndScreen::update(double dt)
{
    game->pollGamepads();
    timer += static_cast<float>(dt);
    const messageSettings message = messageOf(*game, mode);
    // Only an end-of-level trigger asks for messages; until one has, even
    // the game over passes without one.
    if (!game->isEndOfLevelShowMessage) {
        phase = phaseLeaving;
        duration = 0.0f;
    }
    OverlayWidget* widget = widgetOf(mode);
    if (phase != phaseWaiting && widget && message.display != displayNone)
        widget->update(dt, Ogre::Vector3::ZERO);
    if (phase == phaseWaiting && timer > waitBeforeMessage)
        beginMessage();
    if (phase == phaseShown && timer > confirmLock && game->shootHeld[0])
        timer = duration + pastEnd;
    if (phase == phaseShown && timer > duration)
        endMessage();
    if (phase == phaseLeaving && timer > duration)
        handOn();
    return false;
}

void GameEndScreen::beginMessage()
{
    const messageSettings message = messageOf(*game, mode);
    phase = phaseShown;
    timer = 0.0f;
    duration = messageSeconds;
    if (isSkipped(message, mode)) {
        phase = phaseLeaving;
        duration = 0.0f;
    } else if (message.isBlackBackground) {
        game->startBackgroundFadeOut(backgroundFadeSeconds);
    }
    // A game over without its picture still plays its music.
    if (!message.music.empty() && message.display != displayNone)
        queueMusic(message.music, musicVolume, musicFadeInSeconds, false);
}

void GameEndScreen::endMessage()
{
    const messageSettings message = messageOf(*game, mode);
    if (OverlayWidget* widget = widgetOf(mode))
        widget->transitionState = OverlayWidget::transitionDisappearing;
    if (message.isBlackBackground)
        game->startBackgroundFadeIn(message.backgroundFadeBackSeconds);
    phase = phaseLeaving;
    timer = 0.0f;
    duration = leavingSeconds;
}

// Without a score or high-score screen to come, game over and game completed
// go back to the start menu. A completed level never does: the start menu's
// request would rewind the level list and the next level would be the
// second one again.
void GameEndScreen::handOn()
{
    const std::uint32_t shownMode = mode;
    reset();
    const bool isNothingAfter = !game->isEndOfLevelShowScoreScreen && !game->isEndOfLevelShowHighScoreScreen;
    if (isNothingAfter && shownMode != gameModeLevelComplete)
        game->setGameState(gameModeBackToStartMenu);
    game->setGameState(static_cast<int>(shownMode) + 1);
}
