// Reading one "player" element into a ship, as a library definition and as
// a level's play ship.
#include "data/PlayersReader.h"

#include "combat/Player.h"
#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "data/XmlFragment.h"
#include "play/Level.h"
#include "support/LogCapture.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"
#include "world/WorldTestScene.h"
#include "world/sfxDefinition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

void readInto(const std::string& xml, Player& player, PlayerElementMode mode = PlayerElementMode::definition,
              Level* level = nullptr)
{
    const XmlFragment fragment(xml);
    readPlayer(fragment.root(), player, level, mode);
}

const char* const fullShip = R"(
<player playerName="Falcon" spriteName="falcon.png" meshName="falcon.mesh" isCastShadows="false" layer="3">
  <toybox parentName="FalconDef" thumbnail="falconThumb.png" screenName="Falcon"/>
  <intro introAngle="90" introDuration="1.5" introDistance="40" introInvincibleTime="2.5" timeBeforeRestart="3"
         isRestartCancelBullets="false" timeBeforeEnemiesCanShoot="4" isIntroMove="false"/>
  <ROTATION type="2.9" bankLimits="30 5" bankSpeed="-2" rotationSpeed="12" isBanking="false"/>
  <position pos="1 -60 2" sca="2 2 2" orient="10 20 30" symmetry="-1" startSpriteOrientation="0 0 1 0"/>
  <gameplay BgCollisionDamage="3.7" BgCollisionTimeBeforeHit="-1" enemyCollisionDamage="2"
            isCollisionRepulse="true" isEnemyCollisionRepulse="true" invicibilityTimeWhenHit="2.25"
            collisionSound="scrape.wav" isFocus="true" isFocusPlusX="true" focusWeaponSetPlus="2" focusButton="3"
            focusWeaponSet="1" focusPlayerSpeed="12" collisionBulletsSound="hit.wav" hitParticleName="sparks"/>
  <Death explosionName="boom" explosionScale="2.5" destructionTime="0.75" deathTranslation="0 -5 0"
         deathRotation="0 90 0" explosionRadius="6" explosionNumber="4"/>
  <ANIMATION animationDirectionWays="8" isSnapToDirection="true"/>
  <SFX sfxName="engineTrail" sfxBehavior="true" isOnTop="true" isEnable="true" sfxPosition="0 0 3"
       sfxOrientation="0 0 1 0" sfxScale="2"/>
  <SFX sfxName="glow" sfxBehavior="false" sfxPosition="1 0 0" sfxOrientation="1 0 0 0" sfxScale="0.5"/>
  <physics speed="52.8" Acceleration="11" Braking="9" gravity="-3" usePhysics="true" isOnlyLateral="true"
           isMouseMovePlayer="true" isMouseUseSpeed="true"/>
  <OBB size="4 0 6" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/>
  <OBB size="1 0 1" rotation="0 0 0" isInvicible="false" isHitBox="true" offs="0 0 1"/>
  <OBB size="2 0 2" rotation="0 0 0" isInvicible="true" isHitBox="false" offs="0 0 0"/>
  <ROTOR meshName="blade.mesh" rotationSpeed="1.5" pos="2 0 -1" rot="0 45 0" sca="0.5"/>
  <ROTOR meshName="ring.mesh" rotationSpeed="-2" pos="-2 0 -1" rot="90 0 0" sca="0.75"/>
  <WEAPONSET name="Front"><weapon><name Name="Gun_Single"/></weapon><weapon><name Name="Gun_Fan3"/></weapon></WEAPONSET>
  <WEAPONSET name="Beam"><weapon><name Name="Gun_Laser"/></weapon></WEAPONSET>
</player>)";

