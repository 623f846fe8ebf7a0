// The HUD's six lines, what it shows and its debug counters.
#include "frontend/GameHUD.h"

#include "app/BarLayers.h"
#include "app/CaptionText.h"
#include "app/CompositorBatches.h"
#include "app/OverlayVisibility.h"
#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/materials/PictureMaterials.h"
#include "frontend/HUDElement.h"
#include "frontend/HudLines.h"
#include "play/Level.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreRenderWindow.h>
#include <OgreStringConverter.h>

#include <algorithm>
#include <limits>

namespace {

constexpr unsigned lineZOrder = 646;
// The lines hang from their place: the text's top is at it.
constexpr unsigned lineVerticalAlignment = 1;
const char* const chainHitsElement = "Gameplay/CHAINSHIT";
const char* const frameRateElement = "Debug/FPS";
const char* const batchesElement = "Debug/BATCHES";
const char* const shotsElement = "Debug/ACTIVEBULLETS";

// One fixed line: its widget, its first text and the game settings that
// place, align and show it.
struct HudLine {
    OverlayWidget* GameHUD::*widget;
    const char* firstText;
    Ogre::Vector2 Game::*position;
    int Game::*justification;
    bool Game::*isShown;
};

// In the order the lines are laid out.
const HudLine hudLines[] = {
    {&GameHUD::scoreText, "SCORE", &Game::HUD_scorePos, &Game::HUD_scoreJustif, &Game::HUD_scoreShow},
    {&GameHUD::hpText, "HP", &Game::HUD_HpPos, &Game::HUD_HpJustif, &Game::HUD_HpShow},
    {&GameHUD::bombsText, "BOMBS: 0", &Game::HUD_bombsPos, &Game::HUD_bombsJustif, &Game::HUD_bombsShow},
    {&GameHUD::livesText, "LIVES", &Game::HUD_livesPos, &Game::HUD_livesJustif, &Game::HUD_livesShow},
    {&GameHUD::multiplierText, "MULTS", &Game::HUD_multiplierPos, &Game::HUD_multiplierJustif,
     &Game::HUD_multiplierShow},
    {&GameHUD::medalsText, "Timer", &Game::HUD_chainsTimerPos, &Game::HUD_chainsTimerJustif,
     &Game::HUD_chainsShow},
};

unsigned nonNegative(int value) { return static_cast<unsigned>(std::max(0, value)); }

// The line in the HUD's font, size, colour and the line's alignment.
void styleLine(OverlayWidget& widget, const Game& game, const HudLine& line)
{
    widget.fontName = game.gameHUDFont;
    widget.charHeight = nonNegative(game.gameHUDFontSize);
    widget.colour = game.gameHUDFontColour;
    widget.horizontalAlignment = nonNegative(game.*line.justification);
    widget.verticalAlignment = lineVerticalAlignment;
}

void setElementCaption(const char* name, const std::string& text)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (overlays && overlays->hasOverlayElement(name))
        setCaptionText(*overlays->getOverlayElement(name), text);
}

// The window's batches of the last frame, and with the compositor debug
// switch those drawn into the play view's compositor targets.
std::size_t batchCount(const Game& game)
{
    std::size_t batches = game.renderWindow ? game.renderWindow->getStatistics().batchCount : 0;
    if (isCompositorDebug && game.level && game.level->state)
        batches += compositorBatchCount(game.level->state->gameViewport);
    return batches;
}

std::size_t liveShotCount(const Game& game)
{
    return game.level ? game.level->liveEnemyBullets.size() + game.level->livePlayerBullets.size() : 0;
}

// An id from data may already be the largest there is.
std::int32_t idAfter(std::int32_t id) { return id == std::numeric_limits<std::int32_t>::max() ? id : id + 1; }

} // namespace

GameHUD::GameHUD() : game(Game::getSingletonPtr()) {}

GameHUD::~GameHUD() { destroy(); }

void GameHUD::destroy()
{
    removeBarMaterial(game->gameHUDBG_texture);
    if (game->level)
        removeBarMaterial(game->level->backgroundGameName);
    destroyBackgroundPanel();
    deleteLines();
    destroyPause();
    for (HUDElement* element : elements)
        delete element;
    elements.clear();
    destroyLoading();
}

