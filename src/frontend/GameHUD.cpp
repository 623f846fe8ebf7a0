#include "frontend/GameHUD.h"

GameHUD::~GameHUD() { destroy(); }

void GameHUD::destroy()
{
    // Nothing to release yet: the HUD builds no overlay until its elements exist.
}