TEST(PlayerReader, AFullElementFillsEveryField)
{
    Player ship;
    ship.isCastShadows = 1;
    LogCapture log;
    readInto(fullShip, ship);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));

    EXPECT_EQ(ship.playerName, "Falcon");
    EXPECT_EQ(ship.spriteName, "falcon.png");
    EXPECT_EQ(ship.isLayered, 1);
    EXPECT_EQ(ship.meshName, "falcon.mesh");
    EXPECT_EQ(ship.isCastShadows, 0);
    EXPECT_EQ(ship.layerId, 3u);
    EXPECT_EQ(ship.name, "FalconDef");
    EXPECT_EQ(ship.thumbnail, "falconThumb.png");
    EXPECT_EQ(ship.screenName, "Falcon");

    EXPECT_FLOAT_EQ(ship.introAngle, 90.0f);
    EXPECT_FLOAT_EQ(ship.introDuration, 1.5f);
    EXPECT_FLOAT_EQ(ship.introDistance, 40.0f);
    EXPECT_FLOAT_EQ(ship.introInvincibleTime, 2.5f);
    EXPECT_FLOAT_EQ(ship.timeBeforeRestart, 3.0f);
    EXPECT_EQ(ship.isRestartCancelBullets, 0);
    EXPECT_FLOAT_EQ(ship.timeBeforeEnemiesCanShoot, 4.0f);
    EXPECT_EQ(ship.isIntroMove, 0);

    EXPECT_EQ(ship.type, 2); // a real cut toward zero
    EXPECT_EQ(ship.bankLimits, Ogre::Vector2(30.0f, 5.0f));
    EXPECT_FLOAT_EQ(ship.bankSpeed, 0.0f); // never negative
    EXPECT_FLOAT_EQ(ship.rotationSpeed, 12.0f);
    EXPECT_EQ(ship.isBanking, 0);

    EXPECT_EQ(ship.pos, Ogre::Vector3(1.0f, -60.0f, 2.0f));
    EXPECT_EQ(ship.savedPosition, ship.pos);
    EXPECT_EQ(ship.scale, Ogre::Vector3(2.0f, 2.0f, 2.0f));
    EXPECT_EQ(ship.orient, Ogre::Vector3(10.0f, 20.0f, 30.0f));
    EXPECT_EQ(ship.symmetry, -1);
    EXPECT_EQ(ship.startSpriteOrientation, Ogre::Quaternion(0.0f, 0.0f, 1.0f, 0.0f));

    EXPECT_EQ(ship.BgCollisionDamage, 3);
    EXPECT_FLOAT_EQ(ship.BgCollisionTimeBeforeHit, 0.0f);
    EXPECT_EQ(ship.enemyCollisionDamage, 2);
    EXPECT_EQ(ship.isCollisionRepulse, 1);
    EXPECT_EQ(ship.isEnemyCollisionRepulse, 1);
    EXPECT_FLOAT_EQ(ship.invicibilityTimeWhenHit, 2.25f);
    EXPECT_EQ(ship.collisionSound, "scrape.wav");
    EXPECT_EQ(ship.isFocus, 1);
    EXPECT_EQ(ship.isFocusPlusX, 1);
    EXPECT_EQ(ship.focusWeaponSetPlus, 2);
    EXPECT_EQ(ship.focusButton, 3);
    EXPECT_EQ(ship.focusWeaponSet, 1);
    EXPECT_EQ(ship.focusPlayerSpeed, 12);
    EXPECT_EQ(ship.collisionBulletsSound, "hit.wav");
    EXPECT_EQ(ship.hitParticleName, "sparks");

    EXPECT_EQ(ship.explosionName, "boom");
    EXPECT_FLOAT_EQ(ship.explosionScale, 2.5f);
    EXPECT_FLOAT_EQ(ship.destructionTime, 0.75f);
    EXPECT_EQ(ship.deathTranslation, Ogre::Vector3(0.0f, -5.0f, 0.0f));
    EXPECT_EQ(ship.deathRotation, Ogre::Vector3(0.0f, 90.0f, 0.0f));
    EXPECT_FLOAT_EQ(ship.explosionRadius, 6.0f);
    EXPECT_EQ(ship.explosionNumber, 4);
    EXPECT_EQ(ship.animationDirectionWays, 8);
    EXPECT_EQ(ship.isSnapToDirection, 1);

    ASSERT_EQ(ship.sfxDefinitions.size(), 2u);
    const sfxDefinition& trail = *ship.sfxDefinitions[0];
    EXPECT_EQ(trail.name, "SFXDefinition");
    EXPECT_EQ(trail.sfxName, "engineTrail");
    EXPECT_TRUE(trail.sfxBehavior);
    EXPECT_TRUE(trail.isOnTop);
    EXPECT_TRUE(trail.isEnable);
    EXPECT_EQ(trail.position, Ogre::Vector3(0.0f, 0.0f, 3.0f));
    EXPECT_EQ(trail.orientation, Ogre::Quaternion(0.0f, 0.0f, 1.0f, 0.0f));
    EXPECT_EQ(trail.scale, Ogre::Vector3(2.0f, 1.0f, 1.0f)); // stretched along x only
    EXPECT_FALSE(ship.sfxDefinitions[1]->isOnTop || ship.sfxDefinitions[1]->isEnable);

    EXPECT_FLOAT_EQ(ship.baseSpeed, 52.8f);
    EXPECT_FLOAT_EQ(ship.currentSpeed, 52.8f);
    EXPECT_EQ(ship.integerSpeed, 52);
    EXPECT_FLOAT_EQ(ship.Acceleration, 11.0f);
    EXPECT_FLOAT_EQ(ship.Braking, 9.0f);
    EXPECT_FLOAT_EQ(ship.gravity, -3.0f);
    EXPECT_EQ(ship.usePhysics + ship.isOnlyLateral + ship.isMouseMovePlayer + ship.isMouseUseSpeed, 4);

    // The last outline marked as a hit box gives the index; the first is always one.
    ASSERT_EQ(ship.outlines.size(), 3u);
    EXPECT_EQ(ship.hitBoxIndex, 1);
    EXPECT_EQ(ship.outlines[0]->isHitBox, 1);
    EXPECT_EQ(ship.outlines[2]->isHitBox, 0);
    EXPECT_EQ(ship.outlines[2]->isInvicible, 1);

    ASSERT_EQ(ship.rotors.size(), 2u);
    const rotor& blade = *ship.rotors[0];
    EXPECT_EQ(blade.meshName, "blade.mesh");
    EXPECT_FLOAT_EQ(blade.rotationSpeed, 1.5f);
    EXPECT_EQ(blade.pos, Ogre::Vector3(2.0f, 0.0f, -1.0f));
    EXPECT_EQ(blade.rot, Ogre::Vector3(0.0f, 45.0f, 0.0f));
    EXPECT_FLOAT_EQ(blade.sca, 0.5f);
    EXPECT_EQ(blade.node, nullptr);
    EXPECT_EQ(ship.rotors[1]->meshName, "ring.mesh");

    ASSERT_EQ(ship.weaponSets.size(), 2u);
    EXPECT_EQ(ship.weaponSetNames, (std::vector<std::string>{"Front", "Beam"}));
    ASSERT_EQ(ship.weaponSets[0].size(), 2u);
    EXPECT_EQ(ship.weaponSets[0][1]->name, "Gun_Fan3");
    EXPECT_EQ(ship.weaponSets[1].at(0)->name, "Gun_Laser");
    // A definition's guns stay unbound.
    EXPECT_EQ(ship.weaponSets[1][0]->templateObject, nullptr);
}

