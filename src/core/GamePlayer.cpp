// Game::createPlayer: the play ship made from its definition in the players
// library.
#include "core/Game.h"

#include "app/Log.h"
#include "combat/Player.h"
#include "play/Level.h"

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
    if (level) {
        const std::uint16_t layerIndex = level->getLayerIndex(static_cast<std::int32_t>(player->layerId));
        level->playerLayerIndex = static_cast<std::uint8_t>(layerIndex);
    }
    if (sceneManager)
        player->createSceneNodes(sceneManager);
    if (definition) {
        player->name = definition->name;
        player->templateObject = definition;
        player->setupFromDefinition(definition, false);
        player->rebuildGraphics();
    } else {
        // Not even the stand-by: the ship still shows, as the missing-mesh stand-in.
        player->loadMesh(player->meshName);
    }
    player->resetRuntimeState();
    playerName = player->name;
}
