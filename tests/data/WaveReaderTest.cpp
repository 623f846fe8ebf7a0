// Reading one "enemy" element into a wave, its spawner and its member 0, as
// a library definition and as a level's instance.
#include "data/WaveReader.h"

#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"
#include "world/Obb.h"
#include "world/Waypoint.h"
#include "world/sfxDefinition.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A wave read from the element, freed as the libraries free their waves.
struct ReadWave {
    explicit ReadWave(const std::string& xml, WaveElementMode mode = WaveElementMode::definition,
                      const Wave* definition = nullptr)
    {
        read(xml, mode, definition);
    }
    ReadWave() = default;
    ~ReadWave() { wave->destroyGraphics(); }
    void read(const std::string& xml, WaveElementMode mode = WaveElementMode::definition,
              const Wave* definition = nullptr)
    {
        const XmlFragment fragment(xml);
        readWave(fragment.root(), *wave, nullptr, definition, mode);
    }
    Enemy& member() const { return *wave->members.at(0); }
    Spawner& spawner() const { return *wave->spawner; }

    std::unique_ptr<Wave> wave = std::make_unique<Wave>("");
};

const char* const fullTank = R"(
<enemy waveName="Wave_Full" meshName="tank.mesh" type="tank" isHiddenEnemy="true" category="3"
       AItype="AI_STEERING" isCastShadows="false">
  <parenting attachedToEntityName="Carrier"/>
  <children childrenName="Escort1"/>
  <children childrenName="Escort2"/>
  <toybox parentName="TankDef" thumbnail="tank.png" screenName="Heavy tank" layer="2" queuePriority="7"/>
  <Tank turOffset="0 1 0" canOffset="0 0.5 -1" canHoleOffset="0 0 -3" canLimitS="-5" canLimitE="45"
        turretLimits="-1 90" turSpeed="2" canSpeed="4"/>
  <Spawner spawnType="3" numberOfSpawns="6" timeBetweenSpawns="0.5" radius="80 40" TimeBeforeSpawn="1.5"
           planeNbs="3 2" isGround="false" offset="10" startAngle="15" endAngle="165" OrientationType="2"
           isKeepFormation="true" isHiddenWhenSleeping="false" startSfxName="sparks"/>
  <position pos="10 0 -50" sca="2 2 2" orient="0 0 1 0" waveOrient="0 1 0 0" symmetry="-1"/>
  <Snake isSnake="true" snakeNumber="6" snakeDistance="3.5" isSnakeBodyInvincible="true"
         isSnakeHeadInvincible="true" isSnakeTailInvincible="true"/>
  <Collisions isCollideWPlayer="true" isCollideWBullets="true" isCollideWEnemyBullets="true"/>
  <CosAnimation AnimRot="0 1 0" sinSpeed="1 2 3" sindistance="4 0 2"/>
  <WP WP_GlobalSpeedMult="1.5" separation="8"/>
  <GAMEPLAY life="12.9" score="250" damage="3" killChildren="true" scoreWhenHit="5" isBigLifebar="true"
            startInvincibility="0.75" killedBehavior="0" isDeathCancelsBullets="true"
            isDontFireIfNearPlayer="true" dontFireRadius="4"/>
  <ITEMS itemSpawned="Item1_Coin" itemNumber="3" itemRadius="5" itemRandom="0.25" isEachCopiesSpawnItem="true"/>
  <Death explosionName="Explosion_chain" explosionScale="2" explosionNumber="4" explosionRadius="3"
         destructionTime="1.25" isDeathCancelBullets="true" cancelBulletItemName="Item6_Gold"
         deathTranslation="0 -1 0" deathRotation="0 2 0"/>
  <SOUND startSoundName="alarm.wav" isStartSoundLooping="true" startSoundVolume="0.6"/>
  <ANIMATION isBanking="true" isDontAnimate="false" bankSpeed="2" animationDirectionWays="8"
             isSnapToDirection="true"/>
  <SFX sfxName="engineFlame" sfxBehavior="true" isOnTop="true" sfxPosition="0 0 2" sfxOrientation="0 0 1 0"
       sfxScale="2"/>
  <SFX sfxName="none" sfxBehavior="false" sfxPosition="0 0 0" sfxOrientation="1 0 0 0" sfxScale="1"/>
  <SFX sfxName="smoke" sfxBehavior="false" isEnable="false" sfxPosition="0 0 -2" sfxOrientation="1 0 0 0"
       sfxScale="1"/>
  <WEAPONSET name="Front"><weapon><name Name="Gun_Single"/></weapon><weapon><name Name="Gun_Fan3"/></weapon></WEAPONSET>
  <OBB size="4 1 6" rotation="0 0 0" isInvicible="false" isHitBox="true" offs="0 0 0"/>
  <WEAPONSET name="Rear"><weapon><name Name="Gun_Ring"/></weapon></WEAPONSET>
  <OBB size="2 1 2" rotation="0 45 0" isInvicible="true" isHitBox="false" offs="0 0 3"/>
  <ROTOR meshName="rotorBlade.mesh" rotationSpeed="1.5" pos="0 1 2" Rot="0 30 0" sca="0.5"/>
  <waypoint speed="3"><position pos="0 0 0" Tension="0.5"/></waypoint>
  <waypoint speed="2"><position pos="-40 0 30" Tension="0.4"/></waypoint>
