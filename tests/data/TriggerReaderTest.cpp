// Reading the "triggers" elements of a level: values and their defaults,
// the overlay widget with its text, and the links.
#include "data/TriggerReader.h"

#include "app/OverlayWidget.h"
#include "data/XmlFragment.h"
#include "world/TriggerTestScene.h"

#include <tuple>

namespace {

class TriggerReaderTest : public TriggerTest {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        TriggerTest::SetUp();
    }
    void TearDown() override
    {
        TriggerTest::TearDown();
        game.defaultTexts.clear();
        game.languageTables.clear();
    }
    // The one trigger of a level holding the element.
    Trigger& read(const std::string& element)
    {
        readAll("<LEVELFILE>" + element + "</LEVELFILE>");
        return *state.triggers.back();
    }
    void readAll(const std::string& xml)
    {
        const XmlFragment fragment(xml);
        readLevelTriggers(fragment.root(), state.triggers, &level);
    }
};

const std::string bare = R"(<triggers triggerName="Trigger7" screenName="Bare" type="0" activation_type="0"
                                     isSwitchOnly="false")";

TEST_F(TriggerReaderTest, AnElementWithOnlyItsOwnAttributesGetsEveryReaderDefault)
{
    const Trigger& trigger = read(bare + "/>");
    EXPECT_EQ(trigger.name, "Trigger7");
    EXPECT_EQ(trigger.screenName, "Bare");
    EXPECT_FLOAT_EQ(trigger.duration, 1.0f);
    EXPECT_EQ(trigger.randomness, 5);
    EXPECT_EQ(trigger.playerScore, 10000);
    EXPECT_EQ(trigger.playerKills, 10);
    EXPECT_EQ(trigger.entityLifeLess, 1);
    EXPECT_EQ(trigger.smartBombPower, 20);
    EXPECT_EQ(trigger.itemNumber, 1);
    EXPECT_FLOAT_EQ(trigger.itemRandom, 0.5f);
    EXPECT_FLOAT_EQ(trigger.CameraShakeIntensity, 4.0f);
    EXPECT_FLOAT_EQ(trigger.soundMaxDistance, 100.0f);
    EXPECT_FLOAT_EQ(trigger.soundVolume, 1.0f);
    EXPECT_FLOAT_EQ(trigger.musicVolume, 1.0f);
    EXPECT_EQ(std::make_tuple(trigger.movePlayerDuration, trigger.invincibilityDuration), std::make_tuple(2.0f, 0.0f));
    EXPECT_TRUE(trigger.isExplosion && trigger.isSaveCameraPosition);
    EXPECT_TRUE(trigger.isEndOfLevelShowMessage && trigger.isEndOfLevelShowScoreScreen &&
                trigger.isEndOfLevelShowHighScoreScreen && trigger.isNextLevel);
    // Where the constructor's values differ, the reader's hold.
    EXPECT_EQ(trigger.button_activation, 1);
    EXPECT_FALSE(trigger.isMusicLooping);
    EXPECT_EQ(trigger.testValueOperation, 0);
    EXPECT_EQ(trigger.size, Ogre::Vector3::UNIT_SCALE);
    EXPECT_EQ(trigger.orientation, Ogre::Quaternion(1, 1, 1, 0));
    EXPECT_EQ(trigger.overlay, nullptr);
    EXPECT_TRUE(trigger.incomingLinks.empty() && trigger.outgoingLinks.empty());
    EXPECT_EQ(trigger.thumbnail, "");
    EXPECT_NE(trigger.sceneNode, nullptr);
}

