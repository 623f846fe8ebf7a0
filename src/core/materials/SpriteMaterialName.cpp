// Finding an object's sprite material again: the module keeps one sprite
// material per texture, remembered in its flags under the material's name.
#include "core/materials/SpriteMaterialName.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/SpriteMaterials.h"
#include "world/Item.h"
#include "world/background.h"

#include <OgreEntity.h>
#include <OgreSubEntity.h>

const char* const spriteMaterialNotFound = "ZN2notFoundZN2";

namespace {

const char* const spritePrefix = "sprite_";
// Where the module makes its sprite materials.
const char* const spriteGroup = "GAMERSC";

// The sprite of the object's definition; the player's is the Game's player's.
std::string spriteNameOf(const entity& object)
{
    if (object.kind == kindPlayer) {
        const Game* game = Game::getSingletonPtr();
        return game && game->player ? game->player->spriteName : std::string();
    }
    if (const auto* member = dynamic_cast<const Enemy*>(&object))
        return member->wave ? member->wave->spriteName : std::string();
    const entity& definition = object.templateObject ? *object.templateObject : object;
    if (const auto* wave = dynamic_cast<const Wave*>(&definition))
        return wave->spriteName;
    if (const auto* item = dynamic_cast<const Item*>(&definition))
        return item->spriteName;
    if (const auto* scenery = dynamic_cast<const background*>(&definition))
        return scenery->spriteName;
    return std::string();
}

} // namespace

std::string findSpriteMaterialName(const entity& object)
{
    const std::string sprite = spriteNameOf(object);
    if (sprite.empty())
        return spriteMaterialNotFound;
    const std::string name = spritePrefix + sprite;
    return materialModule().flags.count(name) ? name : std::string(spriteMaterialNotFound);
}

void refreshSpriteMaterial(Ogre::Entity* shown, const entity& object)
{
    if (!shown)
        return;
    const std::string name = findSpriteMaterialName(object);
    if (name != spriteMaterialNotFound && shown->getNumSubEntities() > 0)
        if (const Ogre::MaterialPtr material = findMaterial(name, spriteGroup))
            shown->getSubEntity(0)->setMaterial(material);
    updateSpriteAnimationParameters(shown, true, false);
}
