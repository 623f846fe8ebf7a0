// Game::createPlayer: the play ship made from its definition in the players
// library.
#include "core/Game.h"

#include "app/Log.h"
#include "combat/Player.h"

namespace {

// The definition of the name, else the stand-by "PlayerNotFound" with the
// play ship marked as missing its mesh; null when the library holds neither.
Player* findDefinition(Game& game, const std::string& name)
{
    const auto found = game.playerLibrary.find(name);
    if (found != game.playerLibrary.end())
        return found->second;
    logLine("[ERROR] can't find player mesh: " + game.player->meshName);
    game.player->meshName = "interro.mesh";
    const auto standBy = game.playerLibrary.find("PlayerNotFound");
    return standBy != game.playerLibrary.end() ? standBy->second : nullptr;
}

} // namespace

void Game::createPlayer(const std::string& definitionName)
{
    if (!player)
        return;
    Player* definition = findDefinition(*this, definitionName);
    // The level takes the render-queue index of the player's layer here once it has layers.
    // The player's scene nodes are built here once the player has them.
    if (definition) {
        player->name = definition->name;
        player->templateObject = definition;
        // The definition's weapon sets, outlines and effects are copied here once the player has them.
    }
    // The player's graphics are rebuilt and its per-run state cleared here once the player has them.
    playerName = player->name;
}