void GameHUD::deleteLines()
{
    for (const HudLine& line : hudLines) {
        delete (this->*line.widget);
        this->*line.widget = nullptr;
    }
}

void GameHUD::create()
{
    deleteLines();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    for (const char* picture : {"enemyBar_back.png", "enemyBar_front.png", "enemyBar_white_front.png"})
        createAnimatedPictureMaterial(picture, std::string());
    for (const HudLine& line : hudLines) {
        auto* widget = new OverlayWidget();
        widget->text = line.firstText;
        styleLine(*widget, *game, line);
        widget->zOrder = lineZOrder;
        widget->create();
        this->*line.widget = widget;
    }
}

void GameHUD::layout()
{
    if (!hpText)
        return;
    scoreText->text = game->getText("SCORE");
    hpText->text = game->getText("HP: ") + std::to_string(game->currentLife);
    bombsText->text = game->getText("BOMBS: ") + std::to_string(game->currentBombs);
    livesText->text = game->getText("LIVES:") + std::to_string(game->currentLives);
    multiplierText->text = game->getText("MULTIPLIER");
    medalsText->text = game->getText("MEDALS: ");
    for (const HudLine& line : hudLines) {
        OverlayWidget& widget = *(this->*line.widget);
        styleLine(widget, *game, line);
        widget.createContent();
        const Ogre::Vector2& place = game->*line.position;
        if (widget.overlay)
            widget.overlay->setScroll(place.x, place.y);
    }
    for (HUDElement* element : elements)
        element->updateBar();
    createPause();
}

void GameHUD::updateTexts()
{
    if (!hpText)
        return;
    hpText->setText(game->getText("HP: ") + std::to_string(game->currentLife));
    bombsText->setText(game->getText("BOMBS: ") + std::to_string(game->currentBombs));
    bombsText->setDimmed(game->smartBombCoolDown > 0.0f);
    livesText->setText(game->getText("LIVES: ") + std::to_string(spareLives(game->currentLives)));
    multiplierText->setText(game->getText("MULTIPLIER: ") +
                            multiplierShown(game->multiplier, game->chainAddedPoints, nonNegative(game->medalType)));
    medalsText->setText(game->getText("MEDALS: ") + std::to_string(game->medalType));
    scoreText->setText(game->getText("SCORE: ") + scoreShown(game->displayedScore, game->scoreFormating));
    setOverlayElementVisible(chainHitsElement, false);
    // The layout's own elements keep what they showed when they were built.
}

void GameHUD::updateDebugInfos()
{
    const char* const counters[] = {frameRateElement, batchesElement, shotsElement};
    const bool isShown = game->isDebugInfos && !debugHidden;
    for (const char* name : counters)
        setOverlayElementVisible(name, isShown);
    if (!isShown)
        return;
    const double rate = game->renderWindow ? game->renderWindow->getStatistics().lastFPS : 0.0;
    setElementCaption(frameRateElement, "FPS: " + Ogre::StringConverter::toString(frameRateShown(rate)));
    setElementCaption(batchesElement, "batches " + std::to_string(batchCount(*game)));
    setElementCaption(shotsElement, "bullets " + std::to_string(liveShotCount(*game)));
    setElementCaption(chainHitsElement, "HITS:" + std::to_string(game->chainCount));
}

void GameHUD::setVisible(bool show)
{
    if (!hpText)
        return;
    if (game->level && game->level->state)
        game->level->state->swapOverlayPicture(show);
    for (const HudLine& line : hudLines)
        (this->*line.widget)->setVisible(show && game->*line.isShown);
    if (show && !game->gameHUDBG_texture.empty())
        showBackgroundPanel();
    else
        hideBackgroundPanel();
    for (HUDElement* element : elements)
        element->setVisible(show && !element->isHidden);
}

std::int32_t GameHUD::nextElementId() const
{
    std::int32_t largest = 0;
    for (const HUDElement* element : elements)
        largest = std::max(largest, element->UID);
    return idAfter(largest);
}

void GameHUD::numberElements()
{
    std::int32_t next = nextElementId();
    for (HUDElement* element : elements)
        if (element->UID == -1) {
            element->UID = next;
            next = idAfter(next);
        }
}
