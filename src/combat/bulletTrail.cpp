// A shot's trail, built at launch: a particle system made from the gun's
// trail template or a ribbon drawn behind the shot, each kept on the record
// and reused while the template stays the same. The Level counts the live
// ones of each kind and refuses more than it can draw; a shot it refuses
// flies without a trail. Shot effects are scaled with the shot, starting
// from the template's own values kept in the Game.
#include "combat/bullet.h"

#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "play/Level.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// The trail name that asks for a ribbon instead of particles.
const std::string ribbonTrailName = "Bullet_Trail";
constexpr std::size_t ribbonElements = 50;
constexpr float ribbonLength = 100.0f;
constexpr float ribbonWidthPerScale = 1.5f;
// Faster shots fade and narrow their ribbon faster: it stays about as long.
constexpr float ribbonFadePerSpeed = 0.015f;
constexpr float ribbonNarrowingPerSpeed = 0.03f;
// Player trails draw just below the ship, or just above it when the game
// puts shots on top; enemy trails above both.
constexpr Ogre::ushort playerTrailPriority = 29499;
constexpr Ogre::ushort playerTrailPriorityOnTop = 29501;
constexpr Ogre::ushort enemyTrailPriority = 50001;

void setTrailRenderOrder(bullet& shot, const Level& level)
{
    if (shot.isPlayerBullet) {
        const bool onTop = Game::getSingletonPtr()->isBulletOnTopOfPlayer;
        shot.trailParticles->setRenderQueueGroupAndPriority(shotEffectGroup(level.playerLayerIndex),
                                                            onTop ? playerTrailPriorityOnTop : playerTrailPriority);
        return;
    }
    const unsigned layer = std::max<unsigned>(level.playerLayerIndex, level.topWaveLayerIndex);
    shot.trailParticles->setRenderQueueGroupAndPriority(shotEffectGroup(layer), enemyTrailPriority);
}

// A new trail system from the template, counted while the Level has room.
void makeTrailParticles(bullet& shot, Level& level, const std::string& templateName, const std::string& systemName)
{
    if (level.trailParticleCount >= Level::maxShotTrails)
        return;
    shot.trailParticles =
        createSpriteEffect(Game::getSingletonPtr(), systemName, templateName, shot.sceneManager, true, false);
    if (!shot.trailParticles)
        return;
    ++level.trailParticleCount;
    shot.isTrailEmitting = 1;
    shot.effectNode->attachObject(shot.trailParticles);
    setFirstEmitterEnabled(shot.trailParticles, true);
    startFromBeginning(shot.trailParticles);
    setTrailRenderOrder(shot, level);
    prepareShotSystem(shot.trailParticles);
    scaleShotEffect(shot.trailParticles, templateName, shot.scale);
    shot.trailEffectName = templateName;
}

// The record's trail system of an earlier flight, counted again while the
// Level has room.
void reuseTrailParticles(bullet& shot, Level& level)
{
    if (level.trailParticleCount >= Level::maxShotTrails)
        return;
    ++level.trailParticleCount;
    shot.isTrailEmitting = 1;
    if (shot.trailParticles->isAttached())
        shot.trailParticles->detachFromParent();
    shot.effectNode->attachObject(shot.trailParticles);
    startFromBeginning(shot.trailParticles);
    scaleShotEffect(shot.trailParticles, shot.trailEffectName, shot.scale);
}

// An emitter's position and particle velocities, as the cache orders them.
struct EmitterValues {
    Ogre::Vector3 position;
    float velocity;
    float leastVelocity;
    float greatestVelocity;
};

EmitterValues ownValues(const Ogre::ParticleEmitter& emitter)
{
    return {emitter.getPosition(), emitter.getParticleVelocity(), emitter.getMinParticleVelocity(),
            emitter.getMaxParticleVelocity()};
}

EmitterValues cachedValues(const std::array<float, 8>& cached)
{
    return {Ogre::Vector3(cached[2], cached[3], cached[4]), cached[5], cached[6], cached[7]};
}

