#include "combat/WeaponEffects.h"

#include "combat/bulletEffects.h"
#include "play/Level.h"

#include <OgreParticleSystem.h>

#include <cstdint>

std::string gunEffectName(const char* prefix, const Weapon& gun)
{
    return prefix + std::to_string(reinterpret_cast<std::uintptr_t>(&gun));
}

std::uint8_t playerShotEffectGroup(const Level* level)
{
    return shotEffectGroup(level ? level->playerLayerIndex : 0u);
}

std::uint8_t enemyShotEffectGroup(const Level* level)
{
    return shotEffectGroup(level ? level->topWaveLayerIndex : 0u);
}

void stopEmitting(Ogre::ParticleSystem* system)
{
    if (system)
        system->setEmitting(false);
}
