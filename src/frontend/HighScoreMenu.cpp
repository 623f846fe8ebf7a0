// The high-score screen's building and tearing down, its showing, and the
// rules of the table it shows: who may enter a name and the default rows.
#include "frontend/HighScoreMenu.h"

#include "app/AudioService.h"
#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"
#include "frontend/HighScoreName.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>

#include <array>

namespace {

const char* const tablePanelName = "PanelHS";
const char* const tableOverlayName = "OverlayBGHS";
const char* const namePanelName = "OverlayNamePanel";
const char* const nameOverlayName = "OverlayBGName";
const char* const materialSuffix = "HS_";
const char* const plainMaterial = "defaultPicture";
const char* const defaultRowName = "KOVA";
// The table panel, its texts, the name panel over them and its texts
// (the texts' orders above the menus' own).
constexpr unsigned short tableZOrder = 646;
constexpr std::uint16_t tableTextsAboveMenus = 7;
constexpr unsigned short nameZOrder = 648;
constexpr std::uint16_t nameTextsAboveMenus = 9;
constexpr std::uint32_t rowCount = 10;
constexpr std::int64_t defaultScoreStep = 10;
constexpr float backgroundFadeOut = 0.8f;
// Seconds of the table's texts fading in, with the panels.
constexpr double tableFadeIn = 0.5;
// The name panel waits this far left of its place, off screen.
constexpr float namePanelAway = 1.0f;
constexpr unsigned customAlpha = 1;
const std::array<const char*, 4> arrowNames = {"arrowLeft", "arrowRight", "arrowTop", "arrowBottom"};
const std::array<const char*, 4> arrowLabels = {"<", ">", "+", "+"};

// An entry with its name and label, built hidden.
std::unique_ptr<menuButton> makeEntry(const std::string& name, const std::string& label, float fontScale = 1.0f)
{
    auto entry = std::make_unique<menuButton>();
    entry->text = name;
    entry->label = label;
    entry->fontSize *= fontScale;
    entry->build(nullptr);
    return entry;
}

Ogre::OverlayContainer* makePanel(const char* name)
{
    auto* panel = static_cast<Ogre::OverlayContainer*>(
        Ogre::OverlayManager::getSingleton().createOverlayElement("Panel", name));
    panel->setMetricsMode(Ogre::GMM_RELATIVE);
    panel->setHorizontalAlignment(Ogre::GHA_CENTER);
    panel->setVerticalAlignment(Ogre::GVA_CENTER);
    return panel;
}

void destroyElement(const char* name)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    if (overlays.hasOverlayElement(name))
        overlays.destroyOverlayElement(name);
}

void destroyOverlay(const char* name)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    if (overlays.getByName(name))
        overlays.destroy(name);
}

} // namespace

HighScoreMenu::HighScoreMenu() = default;

HighScoreMenu::~HighScoreMenu() = default;

void HighScoreMenu::create(Game* owner, playState* /*play*/)
{
    game = owner ? owner : Game::getSingletonPtr();
    createEntries();
    createPanels();
    setVisible(false);
}

