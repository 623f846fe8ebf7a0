// The heads-up display of play. The Game keeps one for the whole run; its
// elements, texts and fonts are built with the in-game screens.
#pragma once

class GameHUD {
public:
    GameHUD() = default;
    ~GameHUD();
    GameHUD(const GameHUD&) = delete;
    GameHUD& operator=(const GameHUD&) = delete;

    // Destroys the HUD's overlays, elements and materials; the HUD can be
    // built again afterwards.
    void destroy();
};
