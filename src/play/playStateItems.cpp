// The items' frame: every item of the Game's pool (a free one returns at
// once) and every item placed in the level.
#include "play/playState.h"

#include "core/Game.h"
#include "world/Item.h"

void playState::updateItems(double seconds)
{
    for (Item* item : Game::getSingletonPtr()->itemPool)
        if (item)
            item->update(seconds);
    for (Item* item : items)
        item->update(seconds);
}