</enemy>)";

TEST(WaveReader, AFullTankElementFillsTheWaveItsSpawnerAndItsMember)
{
    LogCapture log;
    const ReadWave read(fullTank);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
    const Wave& wave = *read.wave;
    EXPECT_EQ(wave.waveName, "Wave_Full");
    EXPECT_EQ(wave.meshName, "tank.mesh");
    EXPECT_EQ(wave.type, Wave::typeTank);
    EXPECT_EQ(wave.isHiddenEnemy, 1);
    EXPECT_EQ(wave.category, 3);
    EXPECT_EQ(wave.isCastShadows, 0);
    EXPECT_EQ(wave.attachedToEntityName, "Carrier");
    EXPECT_EQ(wave.children.size(), 2u);
    EXPECT_EQ(wave.children.count("Escort2"), 1u);
    EXPECT_EQ(wave.name, "TankDef");
    EXPECT_EQ(wave.thumbnail, "tank.png");
    EXPECT_EQ(wave.screenName, "Heavy tank");
    EXPECT_EQ(wave.layerId, 2u);
    EXPECT_EQ(wave.priority, 7);
    EXPECT_FLOAT_EQ(wave.TimeBeforeSpawn, 1.5f);
    EXPECT_EQ(wave.isHiddenWhenSleeping, 0);
    EXPECT_EQ(wave.startSfxName, "sparks");
    EXPECT_EQ(wave.orientation, Ogre::Quaternion(0.0f, 1.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(wave.WP_GlobalSpeedMult, 1.5f);
    EXPECT_FLOAT_EQ(wave.separation, 8.0f);
    EXPECT_EQ(wave.killChildren, 1);
    EXPECT_EQ(wave.killedBehavior, 0);
    EXPECT_EQ(wave.itemSpawned, "Item1_Coin");
    EXPECT_EQ(wave.itemNumber, 3);
    EXPECT_EQ(wave.itemRadius, 5);
    EXPECT_FLOAT_EQ(wave.itemRandom, 0.25f);
    EXPECT_EQ(wave.isEachCopiesSpawnItem, 1);
    EXPECT_EQ(wave.explosionName, "Explosion_chain");
    EXPECT_FLOAT_EQ(wave.explosionScale, 2.0f);
    EXPECT_EQ(wave.explosionNumber, 4);
    EXPECT_FLOAT_EQ(wave.explosionRadius, 3.0f);
    EXPECT_EQ(wave.isDeathCancelBullets, 1);
    EXPECT_EQ(wave.cancelBulletItemName, "Item6_Gold");
    EXPECT_EQ(wave.startSoundName, "alarm.wav");
    EXPECT_EQ(wave.isStartSoundLooping, 1);
    EXPECT_FLOAT_EQ(wave.startSoundVolume, 0.6f);
    EXPECT_EQ(wave.isBanking, 1);
    EXPECT_EQ(wave.isDontAnimate, 0);
    EXPECT_FLOAT_EQ(wave.bankSpeed, 2.0f);
    EXPECT_EQ(wave.animationDirectionWays, 8);
    EXPECT_EQ(wave.isSnapToDirection, 1);
    ASSERT_EQ(wave.waypoints.size(), 2u);
    EXPECT_EQ(wave.waypoints[1]->name, "waypoint");
    EXPECT_EQ(wave.waypoints[1]->position, Ogre::Vector3(-40.0f, 0.0f, 30.0f));

    const Spawner& spawner = read.spawner();
    EXPECT_EQ(spawner.spawnType, spawnGrid);
    EXPECT_EQ(spawner.numberOfSpawns, 6u);
    EXPECT_FLOAT_EQ(spawner.timeBetweenSpawns, 0.5f);
    EXPECT_EQ(spawner.radius, Ogre::Vector2(80.0f, 40.0f));
    EXPECT_EQ(spawner.planeNbs, Ogre::Vector2(3.0f, 2.0f));
    EXPECT_FLOAT_EQ(spawner.offset, 10.0f);
    EXPECT_FLOAT_EQ(spawner.startAngle, 15.0f);
    EXPECT_FLOAT_EQ(spawner.endAngle, 165.0f);
    EXPECT_EQ(spawner.OrientationType, orientAtTarget);
    EXPECT_EQ(spawner.position, Ogre::Vector3(10.0f, 0.0f, -50.0f));
    EXPECT_EQ(spawner.scale, Ogre::Vector3(2.0f, 2.0f, 2.0f));
    EXPECT_EQ(spawner.orientation, Ogre::Quaternion(0.0f, 0.0f, 1.0f, 0.0f));

    ASSERT_EQ(wave.members.size(), 1u);
    const auto* tank = dynamic_cast<const Tank*>(&read.member());
    ASSERT_NE(tank, nullptr);
    EXPECT_EQ(tank->wave, &wave);
    EXPECT_EQ(tank->members, &wave.members);
    EXPECT_EQ(tank->waypoints, &wave.waypoints);
    EXPECT_EQ(tank->name, "TankDef");
    EXPECT_EQ(tank->waveName, "Wave_Full");
    EXPECT_EQ(tank->layerId, 2u);
    EXPECT_EQ(tank->priority, 7);
    EXPECT_EQ(tank->isCastShadows, 0);
    EXPECT_EQ(tank->isHidden, 1);
    EXPECT_EQ(tank->category, 3);
    EXPECT_EQ(tank->isSteering, 1);
    EXPECT_EQ(tank->orientation, wave.orientation);
    EXPECT_EQ(tank->symmetry, -1);
    EXPECT_EQ(tank->isGround, 0);
    EXPECT_EQ(tank->isKeepFormation, 1);
    EXPECT_EQ(tank->isSnake, 1);
    EXPECT_EQ(tank->snakeNumber, 6);
    EXPECT_FLOAT_EQ(tank->snakeDistance, 3.5f);
    EXPECT_EQ(tank->isSnakeBodyInvincible + tank->isSnakeHeadInvincible + tank->isSnakeTailInvincible, 3);
    EXPECT_EQ(tank->isCollideWPlayer + tank->isCollideWBullets + tank->isCollideWEnemyBullets, 3);
    EXPECT_EQ(tank->AnimRot, Ogre::Vector3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(tank->sinSpeed, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(tank->sindistance, Ogre::Vector3(4.0f, 0.0f, 2.0f));
    EXPECT_FLOAT_EQ(tank->WP_GlobalSpeedMult, 1.5f);
    EXPECT_EQ(tank->life, 12);
    EXPECT_EQ(tank->currentLife, 12);
    EXPECT_EQ(tank->score, 250);
    EXPECT_EQ(tank->damage, 3);
    EXPECT_EQ(tank->scoreWhenHit, 5);
    EXPECT_EQ(tank->isBigLifebar, 1);
    EXPECT_DOUBLE_EQ(tank->startInvincibility, 0.75);
    EXPECT_EQ(tank->isDeathCancelsBullets, 1);
    EXPECT_EQ(tank->isDontFireIfNearPlayer, 1);
    EXPECT_FLOAT_EQ(tank->dontFireRadius, 4.0f);
    EXPECT_FLOAT_EQ(tank->destructionTime, 1.25f);
    EXPECT_EQ(tank->deathTranslation, Ogre::Vector3(0.0f, -1.0f, 0.0f));
    EXPECT_EQ(tank->deathRotation, Ogre::Vector3(0.0f, 2.0f, 0.0f));
    EXPECT_EQ(tank->turOffset, Ogre::Vector3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(tank->canOffset, Ogre::Vector3(0.0f, 0.5f, -1.0f));
    EXPECT_EQ(tank->canHoleOffset, Ogre::Vector3(0.0f, 0.0f, -3.0f));
    EXPECT_FLOAT_EQ(tank->canLimitS, -5.0f);
    EXPECT_FLOAT_EQ(tank->canLimitE, 45.0f);
    EXPECT_EQ(tank->turretLimits, Ogre::Vector2(-1.0f, 90.0f));
    EXPECT_FLOAT_EQ(tank->turSpeed, 2.0f);
    EXPECT_FLOAT_EQ(tank->canSpeed, 4.0f);

    // The parts, each in document order, a "none" effect left out; an effect
    // is on unless it says it is off.
    ASSERT_EQ(tank->sfxs.size(), 2u);
    EXPECT_EQ(std::vector<bool>({tank->sfxs[0]->isEnable, tank->sfxs[1]->isEnable}), std::vector<bool>({true, false}));
    const sfxDefinition& flame = *tank->sfxs[0];
    EXPECT_EQ(flame.sfxName, "engineFlame");
    EXPECT_TRUE(flame.sfxBehavior);
    EXPECT_TRUE(flame.isOnTop);
    EXPECT_EQ(flame.position, Ogre::Vector3(0.0f, 0.0f, 2.0f));
    EXPECT_EQ(flame.scale, Ogre::Vector3(2.0f, 1.0f, 1.0f));
    EXPECT_EQ(tank->weaponSetNames, (std::vector<std::string>{"Front", "Rear"}));
    ASSERT_EQ(tank->weaponSets.size(), 2u);
    ASSERT_EQ(tank->weaponSets[0].size(), 2u);
    EXPECT_EQ(tank->weaponSets[0][1]->name, "Gun_Fan3");
    EXPECT_EQ(tank->weaponSets[1].at(0)->name, "Gun_Ring");
    EXPECT_EQ(tank->weaponSets[1].at(0)->templateObject, tank) << "the member owns its guns";
    ASSERT_EQ(tank->outlines.size(), 2u);
    EXPECT_EQ(tank->outlines[1]->isInvicible, 1);
    ASSERT_EQ(tank->rotors.size(), 1u);
    EXPECT_EQ(tank->rotors[0]->meshName, "rotorBlade.mesh");
    EXPECT_EQ(tank->rotors[0]->rot, Ogre::Vector3(0.0f, 30.0f, 0.0f));
    EXPECT_FLOAT_EQ(tank->rotors[0]->sca, 0.5f);
    EXPECT_FLOAT_EQ(tank->rotors[0]->rotationSpeed, 1.5f);
}

TEST(WaveReader, AnElementWithOnlyItsNameTakesTheReaderDefaultsAndKeepsTheRest)
{
    ReadWave read;
    Wave& wave = *read.wave;
    wave.meshName = "kept.mesh";
    wave.isCastShadows = 0;
    wave.thumbnail = "kept.png";
    wave.explosionScale = 3.0f;
    wave.bankSpeed = 0.9f;
    LogCapture log;
    read.read(R"(<enemy waveName="Bare"/>)");
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));

    EXPECT_EQ(wave.meshName, "kept.mesh");
    EXPECT_EQ(wave.isCastShadows, 0);
    EXPECT_EQ(wave.thumbnail, "kept.png");
    EXPECT_FLOAT_EQ(wave.explosionScale, 3.0f);
    EXPECT_FLOAT_EQ(wave.bankSpeed, 0.9f);
    EXPECT_EQ(wave.explosionName, "explo_small01");

    EXPECT_EQ(wave.type, Wave::typeEnemy);
    EXPECT_EQ(wave.isHiddenWhenSleeping, 1);
    EXPECT_EQ(wave.killedBehavior, 1);
    EXPECT_EQ(wave.itemSpawned, "");
    EXPECT_EQ(wave.itemNumber, 1);
    EXPECT_FLOAT_EQ(wave.itemRandom, 0.5f);
    EXPECT_FLOAT_EQ(wave.WP_GlobalSpeedMult, 1.0f);
    EXPECT_FLOAT_EQ(wave.startSoundVolume, 1.0f);
    EXPECT_EQ(wave.orientation, Ogre::Quaternion(0.0f, 0.0f, -1.0f, 0.0f));
    EXPECT_TRUE(wave.waypoints.empty());

    const Spawner& spawner = read.spawner();
    EXPECT_EQ(spawner.spawnType, spawnPoint);
    EXPECT_EQ(spawner.numberOfSpawns, 1u);
    EXPECT_FLOAT_EQ(spawner.timeBetweenSpawns, 0.2f);
    EXPECT_EQ(spawner.radius, Ogre::Vector2(60.0f, 30.0f));
    EXPECT_EQ(spawner.planeNbs, Ogre::Vector2(5.0f, 4.0f));
    EXPECT_FLOAT_EQ(spawner.endAngle, 360.0f);
    EXPECT_EQ(spawner.position, Ogre::Vector3::ZERO);
    EXPECT_EQ(spawner.scale, Ogre::Vector3::ZERO) << "not (1, 1, 1)";
    EXPECT_EQ(spawner.orientation, Ogre::Quaternion(0.0f, 0.0f, -1.0f, 0.0f));

    ASSERT_EQ(wave.members.size(), 1u);
    const Enemy& member = read.member();
    EXPECT_EQ(dynamic_cast<const Tank*>(&member), nullptr);
    EXPECT_EQ(member.isGround, 1);
    EXPECT_EQ(member.symmetry, 1);
    EXPECT_EQ(member.life, 0);
    EXPECT_EQ(member.score, 0);
    EXPECT_EQ(member.damage, 1);
    EXPECT_DOUBLE_EQ(member.startInvincibility, 0.25);
    EXPECT_FLOAT_EQ(member.dontFireRadius, 0.1f);
    EXPECT_EQ(member.snakeNumber, 10);
    EXPECT_FLOAT_EQ(member.snakeDistance, 5.0f);
    EXPECT_EQ(member.isCollideWPlayer + member.isCollideWBullets + member.isCollideWEnemyBullets, 0);
    EXPECT_EQ(member.sinSpeed, Ogre::Vector3::ZERO);
    EXPECT_EQ(member.isSteering, 0);
    EXPECT_TRUE(member.weaponSets.empty() && member.outlines.empty() && member.rotors.empty());
}

TEST(WaveReader, AnInstanceTakesItsDefinitionsClassAndReadsNoPartsButItsPath)
{
    const ReadWave enemyDefinition(R"(<enemy waveName="Drone"/>)");
    const ReadWave tankDefinition(R"(<enemy waveName="Tank" type="tank"/>)");
    const ReadWave asEnemy(fullTank, WaveElementMode::instance, enemyDefinition.wave.get());
    EXPECT_EQ(asEnemy.wave->type, Wave::typeEnemy);
    EXPECT_EQ(dynamic_cast<const Tank*>(&asEnemy.member()), nullptr);
    const Enemy& member = asEnemy.member();
    EXPECT_TRUE(member.sfxs.empty());
    EXPECT_TRUE(member.weaponSets.empty());
    EXPECT_TRUE(member.weaponSetNames.empty());
    EXPECT_TRUE(member.outlines.empty());
    EXPECT_TRUE(member.rotors.empty());
    EXPECT_EQ(asEnemy.wave->waypoints.size(), 2u);
    EXPECT_EQ(member.life, 12);

    const ReadWave asTank(R"(<enemy waveName="Placed" type="basic"/>)", WaveElementMode::instance,
                          tankDefinition.wave.get());
    EXPECT_EQ(asTank.wave->type, Wave::typeTank);
    EXPECT_NE(dynamic_cast<const Tank*>(&asTank.member()), nullptr);
}

TEST(WaveReader, EachMissingRequiredAttributeLogsOneErrorLine)
{
    const struct {
        const char* element;
        std::size_t errors;
    } cases[] = {
        {"<enemy/>", 1},
        {"<enemy waveName=\"w\"><parenting/></enemy>", 1},
        {"<enemy waveName=\"w\"><children/><children childrenName=\"a\"/></enemy>", 1},
        {"<enemy waveName=\"w\"><toybox/></enemy>", 1},
        {"<enemy waveName=\"w\" type=\"tank\"><Tank/></enemy>", 7},
        {"<enemy waveName=\"w\"><Tank/></enemy>", 0},
        {"<enemy waveName=\"w\"><Spawner/></enemy>", 14},
        {"<enemy waveName=\"w\"><position/></enemy>", 4},
        {"<enemy waveName=\"w\"><Snake/><Collisions/><CosAnimation/></enemy>", 9},
        {"<enemy waveName=\"w\"><WP/><SOUND/></enemy>", 2},
        {"<enemy waveName=\"w\"><GAMEPLAY/><ANIMATION/></enemy>", 0},
        {"<enemy waveName=\"w\"><ITEMS/></enemy>", 5},
        {"<enemy waveName=\"w\"><Death/></enemy>", 3},
        {"<enemy waveName=\"w\"><SFX/></enemy>", 1},
        {"<enemy waveName=\"w\"><SFX sfxName=\"sparks\"/></enemy>", 4},
        {"<enemy waveName=\"w\"><WEAPONSET><weapon/></WEAPONSET></enemy>", 1},
        {"<enemy waveName=\"w\"><ROTOR/></enemy>", 5},
        {"<enemy waveName=\"w\"><ROTOR meshName=\"m.mesh\" rotationSpeed=\"1\" pos=\"0 0 0\" rot=\"0 9 0\" "
         "sca=\"1\"/></enemy>",
         1},
    };
    for (const auto& entry : cases) {
        LogCapture log;
        const ReadWave read(entry.element);
        EXPECT_EQ(log.lines.size(), entry.errors) << entry.element;
        for (const std::string& line : log.lines)
            EXPECT_EQ(line.rfind("[ERROR] ", 0), 0u) << line;
    }
}

TEST(WaveReader, UnsetNamesBadPositionsAndNegativeCountsReadAsNothing)
{
    const ReadWave read(R"(
        <enemy waveName="w" meshName="hull.mesh" spriteName="saucer.png" AItype="AI_WANDER">
          <Spawner spawnType="-2" numberOfSpawns="-3" timeBetweenSpawns="nan" radius="60 30" TimeBeforeSpawn="0"
                   planeNbs="1 1" isGround="true" offset="0" startAngle="0" endAngle="360" OrientationType="-1"
                   isKeepFormation="false" isHiddenWhenSleeping="true" startSfxName="none"/>
          <position pos="nan(ind) 5 3" sca="inf 1 1" orient="0 0 0 0" waveOrient="1 0 0 0"/>
          <ITEMS itemSpawned="None" itemNumber="1" itemRadius="0" itemRandom="0.5" isEachCopiesSpawnItem="false"/>
        </enemy>)");
    const Wave& wave = *read.wave;
    EXPECT_EQ(wave.spriteName, "saucer.png");
    EXPECT_EQ(wave.meshName, "") << "a sprite wave has no mesh";
    EXPECT_EQ(wave.isLayered, 1);
    EXPECT_EQ(read.member().isSteering, 0);
    EXPECT_EQ(wave.startSfxName, "");
    EXPECT_EQ(wave.itemSpawned, "");
    EXPECT_EQ(read.spawner().spawnType, 0u);
    EXPECT_EQ(read.spawner().numberOfSpawns, 0u);
    EXPECT_EQ(read.spawner().OrientationType, 0u);
    EXPECT_FLOAT_EQ(read.spawner().timeBetweenSpawns, 0.0f);
    EXPECT_EQ(read.spawner().position, Ogre::Vector3::ZERO);
    EXPECT_EQ(read.spawner().scale, Ogre::Vector3::UNIT_SCALE);
    EXPECT_EQ(read.spawner().orientation, Ogre::Quaternion::IDENTITY);

    const ReadWave infinite(R"(<enemy waveName="w"><position pos="inf 0 0" sca="1 1 1" orient="1 0 0 0"
                                                             waveOrient="1 0 0 0"/></enemy>)");
    EXPECT_EQ(infinite.spawner().position, Ogre::Vector3::ZERO);
}

} // namespace
