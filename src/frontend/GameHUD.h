// The heads-up display of play. The Game keeps one for the whole run; it owns
// the configurable elements that the HUD layout file lists. Its fixed texts
// and fonts are built with the in-game screens.
#pragma once

#include <cstdint>
#include <vector>

class HUDElement;

class GameHUD {
public:
    GameHUD() = default;
    ~GameHUD();
    GameHUD(const GameHUD&) = delete;
    GameHUD& operator=(const GameHUD&) = delete;

    // Destroys the HUD's overlays, elements and materials; the HUD can be
    // built again afterwards.
    void destroy();
    // The id for an element read without one: the largest id in the list
    // (at least 0) plus 1.
    std::int32_t nextElementId() const;

    // The configurable elements, owned, in the layout file's order.
    std::vector<HUDElement*> elements;
};
