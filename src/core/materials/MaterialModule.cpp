#include "core/materials/MaterialModule.h"

#include "core/Game.h"

MaterialModuleState& materialModule()
{
    static MaterialModuleState state;
    return state;
}

void initMaterialModule()
{
    MaterialModuleState& state = materialModule();
    state.game = Game::getSingletonPtr();
    state.pictures = &state.game->pictureLibrary;
    state.sprites = &state.game->spriteLibrary;
}

void resetMaterialModule() { clearMaterialCaches(); }

void clearMaterialCaches()
{
    MaterialModuleState& state = materialModule();
    state.flags.clear();
    state.definitions.clear();
    state.reportedPictures.clear();
}

void resetMaterialMaps() {}
