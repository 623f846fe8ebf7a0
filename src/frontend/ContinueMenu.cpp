#include "frontend/ContinueMenu.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "core/materials/PictureMaterials.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>

#include <cmath>

namespace {

const char* const panelName = "PanelCONT";
const char* const overlayName = "OverlayBGCONT";
constexpr unsigned short panelZOrder = 648;
constexpr unsigned short textZOrder = 649;
// NO is built above the other texts.
constexpr unsigned short noZOrder = 650;
// Entry text size in points per unit of the game's HUD font size factor.
constexpr float entryFontPoints = 20.0f;
constexpr float titleSizeFactor = 1.3f;
constexpr float numberSizeFactor = 1.6f;
constexpr float plainSizeFactor = 1.0f;
constexpr float slideDuration = 0.3f;
constexpr float chosenScale = 1.35f;
// The panel is this much wider than the title.
constexpr float panelMargin = 1.9f;
// Where the texts stand, across in title widths for the answers, down in
// screen units; they slide in from the left edge.
constexpr float titleY = -0.211f;
constexpr float continuesY = -0.061f;
constexpr float numberY = 0.039f;
constexpr float answersY = 0.189f;
constexpr float answerSpread = 1.1f;
constexpr float slideStartX = -1.0f;
// The offer comes up this long after the last life was lost.
constexpr float waitSeconds = 2.0f;
// The panel slides in over a quarter sine of this length.
constexpr float panelSlideSeconds = 0.3f;
constexpr float quarterSinePerSecond = 5.2359877f;
constexpr float backgroundFadeSeconds = 0.3f;
// A direction counts as pushed above this magnitude.
constexpr float directionThreshold = 0.8f;
// Vertical mode of a text centred on its line.
constexpr unsigned textCentred = 0;
constexpr float defaultVolume = 0.0f;

} // namespace

void ContinueMenu::create(playState* owner)
{
    game = Game::getSingletonPtr();
    play = owner;
    background.create(panelName, overlayName, panelZOrder);
    const std::string& picture = game->continueMenuBG;
    background.showMaterial(picture.empty() ? Ogre::MaterialPtr() : createAnimatedPictureMaterial(picture, ""));
    background.place(width, height);
    noEntry = makeEntry("NO", game->getText("NO"), plainSizeFactor, noZOrder);
    yesEntry = makeEntry("YES", game->getText("YES"), plainSizeFactor, textZOrder);
    playAgainEntry = makeEntry("PLAYAGAIN", game->getText("PLAY AGAIN ?"), titleSizeFactor, textZOrder);
    continuesEntry = makeEntry("CONTINUES", game->getText("CONTINUES"), plainSizeFactor, textZOrder);
    continuesNumberEntry = makeEntry("CONTINUESNUMBER", "0", numberSizeFactor, textZOrder);
    // The answers stand centred on their line, the other texts below it.
    for (menuButton* answer : {yesEntry.get(), noEntry.get()}) {
        answer->labelText->verticalAlignment = textCentred;
        answer->labelText->updateCharHeight();
    }
}

std::unique_ptr<menuButton> ContinueMenu::makeEntry(const std::string& name, const std::string& label,
                                                    float sizeFactor, unsigned short zOrder) const
{
    auto entry = std::make_unique<menuButton>();
    entry->text = name;
    entry->label = label;
    entry->fonctionName = name;
    entry->type = menuHudButton;
    entry->slideDuration = slideDuration;
    entry->fontSize = game->globalHUDFontSizeFactor * entryFontPoints * sizeFactor;
    entry->build(nullptr);
    entry->labelText->zOrder = zOrder;
    if (entry->labelText->overlay)
        entry->labelText->overlay->setZOrder(zOrder);
    return entry;
}

std::vector<menuButton*> ContinueMenu::allEntries() const
{
    std::vector<menuButton*> all;
    for (const std::unique_ptr<menuButton>* entry :
         {&playAgainEntry, &continuesEntry, &continuesNumberEntry, &yesEntry, &noEntry})
        if (*entry)
            all.push_back(entry->get());
    return all;
}

// Made again by the level's build, every text stands at the texts' depth,
// NO with the others.
void ContinueMenu::remakeTexts()
{
    for (menuButton* entry : allEntries()) {
        OverlayWidget& text = *entry->labelText;
        text.zOrder = textZOrder;
        text.create();
        text.updateCharHeight();
    }
}

void ContinueMenu::destroy()
{
    playAgainEntry.reset();
    continuesEntry.reset();
    continuesNumberEntry.reset();
    yesEntry.reset();
    noEntry.reset();
    if (game)
        background.destroy(game->continueMenuBG);
}

void ContinueMenu::open()
{
    reset();
    highlightSelected();
    refresh(false);
    if (game->isPauseMusicDuringContinue)
        pauseMusic(true);
}

void ContinueMenu::reset()
{
    timer = 0.0f;
    phase = phaseWaiting;
    choice = choiceYes;
    highlightSelected();
}