TEST(PlayerReader, AnEmptyElementStoresTheSectionDefaultsAndKeepsTheRest)
{
    Player ship;
    ship.type = 2;
    ship.bankSpeed = 9.0f;
    ship.pos = Ogre::Vector3(5.0f, 5.0f, 5.0f);
    ship.scale = Ogre::Vector3(3.0f, 3.0f, 3.0f);
    ship.symmetry = -1;
    ship.BgCollisionDamage = 7;
    ship.invicibilityTimeWhenHit = 9.0f;
    ship.explosionName = "big";
    ship.baseSpeed = 99.0f;
    ship.Braking = 1.0f;
    ship.introAngle = 33.0f;
    ship.animationDirectionWays = 8;
    ship.hitParticleName = "sparks";
    ship.isLayered = 0;
    readInto(R"(<player spriteName=""/>)", ship);

    EXPECT_EQ(ship.type, 0);
    EXPECT_EQ(ship.bankLimits, Ogre::Vector2(20.0f, 0.0f));
    EXPECT_FLOAT_EQ(ship.bankSpeed, 4.0f);
    EXPECT_FLOAT_EQ(ship.rotationSpeed, 15.0f);
    EXPECT_EQ(ship.isBanking, 1);
    EXPECT_EQ(ship.pos, Ogre::Vector3(0.0f, -76.0f, 0.0f));
    EXPECT_EQ(ship.savedPosition, ship.pos);
    EXPECT_EQ(ship.scale, Ogre::Vector3::UNIT_SCALE);
    EXPECT_EQ(ship.orient, Ogre::Vector3::ZERO);
    EXPECT_EQ(ship.symmetry, 1);
    EXPECT_EQ(ship.startSpriteOrientation, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(ship.BgCollisionDamage, 1);
    EXPECT_EQ(ship.enemyCollisionDamage, 1);
    EXPECT_FLOAT_EQ(ship.invicibilityTimeWhenHit, 1.55f);
    EXPECT_EQ(ship.collisionSound, "impact.ogg");
    EXPECT_EQ(ship.collisionBulletsSound, "impact.ogg");
    EXPECT_EQ(ship.focusWeaponSetPlus, 1);
    EXPECT_EQ(ship.focusPlayerSpeed, 30);
    EXPECT_EQ(ship.focusWeaponSet, Player::noFocusSet);
    EXPECT_EQ(ship.explosionName, "explo_small01");
    EXPECT_FLOAT_EQ(ship.explosionScale, 1.0f);
    EXPECT_EQ(ship.explosionNumber, 1);
    EXPECT_FLOAT_EQ(ship.baseSpeed, 45.0f);
    EXPECT_EQ(ship.integerSpeed, 45);
    EXPECT_FLOAT_EQ(ship.Acceleration, 20.0f);
    EXPECT_FLOAT_EQ(ship.Braking, 20.0f);
    ASSERT_EQ(ship.weaponSets.size(), 1u);
    EXPECT_EQ(ship.weaponSets[0].size(), 1u);
    EXPECT_EQ(ship.weaponSetNames, std::vector<std::string>{"Set1"});
    EXPECT_TRUE(ship.outlines.empty() && ship.rotors.empty() && ship.sfxDefinitions.empty());
    // Kept: what only "intro", "ANIMATION" and optional attributes give.
    EXPECT_FLOAT_EQ(ship.introAngle, 33.0f);
    EXPECT_EQ(ship.animationDirectionWays, 8);
    EXPECT_EQ(ship.hitParticleName, "sparks");
    EXPECT_EQ(ship.playerName, "player");
    EXPECT_EQ(ship.isLayered, 0); // an empty sprite name makes no sprite
}

// The editor writes set 10 for "no focus set"; only a ship with 100 sets or
// more can mean its set 10.
TEST(PlayerReader, FocusSetTenMeansNoneUnlessTheShipHasAHundredSets)
{
    const auto withSets = [](int sets, int focusSet) {
        std::string xml = "<player><gameplay BgCollisionDamage=\"1\" BgCollisionTimeBeforeHit=\"0\" "
                          "enemyCollisionDamage=\"1\" isCollisionRepulse=\"false\" focusWeaponSet=\"" +
                          std::to_string(focusSet) + "\"/>";
        for (int set = 0; set < sets; ++set)
            xml += "<WEAPONSET name=\"S" + std::to_string(set) + "\"/>";
        Player ship;
        readInto(xml + "</player>", ship);
        return ship.focusWeaponSet;
    };
    EXPECT_EQ(withSets(3, 10), Player::noFocusSet);
    EXPECT_EQ(withSets(99, 10), Player::noFocusSet);
    EXPECT_EQ(withSets(100, 10), 10);
    EXPECT_EQ(withSets(3, 2), 2);
}

TEST(PlayerReader, ALevelsShipKeepsItsMirroringAndHasItsGunsBoundAtOnce)
{
    WorldTestScene world;
    Level level;
    Player ship;
    ship.symmetry = -1;
    ship.startSpriteOrientation = Ogre::Quaternion(0.0f, 0.0f, 1.0f, 0.0f);
    ship.meshNode = world.scene->getRootSceneNode()->createChildSceneNode();
    readInto(R"(<player><position pos="0 -50 0" sca="1 1 1" orient="0 0 0" symmetry="1"
                 startSpriteOrientation="1 0 0 0"/><WEAPONSET name="A"><weapon/></WEAPONSET></player>)",
             ship, PlayerElementMode::instance, &level);
    EXPECT_EQ(ship.symmetry, -1);
    EXPECT_EQ(ship.startSpriteOrientation, Ogre::Quaternion(0.0f, 0.0f, 1.0f, 0.0f));
    EXPECT_EQ(ship.pos, Ogre::Vector3(0.0f, -50.0f, 0.0f));
    const Weapon& gun = *ship.weaponSets.at(0).at(0);
    EXPECT_EQ(gun.templateObject, &ship);
    EXPECT_EQ(gun.level, &level);
    EXPECT_EQ(gun.parentNode, ship.meshNode);
}

