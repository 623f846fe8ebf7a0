// The item pool: every item dropped during play, made with its scene nodes
// when play starts so that dropping never allocates. A pooled item is free
// while its status is 3.
#include "core/Game.h"

#include "app/Log.h"
#include "world/Item.h"

#include <string>

void Game::createItemPool()
{
    // Entering play again without leaving it keeps no items of the last play.
    destroyItemPool();
    for (std::size_t i = 0; i < itemPoolCount; ++i) {
        auto* item = new Item();
        item->name = "Item_" + std::to_string(i);
        item->sceneManager = sceneManager;
        item->isStatic = false;
        item->createNodes();
        itemPool[i] = item;
    }
    logLine("Items created");
}

void Game::destroyItemPool()
{
    for (Item*& item : itemPool) {
        delete item;
        item = nullptr;
    }
}