void HighScoreMenu::createEntries()
{
    // The name panel's help line is long: it is drawn smaller.
    constexpr float helpFontScale = 0.45f;
    // The table's cells are small enough to leave a gap between rows.
    constexpr float cellFontScale = 0.45f;
    nameTitleEntry = makeEntry("NAMETITLE", game->getText("ENTER YOUR NAME"));
    helpEntry = makeEntry("nameMessage", game->getText("USE THE D-PAD TO CHOOSE YOUR NAME, AND VALIDATE WITH A"),
                          helpFontScale);
    okEntry = makeEntry("nameOk", game->getText("OK"));
    for (std::unique_ptr<menuButton>* arrow : {&arrowLeft, &arrowRight, &arrowTop, &arrowBottom}) {
        const auto index = static_cast<std::size_t>(arrow - &arrowLeft);
        *arrow = makeEntry(arrowNames[index], arrowLabels[index]);
    }
    letterEntries.clear();
    for (std::size_t i = 0; i < highscorename::length; ++i)
        letterEntries.push_back(makeEntry("NAMETITLE", game->getText("A")));
    titleEntry = makeEntry("HIGHSCORES", game->getText("HIGHSCORES"));
    const std::array<std::pair<std::vector<std::unique_ptr<menuButton>>*, const char*>, 4> columns = {
        {{&rankEntries, "RANK"}, {&nameEntries, "NAME"}, {&scoreEntries, "SCORE"}, {&levelEntries, "LEVEL"}}};
    for (const auto& [column, head] : columns) {
        column->clear();
        column->push_back(makeEntry(head, game->getText(head), cellFontScale));
    }
    for (std::uint32_t row = 0; row < rowCount; ++row) {
        const std::string index = std::to_string(row);
        rankEntries.push_back(makeEntry("rank" + index, index, cellFontScale));
        nameEntries.push_back(makeEntry("name" + index, defaultRowName, cellFontScale));
        scoreEntries.push_back(makeEntry("score" + index, "0", cellFontScale));
        levelEntries.push_back(makeEntry("level" + index, "0", cellFontScale));
    }
    for (menuButton* entry : tableEntries())
        entry->setZOrder(tableTextsAboveMenus);
    for (menuButton* entry : namePanelEntries())
        entry->setZOrder(nameTextsAboveMenus);
}

void HighScoreMenu::createPanels()
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    destroyPanels();
    material = createAnimatedPictureMaterial(game->HSMenuBG, materialSuffix);
    if (!material)
        material = findMaterial(plainMaterial);
    tablePanel = makePanel(tablePanelName);
    tableOverlay = overlays.create(tableOverlayName);
    tableOverlay->add2D(tablePanel);
    tableOverlay->setZOrder(tableZOrder);
    namePanel = makePanel(namePanelName);
    nameOverlay = overlays.create(nameOverlayName);
    nameOverlay->add2D(namePanel);
    nameOverlay->setZOrder(nameZOrder);
    for (Ogre::OverlayContainer* panel : {tablePanel, namePanel})
        if (material)
            panel->setMaterial(material);
}

void HighScoreMenu::destroyPanels()
{
    destroyElement(tablePanelName);
    destroyElement(namePanelName);
    destroyOverlay(tableOverlayName);
    destroyOverlay(nameOverlayName);
    tablePanel = namePanel = nullptr;
    tableOverlay = nameOverlay = nullptr;
}

void HighScoreMenu::destroy()
{
    for (auto* column : {&rankEntries, &nameEntries, &levelEntries, &scoreEntries, &letterEntries})
        column->clear();
    for (std::unique_ptr<menuButton>* entry :
         {&titleEntry, &nameTitleEntry, &helpEntry, &okEntry, &arrowLeft, &arrowRight, &arrowTop, &arrowBottom})
        entry->reset();
    destroyPanels();
    // The plain material belongs to the game's scripts and stays.
    if (material && material->getName() != plainMaterial)
        removeMaterial(material->getName(), material->getGroup());
    material.reset();
}

void HighScoreMenu::start(bool isViewOnly)
{
    viewOnly = isViewOnly;
    reset();
    setVisible(true);
    game->startBackgroundFadeOut(backgroundFadeOut);
    if (!viewOnly)
        fadeOutEffects();
    logLine("start highscores");
}

void HighScoreMenu::reset()
{
    // The panel slides in once; it slides out only after a name was entered.
    slideInTimer = slideTime;
    slideOutTimer = 0.0;
    phaseTimer = 0.0f;
    phase = phaseWaiting;
    cursor = 0;
    fadeTimer = 0.0f;
    inputLock = 0.0;
    entering = false;
    confirmArmed = false;
    layoutTable();
    layoutTableFrame();
    fadeTable(0.0f, 1.0f, tableFadeIn);
    setAnimationSpeed(0.0);
    refresh(false);
}