TEST(PlayerReader, AnEffectNamedNoneOrNothingAddsNothing)
{
    Player ship;
    LogCapture log;
    readInto(R"(<player><SFX sfxName="none" sfxBehavior="true" sfxPosition="0 0 0" sfxOrientation="1 0 0 0"
                 sfxScale="1"/><SFX sfxName="" sfxBehavior="true" sfxPosition="0 0 0" sfxOrientation="1 0 0 0"
                 sfxScale="1"/></player>)",
             ship);
    EXPECT_TRUE(ship.sfxDefinitions.empty());
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

// Every required attribute the element lacks is named once and reads as the
// converter's fallback, not as the section's default.
TEST(PlayerReader, EachMissingRequiredAttributeIsReportedOnce)
{
    Player ship;
    LogCapture log;
    readInto(R"(<player><intro/><ROTATION/><position/><gameplay/><Death/><SFX sfxName="trail"/><ROTOR/>
                 <WEAPONSET/></player>)",
             ship);
    const auto errors = std::count_if(log.lines.begin(), log.lines.end(),
                                      [](const std::string& line) { return line.rfind("[ERROR] ", 0) == 0; });
    // intro 6, ROTATION 2, position 3, gameplay 4, Death 3, SFX 4, ROTOR 5, WEAPONSET 1.
    EXPECT_EQ(errors, 28);
    for (const char* line : {"[ERROR] intro without attribute: introAngle", "[ERROR] ROTATION without attribute: type",
                             "[ERROR] position without attribute: pos", "[ERROR] Death without attribute: explosionName",
                             "[ERROR] SFX without attribute: sfxScale", "[ERROR] ROTOR without attribute: rot",
                             "[ERROR] WEAPONSET without attribute: name"})
        EXPECT_TRUE(log.contains(line)) << line;
    EXPECT_EQ(ship.pos, Ogre::Vector3::ZERO);
    // The converter's zero, made as small as a node can take.
    EXPECT_EQ(ship.scale, Ogre::Vector3(smallestDataScale));
    EXPECT_EQ(ship.isBanking, 0);
    EXPECT_EQ(ship.explosionName, "");
    ASSERT_EQ(ship.sfxDefinitions.size(), 1u);
    EXPECT_EQ(ship.sfxDefinitions[0]->orientation, Ogre::Quaternion::IDENTITY);
    ASSERT_EQ(ship.rotors.size(), 1u);
    EXPECT_EQ(ship.rotors[0]->meshName, "");
    EXPECT_EQ(ship.weaponSetNames, std::vector<std::string>{""});
    EXPECT_TRUE(ship.weaponSets.at(0).empty());
}

TEST(PlayerReader, NumbersThatAreNotFiniteReadAsZero)
{
    Player ship;
    readInto(R"(<player><position pos="nan(ind) 5 inf" sca="1 -nan 1" orient="0 0 0"/>
                 <physics speed="inf"/></player>)",
             ship);
    EXPECT_EQ(ship.pos, Ogre::Vector3(0.0f, 5.0f, 0.0f));
    // A scale's component reads as 1: a node scaled to nothing cannot be inverted.
    EXPECT_EQ(ship.scale, Ogre::Vector3(1.0f, 1.0f, 1.0f));
    EXPECT_FLOAT_EQ(ship.baseSpeed, 0.0f);
    EXPECT_EQ(ship.integerSpeed, 0);
}

} // namespace
