#include "data/PlayersReader.h"

#include "combat/Player.h"
#include "data/LibraryFile.h"

#include <memory>

namespace {

const char* const playersFailureLine = "Error creating tinyxml2::XMLDocument";

} // namespace

void loadPlayersGamebox(const std::string& fileName, const std::string& group,
                        std::map<std::string, Player*>& library)
{
    readLibraryFile(fileName, group, "player", playersFailureLine, [&library](const XmlNode& element) {
        auto definition = std::make_unique<Player>();
        readPlayer(element, *definition, nullptr, PlayerElementMode::definition);
        definition->isLibraryDefinition = 1;
        Player*& slot = library[definition->playerName];
        // Nothing else holds the replaced definition.
        delete slot;
        slot = definition.release();
    });
}