void HighScoreMenu::setVisible(bool show)
{
    namePanelShown = false;
    if (show) {
        if (tableOverlay)
            tableOverlay->show();
        reset();
        layoutTableFrame();
        if (namePanel) {
            const float r = heightPerWidth();
            namePanel->setDimensions(r * namePanelWidth * screenScale, panelHeight * screenScale);
            namePanelX = -0.5f * namePanel->getWidth();
            namePanelY = -0.5f * namePanel->getHeight();
            placeNamePanel(namePanelX - namePanelAway);
        }
        showName(game->totalScore);
        fillDefaultTable();
    } else {
        if (tableOverlay)
            tableOverlay->hide();
        refresh(false);
    }
    setAlpha(0.0f);
    for (menuButton* entry : tableEntries())
        entry->setVisible(show);
    for (auto& cell : levelEntries)
        cell->setVisible(show && game->isHSshowLevels);
}

void HighScoreMenu::placeNamePanel(float x)
{
    if (namePanel)
        namePanel->setPosition(x, namePanelY);
}

bool HighScoreMenu::showName(std::int64_t newScore)
{
    if (!viewOnly)
        playState::setControllerTimeFactor(0.0f);
    refresh(false);
    entryPending = false;
    score = newScore;
    name = highscorename::offeredName(game->highScores.lastEnteredName);
    game->shootPressed[0] = false;
    layoutNamePanel();
    // The default rows come first: a score below them must not qualify on
    // an empty table only to drop out when it is added.
    fillDefaultTable();
    if (game->highScoreRank() >= 1 && score >= 1 && !viewOnly) {
        entryPending = entering = true;
        return true;
    }
    return false;
}

void HighScoreMenu::fillDefaultTable()
{
    if (game->highScores.rows.empty())
        for (std::int64_t row = 1; row <= static_cast<std::int64_t>(rowCount); ++row)
            game->highScores.rows.insert({defaultRowName, row * defaultScoreStep, 0});
    layoutTable();
}

int HighScoreMenu::currentLevelNumber() const
{
    int number = 0;
    const auto current = static_cast<std::size_t>(std::max(game->levelIndex, 0));
    for (std::size_t i = 0; i < game->levels.size() && i < current; ++i)
        if (game->levels[i] && game->levels[i]->isGameplayLevel)
            ++number;
    return number;
}

void HighScoreMenu::setAlpha(float alpha)
{
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (pass && pass->hasFragmentProgram()) {
        const Ogre::GpuProgramParametersSharedPtr parameters = pass->getFragmentProgramParameters();
        if (parameters->_findNamedConstantDefinition("alpha")) {
            parameters->setNamedConstant("alpha", alpha);
            return;
        }
    }
    // Both panels share the material; each is tinted on its own.
    for (Ogre::OverlayContainer* panel : {tablePanel, namePanel})
        if (panel)
            panel->setCustomParameter(customAlpha, Ogre::Vector4(alpha, alpha, alpha, alpha));
}

std::vector<menuButton*> HighScoreMenu::namePanelEntries() const
{
    std::vector<menuButton*> entries = {nameTitleEntry.get(), helpEntry.get(), okEntry.get(), arrowLeft.get(),
                                        arrowRight.get(),     arrowTop.get(),  arrowBottom.get()};
    for (const auto& letter : letterEntries)
        entries.push_back(letter.get());
    return entries;
}

std::vector<menuButton*> HighScoreMenu::tableEntries() const
{
    std::vector<menuButton*> entries = {titleEntry.get()};
    for (const auto* column : {&rankEntries, &nameEntries, &scoreEntries, &levelEntries})
        for (const auto& cell : *column)
            entries.push_back(cell.get());
    return entries;
}
