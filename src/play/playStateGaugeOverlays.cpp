// The gauge bars of the Level come and go with the HUD.
#include "play/playState.h"

#include "play/Level.h"

void playState::swapOverlayPicture(bool show)
{
    if (level)
        level->showGauges(show);
}
