// The high-score screen: after a game a qualifying score gets a name of six
// characters, entered on a panel that slides in, then the table is shown
// with the new row marked and the screen fades out. The start menu shows the
// table alone. The owner creates it, starts it and updates it every frame
// until update reports the end. Split by concern: HighScoreMenu.cpp
// (building, showing, the table's rules), HighScoreMenuLayout.cpp (placing
// the entries) and HighScoreMenuUpdate.cpp (the frame: phases and input).
#pragma once

#include "frontend/menuButton.h"

#include <OgreMaterial.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Game;
struct highScoreRow;
class playState;

namespace Ogre {
class Overlay;
class OverlayContainer;
} // namespace Ogre

class HighScoreMenu {
public:
    // Values of `phase`.
    static constexpr std::uint32_t phaseWaiting = 0;
    static constexpr std::uint32_t phaseNameEntry = 1;
    static constexpr std::uint32_t phaseTable = 2;
    static constexpr std::uint32_t phaseLeaving = 3;

    HighScoreMenu();
    ~HighScoreMenu();
    HighScoreMenu(const HighScoreMenu&) = delete;
    HighScoreMenu& operator=(const HighScoreMenu&) = delete;

    // A null game takes the Game of the run; the play state is not kept.
    void create(Game* owner, playState* play);
    void destroy();
    // Shows the table; after a game (not viewOnly) a qualifying score is
    // entered first.
    void start(bool isViewOnly);
    void reset();
    void setVisible(bool show);
    // True when the score is to get a name.
    bool showName(std::int64_t newScore);
    // True once the screen has faded out.
    bool update(double dt);
    // The table's owner leaves it: the table shows a moment more, then fades.
    void close();
    // The table is on screen, fading out included.
    bool isShown() const;
    // An empty table gets ten default rows; the table is laid out again.
    void fillDefaultTable();
    // The current level among the game's gameplay levels, from 0.
    int currentLevelNumber() const;
    void setAlpha(float alpha);
    void refresh(bool show);
    void layoutNamePanel();
    void layoutTableFrame();
    void layoutTable();
    void slideOutNamePanel();
    void setAnimationSpeed(double dt);

    // The table's columns: the column head first, then a cell per row.
    std::vector<std::unique_ptr<menuButton>> rankEntries;
    std::vector<std::unique_ptr<menuButton>> nameEntries;
    std::vector<std::unique_ptr<menuButton>> levelEntries;
    std::vector<std::unique_ptr<menuButton>> scoreEntries;
    std::unique_ptr<menuButton> titleEntry;
    std::int64_t score = 0;
    std::string name;
    std::int32_t cursor = 0;
    bool viewOnly = false;
    bool namePanelShown = false;
    bool entryPending = false;
    bool entering = false;
    bool confirmArmed = false;
    double slideTime = 0.4;
    double slideInTimer = 0.4;
    double slideOutTimer = 0.4;
    double namePanelDelay = 1.5;
    float namePanelX = 0.0f;
    float namePanelY = 0.0f;
    double inputLock = 0.0;
    float phaseTimer = 0.0f;
    std::uint32_t phase = phaseWaiting;
    float fadeTimer = 0.0f;
    Ogre::OverlayContainer* tablePanel = nullptr;
    Ogre::Overlay* tableOverlay = nullptr;
    float tableWidth = 1.2f;
    float namePanelWidth = 0.7f;
    float namePanelHeight = 0.7f;
    float panelHeight = 0.4f;
    float screenScale = 1.0f;
    Ogre::OverlayContainer* namePanel = nullptr;
    Ogre::Overlay* nameOverlay = nullptr;
    std::unique_ptr<menuButton> nameTitleEntry;
    std::unique_ptr<menuButton> helpEntry;
    std::unique_ptr<menuButton> okEntry;
    std::vector<std::unique_ptr<menuButton>> letterEntries;
    std::unique_ptr<menuButton> arrowLeft;
    std::unique_ptr<menuButton> arrowRight;
    std::unique_ptr<menuButton> arrowTop;
    std::unique_ptr<menuButton> arrowBottom;
    Game* game = nullptr;
    Ogre::MaterialPtr material;

private:
    // The entries of the name panel, and of the table, in one list each.
    std::vector<menuButton*> namePanelEntries() const;
    std::vector<menuButton*> tableEntries() const;
    void createPanels();
    void createEntries();
    void destroyPanels();
    // The frame's steps (HighScoreMenuUpdate.cpp).
    void readInput(double dt);
    void slideNamePanel(double dt);
    void editName();
    void confirmName();
    void validateName();
    bool leave();
    void pulse(menuButton& arrow);
    void placeNamePanel(float x);
    // The overlays' viewport height / width.
    static float heightPerWidth();
    // The title and the cells ease their alpha from one value to another.
    void fadeTable(float from, float to, double duration);
    // The row of the name just entered.
    bool isNewRow(const highScoreRow& row) const;
};
