// The heads-up display of play: six text lines (score, hit points, lives,
// bombs, multiplier, medals) in the game's HUD font, a background panel behind
// them, the picture around a game drawn at a fixed screen ratio, the loading
// and pause texts and the debug counters. The Game keeps one for the whole
// run; it owns the configurable elements that the HUD layout file lists. The
// Level builds it anew for every level and the play state writes it every
// frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class Overlay;
class OverlayContainer;
} // namespace Ogre
class Game;
class HUDElement;
class OverlayWidget;

class GameHUD {
public:
    GameHUD();
    ~GameHUD();
    GameHUD(const GameHUD&) = delete;
    GameHUD& operator=(const GameHUD&) = delete;

    // Destroys the HUD's overlays, widgets, elements and materials; the HUD
    // can be built again afterwards.
    void destroy();
    // Makes the six lines and the enemy bar picture materials.
    void create();
    // Labels, fonts, alignments and places of the six lines; the pause text
    // is made again.
    void layout();
    // Writes the six lines from the game's counters, and the elements.
    void updateTexts();
    // Writes the frame rate, batch and shot counters, or hides them.
    void updateDebugInfos();
    // Shows the lines the game's settings enable, the background panel and
    // the elements; hides them all.
    void setVisible(bool show);
    // The id for an element read without one: the largest id in the list
    // (at least 0) plus 1.
    std::int32_t nextElementId() const;
    // Gives every element without an id (-1) the next id, one after another
    // in list order, in one pass over the list.
    void numberElements();

    void createBackgroundPanel();
    void destroyBackgroundPanel();
    void layoutBackgroundPanel();
    void showBackgroundPanel();
    void hideBackgroundPanel();
    // Shows the picture around a game drawn at a fixed screen ratio; hides it
    // without a picture or a ratio.
    void setBackground(const std::string& picture);

    void createLoading();
    void destroyLoading();
    // Shows the loading text and has it drawn at once: the next frame may be
    // long in coming.
    void showLoading();
    void hideLoading();

    void createPause();
    void destroyPause();
    void showPause();
    void hidePause();

    // Keeps the debug counters hidden whatever the settings say.
    bool debugHidden = false;
    // Set when the HUD is to be drawn again; cleared when play starts.
    bool isRefreshNeeded = false;
    void clearRefreshFlag() { isRefreshNeeded = false; }
    OverlayWidget* scoreText = nullptr;
    OverlayWidget* hpText = nullptr;
    OverlayWidget* livesText = nullptr;
    OverlayWidget* bombsText = nullptr;
    OverlayWidget* multiplierText = nullptr;
    OverlayWidget* medalsText = nullptr;
    OverlayWidget* pauseText = nullptr;
    OverlayWidget* loadingText = nullptr;
    // The configurable elements, owned, in the layout file's order.
    std::vector<HUDElement*> elements;
    Ogre::Overlay* backgroundOverlay = nullptr;
    Ogre::OverlayContainer* backgroundPanel = nullptr;
    Game* game = nullptr;

private:
    void deleteLines();
};