TEST_F(TriggerReaderTest, TypesAreTruncatedAndADelayedStartWaitsForItsLinkedObjects)
{
    readAll(R"(<LEVELFILE>
                 <triggers triggerName="a" screenName="" type="3.7" activation_type="4.9" isSwitchOnly="true"
                           layer="3" isAlwaysOn="true" isAlwaysActivated="true" isPlayUntilEnd="true"
                           isKilledAddCount="false" isKilledExplode="false"/>
                 <enemy/>
                 <triggers triggerName="b" screenName="" type="9" activation_type="0" isSwitchOnly="false">
                   <position pos="-nan(ind) 5 6" scale="2 3 4" orient="0 0 0 0"/>
                 </triggers>
                 <triggers triggerName="c" screenName="" type="1" activation_type="0" isSwitchOnly="false">
                   <position pos="7 8 9" scale="1 1 1" orient="0 0 1 0"/>
                 </triggers>
               </LEVELFILE>)");
    ASSERT_EQ(state.triggers.size(), 3u);
    const Trigger& a = *state.triggers[0];
    EXPECT_EQ(a.type, 3u);
    EXPECT_EQ(a.activation_type, 4u);
    EXPECT_EQ(std::make_tuple(a.isSwitchOnly, a.layerId, a.isAlwaysOn, a.isAlwaysActivated, a.isPlayUntilEnd,
                              a.isKilledAddCount, a.isKilledExplode),
              std::make_tuple(true, 3u, true, true, true, false, false));
    const Trigger& b = *state.triggers[1];
    EXPECT_EQ(b.activation_type, 2u);
    EXPECT_EQ(b.placedPosition, Ogre::Vector3::ZERO);
    EXPECT_EQ(b.size, Ogre::Vector3(2, 3, 4));
    EXPECT_EQ(b.orientation, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(state.triggers[2]->placedPosition, Ogre::Vector3(7, 8, 9));
    EXPECT_EQ(state.triggers[2]->orientation, Ogre::Quaternion(0, 0, 1, 0));
    // Beyond 32 bits a type is held at the bound, not cast out of range.
    const Trigger& huge = read(R"(<triggers triggerName="d" screenName="" type="1e10" activation_type="1e10"
                                           isSwitchOnly="false"/>)");
    EXPECT_EQ(huge.type, 2147483647u);
    EXPECT_EQ(huge.activation_type, 2147483647u);
}

TEST_F(TriggerReaderTest, NoneNamesNoSoundOrMusicButOnlyLowerCaseNamesNoItem)
{
    const Trigger& upper = read(bare + R"(><sound soundName="None" musicName="none" isSoundLooping="false"
        isSound3D="false" soundMaxDistance="1" soundVolume="1" musicVolume="0.5" isMusicLooping="true" soundPitch="1 0.2"/><item itemName="None" itemNumber="1" itemRadius="0"
        itemRandom="0" itemScore="0"/></triggers>)");
    EXPECT_EQ(upper.soundName, "");
    EXPECT_EQ(upper.musicName, "");
    EXPECT_EQ(upper.itemName, "None");
    EXPECT_EQ(std::make_tuple(upper.musicVolume, upper.isMusicLooping, upper.soundPitch[0], upper.soundPitch[1]),
              std::make_tuple(0.5f, true, 1.0f, 0.2f));
    const Trigger& lower = read(bare + R"(><item itemName="none" itemNumber="1" itemRadius="0" itemRandom="0"
        itemScore="0"/></triggers>)");
    EXPECT_EQ(lower.itemName, "");
}

TEST_F(TriggerReaderTest, TheCheckpointsRespawnValuesWinOverThePlayerControlOnes)
{
    const std::string control = R"(<playerControl isFreezePlayer="false" isHidePlayer="false" isMovePlayer="true"
        playerCantShoot="false" isInvincible="false" movePlayerToPosition="0.1 0.2" movePlayerDuration="0.75"
        invincibilityDuration="3" isNoSmartBombs="true"/>)";
    const std::string checkpoint =
        R"(<checkpoint isSaveCameraPosition="false" isUseRespawnPosition="false" respawnPosition="0.3 0.4"/>)";
    const Trigger& both = read(bare + ">" + control + checkpoint + "</triggers>");
    EXPECT_FALSE(both.isMovePlayer);
    EXPECT_EQ(both.movePlayerToPosition, Ogre::Vector2(0.3f, 0.4f));
    EXPECT_FALSE(both.isSaveCameraPosition);
    const Trigger& controlOnly = read(bare + ">" + control + "</triggers>");
    EXPECT_TRUE(controlOnly.isMovePlayer);
    EXPECT_EQ(controlOnly.movePlayerToPosition, Ogre::Vector2(0.1f, 0.2f));
    EXPECT_EQ(std::make_tuple(controlOnly.movePlayerDuration, controlOnly.invincibilityDuration, controlOnly.isNoSmartBombs),
              std::make_tuple(0.75f, 3.0f, true));
}

TEST_F(TriggerReaderTest, ASecondValueTypeOfZeroAlwaysComparesWithAValue)
{
    const Trigger& trigger = read(bare + R"(><variable name="1" testValueOperation="0" mathValueOperation="0"
        conditionalVariableValue="0" internalVariableName="" isVar2Value="false"/></triggers>)");
    EXPECT_TRUE(trigger.isVar2Value);
}

TEST_F(TriggerReaderTest, LinksNameTheirFarEndAndOutgoingOnesRunBackwards)
{
    const Trigger& trigger = read(bare + R"(><linkIN linkedEntityName="Wave1"/><linkOUT linkedEntityName="sfx1"/>
        <timers duration="1" isCountDown="false" timeBeforeStart="0"/><linkIN linkedEntityName="Trigger2"/>
        </triggers>)");
    ASSERT_EQ(trigger.incomingLinks.size(), 2u);
    ASSERT_EQ(trigger.outgoingLinks.size(), 1u);
    EXPECT_EQ(trigger.incomingLinks[0]->endName, "Wave1");
    EXPECT_EQ(trigger.incomingLinks[1]->endName, "Trigger2");
    EXPECT_EQ(trigger.outgoingLinks[0]->endName, "sfx1");
    for (const class link* each : {trigger.incomingLinks[0], trigger.incomingLinks[1], trigger.outgoingLinks[0]}) {
        EXPECT_EQ(each->name, "link");
        EXPECT_EQ(each->fromEntity, &trigger);
    }
    EXPECT_EQ(trigger.incomingLinks[0]->isForward, 1);
    EXPECT_EQ(trigger.outgoingLinks[0]->isForward, 0);
}

