// Reading a "weapon" element into a gun: every section into its fields, the
// values of what is absent, and numbers no gun can use.
#include "data/WeaponReader.h"

#include "combat/Weapon.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"

#include <OgreStringConverter.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// Every attribute set, none to its absent value.
const char* const fullGun = R"(<weapon>
  <name Name="Gun_Full" ScreenName="Full gun"/>
  <toybox parentName="Gun_Parent" thumbnail="thumb.png"/>
  <Gameplay category="3" isLaser="true" TimeBetweenSalves="0.4" isAutoShoot="true" waitBeforeShootRandomMin="0.2"
    waitBeforeShootRandomMax="0.7" isWaitBeforeShootRandom="true" NumberOfShoots="3.9" TimeBetweenShoots="0.02"
    isWarmUp="true" HotTimer="1.25" hotTimerSfx="hot" damage="7.8" timeToLive="4" isDestructible="true"
    isInvincible="true" cancelling="cancelName" timeInvisibleIndividual="2" isCancellable="false"
    chargeSfxReadyName="ready" isPlayerUsingAI="true" isUseSafeZone="false" isDestroyBullets="true"
    destroyedBulletItem="medal"/>
  <AI waitBeforeShoot="0.3" shootDuration="5" waitBeforeLoop="0.6" isAiLooping="false" isWaitingForTarget="true"
    isChargedShot="true" blockRotationWhenShooting="true" isButtonCoolDown="true" isAlwaysCompleteSalve="true"/>
  <battery isAttachedToCamera="false" offset="1 2 3" rotation="0 0 1 0" shoot_distance="4" shoot_startDistance="5"
    button="2"/>
  <apparence meshName="Shot_Blue" sfxType="Bullet_Trail" impactSfxName="hit" trailMaterial="missileTrail"
    bulletScale="2.5" sfxFireName="fire" sfxSmokeName="smoke"/>
  <angles isBurstSymetry="true" offsetXRandom="1.5" offsetYRandom="2.5" angleAdd="45" angleRandom="-10.7"
    offsetAdd="0.5 0.25" dirType="1" aimLimit_angle="90" isInFront="true"/>
  <speeds speed="80" speedRandom="12.9" speedAdd="3" startLaserSpeed="150"/>
  <acceleration1 isChangeSpeed1="true" acceleration="20" acceleration1StartTime="0.1" accelerationDuration="0.2"/>
  <acceleration2 isChangeSpeed2="true" acceleration2="-30" acceleration2StartTime="0.3" accelerationDuration2="0.4"/>
  <changeDirection changeDirectionType="2" changeDirectionStartTime="0.5" changeDirectionDuration="0.6"
    aimSpeed="7" changeDirectionAngle="33"/>
  <WeaponAnim WeaAnimRotSpeed="12" WeaAnimRotAngle="24" WeaAnimRotPing="false" WeaAnimRotMiddle="false"/>
  <Sound shot="shot.wav" impactSoundName="bang.wav" impactSound_Volume="0.2" chargeSoundName="charge.wav"
    shotSound_Volume="0.3" warmUpSound_Volume="0.4" chargeSoundReadyName="none" chargeSoundReady_Volume="0.5"
    shotSound_pitch="1 0.2" impactSound_pitch="2 0.3" chargeSound_pitch="3 0.4" chargeSoundReady_pitch="4 0.5"/>
  <repeater repeater_number="6.5" repeater_angle="270"/>
  <LockOn isLockOn="true"/>
  <Ammo isUseAmmo="true" startAmmo="12" maxAmmo="20"/>
  <LAZER isPlasma="true" laserSfxStartName="beamStart" laserSfxEndName="beamEnd"/>
</weapon>)";

std::unique_ptr<Weapon> readGun(const std::string& xml)
{
    const XmlFragment fragment(xml);
    auto weapon = std::make_unique<Weapon>();
    readWeapon(fragment.root(), *weapon);
    return weapon;
}