void ContinueMenu::refresh(bool show)
{
    const std::string left = std::to_string(game->currentContinues);
    continuesNumberEntry->label = left;
    continuesNumberEntry->labelText->setText(left);
    continuesNumberEntry->labelText->updateCharHeight();
    if (show) {
        playState::setControllerTimeFactor(0.0f);
        background.setVisible(true);
        setOpaque();
        width = panelMargin * playAgainEntry->getWidth();
        background.place(width, height);
        slideIn();
    } else {
        background.setVisible(false);
        hideEntries();
    }
    for (menuButton* entry : allEntries()) {
        entry->update(0.0);
        entry->setVisible(show);
    }
}

void ContinueMenu::slideIn()
{
    const float w = playAgainEntry->getWidth();
    const std::pair<menuButton*, Ogre::Vector2> places[] = {
        {playAgainEntry.get(), Ogre::Vector2(0.0f, titleY)},
        {continuesEntry.get(), Ogre::Vector2(0.0f, continuesY)},
        {continuesNumberEntry.get(), Ogre::Vector2(0.0f, numberY)},
        {noEntry.get(), Ogre::Vector2(-answerSpread * w, answersY)},
        {yesEntry.get(), Ogre::Vector2(answerSpread * w, answersY)}};
    for (const auto& [entry, place] : places) {
        entry->basePosition = entry->slideTo = place;
        entry->slideFrom = Ogre::Vector2(slideStartX, place.y);
        entry->slideTime = entry->slideDuration;
        entry->slideDelay = 0.0;
        entry->alphaFrom = 0.0f;
        entry->alphaTo = 1.0f;
    }
}

void ContinueMenu::hideEntries()
{
    for (menuButton* answer : {yesEntry.get(), noEntry.get()})
        answer->alphaTo = 0.0f;
    for (menuButton* text : {playAgainEntry.get(), continuesEntry.get(), continuesNumberEntry.get()})
        text->alphaFrom = text->alphaTo = 0.0f;
    for (menuButton* entry : allEntries())
        entry->slideTime = slideDuration;
}

void ContinueMenu::setOpaque() { background.setAlpha(1.0f); }

void ContinueMenu::highlightSelected()
{
    for (menuButton* answer : {yesEntry.get(), noEntry.get()}) {
        answer->scaleFrom = answer->scale;
        answer->scaleTo = 1.0f;
        answer->colourFrom = answer->colour;
        answer->colourTo = game->startMenuFontColour;
        answer->isSelected = 0;
        answer->focusTime = answer->focusDuration;
    }
    menuButton& chosen = choice == choiceYes ? *yesEntry : *noEntry;
    chosen.isSelected = 1;
    chosen.colourTo = game->startMenuFontHooverColour;
    chosen.scaleTo = chosenScale;
}

bool ContinueMenu::update(double dt)
{
    game->pollGamepads();
    timer += static_cast<float>(dt);
    if (phase == phaseWaiting && timer > waitSeconds) {
        timer = static_cast<float>(dt);
        refresh(true);
        game->startBackgroundFadeOut(backgroundFadeSeconds);
        phase = phaseSliding;
    }
    if (phase == phaseSliding)
        slidePanel();
    for (menuButton* entry : allEntries())
        entry->update(dt);
    if (phase == phaseChoosing)
        takeInput();
    return false;
}

// From the left edge, slowing down as it arrives.
void ContinueMenu::slidePanel()
{
    const float left = -0.5f * width;
    const float top = -0.5f * height;
    if (timer < panelSlideSeconds)
        background.moveTo(left - (1.0f - std::sin(timer * quarterSinePerSecond)), top);
    if (timer > panelSlideSeconds) {
        background.moveTo(left, top);
        phase = phaseChoosing;
    }
}

void ContinueMenu::takeInput()
{
    if (game->moveLeft > directionThreshold && choice == choiceYes)
        choose(choiceNo);
    else if (game->moveRight > directionThreshold && choice == choiceNo)
        choose(choiceYes);
    if (game->shootPressed[0]) {
        validate();
        playSound(game->startMenuClick, defaultVolume, noSoundPosition, false);
    }
}

void ContinueMenu::choose(std::uint32_t answer)
{
    choice = answer;
    highlightSelected();
    playSound(game->startMenuClick, defaultVolume, noSoundPosition, false);
}

void ContinueMenu::validate()
{
    refresh(false);
    if (choice != choiceYes) {
        game->startBackgroundFadeIn(backgroundFadeSeconds);
        game->setGameState(gameModeGameOver);
        return;
    }
    acceptContinue();
}

// Play goes on with the start's lives and bombs, and from no score when the
// game says so.
void ContinueMenu::acceptContinue()
{
    --game->currentContinues;
    ++game->continuesUsed;
    game->deaths = 0;
    if (game->isContinueResetScore) {
        game->totalScore = 0;
        game->levelScore = 0;
    }
    game->currentLives = game->lives;
    game->currentBombs = game->smartBombStartNumber;
    game->startBackgroundFadeIn(backgroundFadeSeconds);
    game->setGameState(gameModeContinueAccepted);
    playState::setControllerTimeFactor(1.0f);
    refresh(false);
    if (game->isPauseMusicDuringContinue) {
        pauseMusic(false);
        pauseEffects(false);
    }
}