TEST_F(TriggerReaderTest, AnOverlayWithoutTextIsAnEmptyWhiteTextWithoutKey)
{
    const Trigger& trigger = read(bare + R"(><overlay isOverlayFadeIn="true" isOverlayFadeOut="false"
        textureScale="0.5" startDuration="0.25" endDuration="0.75"/></triggers>)");
    ASSERT_NE(trigger.overlay, nullptr);
    const OverlayWidget& widget = *trigger.overlay;
    EXPECT_EQ(widget.text, "");
    EXPECT_TRUE(widget.isText);
    EXPECT_EQ(widget.charHeight, 32u);
    EXPECT_EQ(widget.colour, Ogre::ColourValue::White);
    EXPECT_EQ(trigger.keyString, "");
    EXPECT_FLOAT_EQ(widget.scaleY, 0.5f);
    EXPECT_FLOAT_EQ(widget.disappearDuration, 0.75f);
    EXPECT_FALSE(widget.isAnchored);
    EXPECT_NE(widget.overlay, nullptr);
}

TEST_F(TriggerReaderTest, TheOverlayTextComesFromTheTextTableUnderItsKey)
{
    game.defaultTexts["KEY_00004"] = textEntry{"From the table", "From the table", 3, 0};
    game.languageTables[game.language]["ArialBlk64"] = "verdana";
    const std::string overlay = R"(<overlay isOverlayFadeIn="false" isOverlayFadeOut="false" textureScale="1"
        startDuration="1" endDuration="1"/>)";
    const auto text = [&](const std::string& key) {
        return read(bare + ">" + overlay + R"(<overlayText isTextOnly="true" imageName="" overlayText="Own"
            fontName="ArialBlk64" fontSize="20" fontColor="1 0 0 1")" + key + "/></triggers>");
    };
    const Trigger& keyed = text(R"( keyString="KEY_00004")");
    EXPECT_EQ(keyed.keyString, "KEY_00004");
    EXPECT_EQ(keyed.overlay->text, "From the table");
    EXPECT_EQ(keyed.overlay->fontName, "verdana");
    EXPECT_EQ(keyed.overlay->charHeight, 20u);
    EXPECT_EQ(keyed.overlay->colour, Ogre::ColourValue::Red);
    EXPECT_EQ(text(R"( keyString="KEY_00009")").overlay->text, "Own");
    const Trigger& unkeyed = text("");
    EXPECT_EQ(unkeyed.keyString, "KEY_00005");
    EXPECT_EQ(unkeyed.overlay->text, "Own");
    EXPECT_TRUE(game.defaultTexts.count("KEY_00005"));
}

TEST_F(TriggerReaderTest, AWorldSpaceOverlayFollowsTheLevelsCameraAndUnknownPicturesAreDropped)
{
    const Trigger& trigger = read(bare + R"(><overlay isOverlayFadeIn="false" isOverlayFadeOut="false"
            textureScale="1" startDuration="1" normalDuration="3" endDuration="1" isWorldSpace="true"/>
        <overlayIN inPosDirection="2" isPositionIn="true" isScaleIn="false" isRotationIn="true"/>
        <overlayScroll startPos="0 0.3" endPos="0 -0.3" normalPos="0.1 0.2"/>
        <overlayText isTextOnly="false" imageName="missing.png" overlayText="" fontName="" fontSize="32"
            fontColor="1 1 1 1" isManualRenderingOrder="true" manualRenderingOrder="7" keyString="K"/>
        </triggers>)");
    const OverlayWidget& widget = *trigger.overlay;
    EXPECT_TRUE(widget.isAnchored);
    EXPECT_EQ(widget.anchor, camera.playCamera);
    EXPECT_FLOAT_EQ(widget.holdDuration, 3.0f);
    EXPECT_EQ(widget.slideInDirection, 2u);
    EXPECT_TRUE(widget.isSlideIn && widget.isRotateIn && !widget.isScaleIn);
    EXPECT_EQ(widget.position, Ogre::Vector2(0.1f, 0.2f));
    EXPECT_FALSE(widget.isText);
    EXPECT_EQ(widget.pictureName, "");
    EXPECT_EQ(trigger.manualRenderingOrder, 7);
}

} // namespace