TEST(WeaponReader, EveryAttributeOfEverySectionReachesItsField)
{
    LogCapture log;
    const XmlFragment fragment(fullGun);
    Weapon w;
    readWeapon(fragment.root(), w);
    EXPECT_EQ(w.name + "|" + w.screenName + "|" + w.parentName + "|" + w.thumbnail,
              "Gun_Full|Full gun|Gun_Parent|thumb.png");
    // Gameplay: counts cut toward zero.
    EXPECT_EQ(std::vector<int>({w.category, w.isLaser, w.isAutoShoot, w.isWaitBeforeShootRandom, w.NumberOfShoots,
                                w.isWarmUp, w.damage, w.isDestructible, w.isInvincible, w.isCancellable,
                                w.isPlayerUsingAI, w.isUseSafeZone, w.isDestroyBullets}),
              std::vector<int>({3, 1, 1, 1, 3, 1, 7, 1, 1, 0, 1, 0, 1}));
    EXPECT_EQ(Weapon(w).category, 3) << "a gun in play keeps its library gun's category";
    EXPECT_EQ(std::vector<float>({w.TimeBetweenSalves, w.waitBeforeShootRandomMin, w.waitBeforeShootRandomMax,
                                  w.TimeBetweenShoots, static_cast<float>(w.HotTimer), w.timeToLive,
                                  w.timeInvisibleIndividual}),
              std::vector<float>({0.4f, 0.2f, 0.7f, 0.02f, 1.25f, 4.0f, 2.0f}));
    EXPECT_EQ(w.hotTimerSfx + "|" + w.cancelling + "|" + w.chargeSfxReadyName + "|" + w.destroyedBulletItem,
              "hot|cancelName|ready|medal");
    // AI and battery.
    EXPECT_EQ(std::vector<float>({w.waitBeforeShoot, w.shootDuration, w.waitBeforeLoop}),
              std::vector<float>({0.3f, 5.0f, 0.6f}));
    EXPECT_EQ(std::vector<int>({w.isAiLooping, w.isWaitingForTarget, w.isChargedShot, w.blockRotationWhenShooting,
                                w.isButtonCoolDown, w.isAlwaysCompleteSalve, w.isAttachedToCamera, w.button}),
              std::vector<int>({0, 1, 1, 1, 1, 1, 0, 2}));
    EXPECT_EQ(w.savedPosition, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(w.savedOrientation, Ogre::Quaternion(0, 0, 1, 0));
    EXPECT_EQ(Ogre::Vector2(w.shoot_distance, w.shoot_startDistance), Ogre::Vector2(4, 5));
    // Look, fan and speeds.
    EXPECT_EQ(w.meshName + "|" + w.sfxType + "|" + w.impactSfxName + "|" + w.trailMaterial + "|" + w.sfxFireName +
                  "|" + w.sfxSmokeName,
              "Shot_Blue|Bullet_Trail|hit|missileTrail|fire|smoke");
    EXPECT_EQ(std::vector<float>({w.bulletScale, w.offsetXRandom, w.offsetYRandom, w.angleAdd, w.aimLimit_angle,
                                  w.speed, w.speedAdd, w.startLaserSpeed}),
              std::vector<float>({2.5f, 1.5f, 2.5f, 45.0f, 90.0f, 80.0f, 3.0f, 150.0f}));
    EXPECT_EQ(std::vector<int>({w.isBurstSymetry, w.angleRandom, w.dirType, w.isInFront, w.speedRandom}),
              std::vector<int>({1, -10, 1, 1, 12}));
    EXPECT_EQ(w.offsetAdd, Ogre::Vector2(0.5f, 0.25f));
    // Steering and swing.
    EXPECT_EQ(std::vector<int>({w.isChangeSpeed1, w.isChangeSpeed2, w.changeDirectionType, w.WeaAnimRotPing,
                                w.WeaAnimRotMiddle}),
              std::vector<int>({1, 1, 2, 0, 0}));
    EXPECT_EQ(std::vector<float>({w.acceleration, w.acceleration1StartTime, w.accelerationDuration, w.acceleration2,
                                  w.acceleration2StartTime, w.accelerationDuration2, w.changeDirectionStartTime,
                                  w.changeDirectionDuration, w.aimSpeed, w.changeDirectionAngle, w.WeaAnimRotSpeed,
                                  w.WeaAnimRotAngle}),
              std::vector<float>({20, 0.1f, 0.2f, -30, 0.3f, 0.4f, 0.5f, 0.6f, 7, 33, 12, 24}));
    // Sounds: the charge-ready name is kept as written, even "none".
    EXPECT_EQ(w.shot + "|" + w.impactSoundName + "|" + w.chargeSoundName + "|" + w.chargeSoundReadyName,
              "shot.wav|bang.wav|charge.wav|none");
    EXPECT_EQ(std::vector<float>({w.impactSound_Volume, w.shotSound_Volume, w.warmUpSound_Volume,
                                  w.chargeSoundReady_Volume}),
              std::vector<float>({0.2f, 0.3f, 0.4f, 0.5f}));
    EXPECT_EQ(std::vector<Ogre::Vector2>({w.shotSound_pitch, w.impactSound_pitch, w.chargeSound_pitch,
                                          w.chargeSoundReady_pitch}),
              std::vector<Ogre::Vector2>({{1, 0.2f}, {2, 0.3f}, {3, 0.4f}, {4, 0.5f}}));
    // Repeater, lock-on, ammunition, beam.
    EXPECT_EQ(std::vector<int>({w.repeater_number, w.isLockOn, w.isUseAmmo, w.startAmmo, w.maxAmmo, w.isPlasma}),
              std::vector<int>({6, 1, 1, 12, 20, 1}));
    EXPECT_FLOAT_EQ(w.repeater_angle, 270.0f);
    EXPECT_EQ(w.laserSfxStartName + "|" + w.laserSfxEndName, "beamStart|beamEnd");
    EXPECT_TRUE(log.lines.empty());
}

// One field of a gun, shown as text so that the table can hold them all.
struct FieldCase {
    const char* field;
    std::function<std::string(const Weapon&)> value;
};

std::string shown(float value) { return Ogre::StringConverter::toString(value); }
std::string shown(const Ogre::Vector2& value) { return Ogre::StringConverter::toString(value); }
std::string shown(const Ogre::Vector3& value) { return Ogre::StringConverter::toString(value); }
std::string shown(const Ogre::Quaternion& value) { return Ogre::StringConverter::toString(value); }

TEST(WeaponReader, AnEmptyElementKeepsTheGunsOwnNamesTimingAndAmmunitionAndStoresTheReaderDefaultsOfTheRest)
{
    const std::unique_ptr<Weapon> read = readGun("<weapon/>");
    const Weapon built;
    // Sections kept when absent: the values the gun was made with.
    const FieldCase kept[] = {
        {"name", [](const Weapon& w) { return w.name; }},
        {"screenName", [](const Weapon& w) { return w.screenName; }},
        {"parentName", [](const Weapon& w) { return w.parentName; }},
        {"category", [](const Weapon& w) { return std::to_string(w.category); }},
        {"TimeBetweenSalves", [](const Weapon& w) { return shown(w.TimeBetweenSalves); }},
        {"NumberOfShoots", [](const Weapon& w) { return std::to_string(w.NumberOfShoots); }},
        {"isWarmUp", [](const Weapon& w) { return std::to_string(w.isWarmUp); }},
        {"timeToLive", [](const Weapon& w) { return shown(w.timeToLive); }},
        {"isCancellable", [](const Weapon& w) { return std::to_string(w.isCancellable); }},
        {"isButtonCoolDown", [](const Weapon& w) { return std::to_string(w.isButtonCoolDown); }},
        {"isAttachedToCamera", [](const Weapon& w) { return std::to_string(w.isAttachedToCamera); }},
        {"isLockOn", [](const Weapon& w) { return std::to_string(w.isLockOn); }},
        {"startAmmo", [](const Weapon& w) { return std::to_string(w.startAmmo); }},
    };
    for (const FieldCase& field : kept)
        EXPECT_EQ(field.value(*read), field.value(built)) << field.field;
    // Sections stored always: the reader's own defaults, not the gun's.
    const std::pair<FieldCase, std::string> stored[] = {
        {{"waitBeforeShoot", [](const Weapon& w) { return shown(w.waitBeforeShoot); }}, "1"},
        {{"isAiLooping", [](const Weapon& w) { return std::to_string(w.isAiLooping); }}, "1"},
        {{"offset", [](const Weapon& w) { return shown(w.savedPosition); }}, "0 0 0"},
        {{"rotation", [](const Weapon& w) { return shown(w.savedOrientation); }}, "1 0 0 0"},
        {{"impactSfxName", [](const Weapon& w) { return w.impactSfxName; }}, "Bullet_Die"},
        {{"bulletScale", [](const Weapon& w) { return shown(w.bulletScale); }}, "1"},
        {{"aimLimit_angle", [](const Weapon& w) { return shown(w.aimLimit_angle); }}, "180"},
        {{"speed", [](const Weapon& w) { return shown(w.speed); }}, "0"},
        {{"startLaserSpeed", [](const Weapon& w) { return shown(w.startLaserSpeed); }}, "100"},
        {{"acceleration", [](const Weapon& w) { return shown(w.acceleration); }}, "0"},
        {{"accelerationDuration2", [](const Weapon& w) { return shown(w.accelerationDuration2); }}, "1"},
        {{"changeDirectionType", [](const Weapon& w) { return std::to_string(w.changeDirectionType); }}, "0"},
        {{"aimSpeed", [](const Weapon& w) { return shown(w.aimSpeed); }}, "0"},
        {{"WeaAnimRotMiddle", [](const Weapon& w) { return std::to_string(w.WeaAnimRotMiddle); }}, "1"},
        {{"impactSoundName", [](const Weapon& w) { return w.impactSoundName; }}, "impact.ogg"},
        {{"impactSound_pitch", [](const Weapon& w) { return shown(w.impactSound_pitch); }}, "0 0.1"},
        {{"chargeSoundReady_pitch", [](const Weapon& w) { return shown(w.chargeSoundReady_pitch); }}, "0 0.1"},
        {{"repeater_number", [](const Weapon& w) { return std::to_string(w.repeater_number); }}, "1"},
        {{"repeater_angle", [](const Weapon& w) { return shown(w.repeater_angle); }}, "0"},
        {{"laserSfxStartName", [](const Weapon& w) { return w.laserSfxStartName; }}, ""},
        {{"laserSfxEndName", [](const Weapon& w) { return w.laserSfxEndName; }}, ""},
    };
    for (const auto& [field, absent] : stored)
        EXPECT_EQ(field.value(*read), absent) << field.field;
}

TEST(WeaponReader, AGameplaySectionWithoutWarmUpTurnsItOffAndItsMissingRequiredAttributesAreReported)
{
    LogCapture log;
    const std::unique_ptr<Weapon> gun = readGun(R"(<weapon><Gameplay isLaser="false" TimeBetweenSalves="0.5" NumberOfShoots="2"
        TimeBetweenShoots="0.1" HotTimer="0" hotTimerSfx="" damage="1" timeToLive="3" isDestructible="false"
        isInvincible="false"/></weapon>)");
    const Weapon& w = *gun;
    EXPECT_EQ(w.isWarmUp, 0);
    EXPECT_EQ(w.category, -1);
    EXPECT_EQ(w.cancelling, "");
    EXPECT_EQ(log.lines, std::vector<std::string>{"[ERROR] Gameplay without attribute: cancelling"});
}

TEST(WeaponReader, DirectionTypeTwoIsAPlainFanWithShotsInFront)
{
    const struct {
        const char* dirType;
        const char* isInFront;
        int storedType;
        int inFront;
    } cases[] = {{"2", "false", 0, 1}, {"2.7", "false", 0, 1}, {"1", "false", 1, 0}, {"3", "true", 3, 1}};
    for (const auto& c : cases) {
        const std::unique_ptr<Weapon> gun = readGun(std::string("<weapon><angles dirType=\"") + c.dirType + "\" isInFront=\"" +
                              c.isInFront + "\"/></weapon>");
        const Weapon& w = *gun;
        EXPECT_EQ(w.dirType, c.storedType) << c.dirType;
        EXPECT_EQ(w.isInFront, c.inFront) << c.dirType;
    }
}

TEST(WeaponReader, NamesSetToNoneAreEmptiedWhereTheEditorMeansUnset)
{
    const std::unique_ptr<Weapon> gun = readGun(R"(<weapon><apparence sfxType="None" sfxFireName="None" sfxSmokeName="none"/>
        <Sound shot="none" chargeSoundName="none" impactSoundName="none"/>
        <LAZER laserSfxStartName="none" laserSfxEndName="None"/></weapon>)");
    const Weapon& w = *gun;
    EXPECT_EQ(w.sfxType + "|" + w.sfxFireName + "|" + w.sfxSmokeName, "|None|");
    EXPECT_EQ(w.shot + w.chargeSoundName + w.impactSoundName, "");
    EXPECT_EQ(w.laserSfxStartName + "|" + w.laserSfxEndName, "|None");
}

TEST(WeaponReader, NumbersThatAreNotFiniteOrBeyondRangeBecomeUsableOnes)
{
    const std::unique_ptr<Weapon> gun = readGun(R"x(<weapon>
        <Gameplay NumberOfShoots="nan" damage="3e10" TimeBetweenSalves="inf" HotTimer="-nan(ind)" timeToLive="1e30"/>
        <battery offset="nan 1 -inf" rotation="0 0 0 0"/>
        <angles angleRandom="-3e10" offsetAdd="inf 2"/>
        <speeds speed="-inf" speedRandom="inf"/>
        <Sound shotSound_pitch="nan nan"/>
        <repeater repeater_number="-inf" repeater_angle="nan"/></weapon>)x");
    const Weapon& w = *gun;
    EXPECT_EQ(std::vector<int>({w.NumberOfShoots, w.damage, w.angleRandom, w.speedRandom, w.repeater_number}),
              std::vector<int>({0, 2147483647, -2147483647 - 1, 0, 0}));
    EXPECT_EQ(std::vector<float>({w.TimeBetweenSalves, static_cast<float>(w.HotTimer), w.timeToLive, w.speed,
                                  w.repeater_angle}),
              std::vector<float>({0.0f, 0.0f, 1.0e6f, 0.0f, 0.0f}));
    EXPECT_EQ(w.savedPosition, Ogre::Vector3(0, 1, 0));
    EXPECT_EQ(w.savedOrientation, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(w.offsetAdd, Ogre::Vector2(0, 2));
    EXPECT_EQ(w.shotSound_pitch, Ogre::Vector2::ZERO);
}

} // namespace