void applyScaled(Ogre::ParticleEmitter& emitter, const EmitterValues& values, float scale)
{
    emitter.setPosition(values.position * scale);
    emitter.setParticleVelocity(values.velocity * scale);
    emitter.setMinParticleVelocity(values.leastVelocity * scale);
    emitter.setMaxParticleVelocity(values.greatestVelocity * scale);
}

} // namespace

bool bullet::wantsTrail() const
{
    if (isLaser || !weapon)
        return false;
    return weapon->sfxType == ribbonTrailName || isEffectNameSet(weapon->sfxType);
}

void bullet::createTrail()
{
    static const std::string noTrail;
    const std::string& wanted = weapon ? weapon->sfxType : noTrail;
    Level* level = playLevel();
    if (trailEffectName != wanted) {
        destroyParticles();
        destroyRibbonTrail();
        if (isLaser || !level || !effectNode)
            return;
        if (wanted == ribbonTrailName)
            createRibbonTrail();
        else if (isEffectNameSet(wanted))
            makeTrailParticles(*this, *level, wanted, "ParticlesBullet" + uniqueText());
        return;
    }
    if (wanted == ribbonTrailName)
        createRibbonTrail();
    else if (trailParticles && level && effectNode)
        reuseTrailParticles(*this, *level);
}

void bullet::createRibbonTrail()
{
    Level* level = playLevel();
    if (!level || !node || !sceneManager)
        return;
    if (!isRibbonCounted) {
        if (level->ribbonTrailCount >= Level::maxShotTrails)
            return;
        ++level->ribbonTrailCount;
        isRibbonCounted = 1;
    }
    trailEffectName = ribbonTrailName;
    if (!ribbonTrail) {
        ribbonTrail = sceneManager->createRibbonTrail("RibbonTrail" + uniqueText());
        ribbonTrail->setMaxChainElements(ribbonElements);
        ribbonTrail->setNumberOfChains(1);
        ribbonTrail->setRenderQueueGroup(shotEffectGroup(level->playerLayerIndex));
        ribbonTrail->addNode(node);
    }
    if (!ribbonTrail->isAttached())
        sceneManager->getRootSceneNode()->attachObject(ribbonTrail);
    const float fade = speed * ribbonFadePerSpeed;
    ribbonTrail->setInitialColour(0, Ogre::ColourValue::White);
    ribbonTrail->setTrailLength(ribbonLength);
    ribbonTrail->setInitialWidth(0, scale * ribbonWidthPerScale);
    ribbonTrail->setColourChange(0, Ogre::ColourValue(fade, fade, fade, 0.0f));
    ribbonTrail->setWidthChange(0, speed * ribbonNarrowingPerSpeed);
    // Clearing restarts the trail at the node's derived position; a node
    // still out of date would update the trail while its chain is empty,
    // and Ogre then never ends that update. Cleared last: the trail starts
    // with the colour and width just set, not those its death faded it to.
    node->_getDerivedPosition();
    ribbonTrail->clearAllChains();
    if (weapon && ribbonTrail->getMaterialName() != weapon->trailName)
        ribbonTrail->setMaterialName(weapon->trailName);
}

void scaleShotEffect(Ogre::ParticleSystem* system, const std::string& templateName, float scale)
{
    // Every shot system is scaled: none carries a mark that exempts it.
    if (!system)
        return;
    Game& game = *Game::getSingletonPtr();
    const bool isFirstUse = game.particleTemplateValues.count(templateName) == 0;
    const std::array<float, 8>& cached = templateValuesOf(game, templateName, *system);
    system->setDefaultDimensions(cached[0] * scale, cached[1] * scale);
    for (unsigned short i = 0; i < system->getNumEmitters(); ++i) {
        Ogre::ParticleEmitter& emitter = *system->getEmitter(i);
        applyScaled(emitter, isFirstUse ? ownValues(emitter) : cachedValues(cached), scale);
    }
}
