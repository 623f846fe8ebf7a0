// The level build passes on a small level: trigger links, wave children and
// riders, an effect riding on a wave, and waves that would ride on themselves.
#include "support/LogCapture.h"
#include "world/WorldTestScene.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Spawner.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "play/playState.h"
#include "world/Trigger.h"
#include "world/link.h"
#include "world/sfx.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

std::vector<std::string> endNames(const std::vector<class link*>& links)
{
    std::vector<std::string> names;
    for (const class link* each : links)
        names.push_back(each->endName);
    return names;
}

class LevelBuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.sceneManager = world.scene;
        game.player = &player;
    }
    void TearDown() override
    {
        for (Trigger* trigger : state.triggers)
            delete trigger;
        for (sfx* effect : state.sfxList)
            delete effect;
        game.player = nullptr;
        game.sceneManager = nullptr;
    }

    Trigger& addTrigger(const std::string& name, std::vector<std::string> in, std::vector<std::string> out)
    {
        Trigger* trigger = newTrigger(1, name);
        state.triggers.push_back(trigger);
        for (bool incoming : {true, false})
            for (const std::string& target : incoming ? in : out) {
                auto* each = new class link("link");
                each->endName = target;
                each->fromEntity = trigger;
                each->isForward = incoming ? 1 : 0;
                (incoming ? trigger->incomingLinks : trigger->outgoingLinks).push_back(each);
            }
        return *trigger;
    }

    // A wave with member 0 on its own node and a spawner with its nodes.
    Wave& addWave(const std::string& name, const std::string& ridesOn = "")
    {
        waves.push_back(std::make_unique<Wave>("definition"));
        Wave& wave = *waves.back();
        wave.waveName = name;
        wave.attachedToEntityName = ridesOn;
        wave.members.push_back(new Enemy());
        wave.members.front()->sceneNode = world.scene->getRootSceneNode()->createChildSceneNode();
        wave.spawner = new Spawner();
        wave.spawner->createNodes(&wave.members, nullptr, nullptr);
        state.waves.push_back(&wave);
        return wave;
    }

    sfx& addEffect(const std::string& name, const std::string& ridesOn)
    {
        auto* effect = new sfx(name);
        effect->attachedToEntityName = ridesOn;
        effect->sceneNode = world.scene->getRootSceneNode()->createChildSceneNode();
        state.sfxList.push_back(effect);
        return *effect;
    }

    static Ogre::Node* spawnerParent(const Wave& wave) { return wave.spawner->spawnerLayerNode->getParent(); }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    Player player;
    playState state;
    std::vector<std::unique_ptr<Wave>> waves;
    LogCapture log;
};

TEST_F(LevelBuild, TriggerLinksFindTheirTargetsOrAreDropped)
{
    Wave& first = addWave("Wave1");
    addWave("Wave1");
    sfx& effect = addEffect("sfx1", "");
    Trigger& trigger = addTrigger("Trigger1", {"Trigger2", "TriLost", "Wave1", "Wave9", "sfx1", "player", "Other"},
                                  {"Wave1", "Trig9"});
    Trigger& armer = addTrigger("Trigger2", {}, {});

    state.linkEntities();

    // The trigger link went over to the trigger it names, as the link that arms this one.
    ASSERT_EQ(armer.outgoingLinks.size(), 1u);
    EXPECT_EQ(armer.outgoingLinks[0]->toEntity, &trigger);
    EXPECT_TRUE(armer.linkedObjects.empty() && armer.linkedFrom.empty());

    const struct {
        std::vector<std::string> names;
        std::vector<class link*>& links;
    } lists[] = {
        {{"TriLost", "Wave1", "sfx1", "player", "Other"}, trigger.incomingLinks},
        {{"Wave1"}, trigger.outgoingLinks},
    };
    for (const auto& list : lists)
        EXPECT_EQ(endNames(list.links), list.names);
    EXPECT_EQ(trigger.incomingLinks[1]->toEntity, &first);
    EXPECT_EQ(trigger.incomingLinks[0]->toEntity, nullptr);

    // Incoming links point forward, outgoing ones back.
    EXPECT_EQ(trigger.linkedObjects, (std::vector<entity*>{&first, &effect, &player}));
    EXPECT_EQ(trigger.linkedFrom, (std::vector<entity*>{&first}));
    EXPECT_EQ(first.linkedFrom, (std::vector<entity*>{&trigger}));
    EXPECT_EQ(first.linkedObjects, (std::vector<entity*>{&trigger}));
    EXPECT_EQ(player.linkedFrom, (std::vector<entity*>{&trigger}));
}

TEST_F(LevelBuild, AttachmentsResolveChildrenAndHangRidersUnderTheirWave)
{
    Wave& carrier = addWave("Wave1");
    Wave& rider = addWave("Wave2", "Wave1");
    addWave("Wave1"); // the same name again: the first one wins
    sfx& flame = addEffect("sfx1", "Wave2");
    addEffect("sfx2", "Wave9");
    carrier.children = {{"Wave2", nullptr}, {"Wave7", nullptr}, {"sfx1", nullptr}, {"sfx8", nullptr},
                        {"Other", nullptr}};

    state.attachEntities();

    EXPECT_TRUE(log.contains("Init Attached entities"));
    const std::map<std::string, entity*> children{{"Wave2", &rider}, {"sfx1", &flame}, {"Other", nullptr}};
    EXPECT_EQ(carrier.children, children);
    EXPECT_TRUE(log.contains("[ERROR] attached enemy not found on Wave1"));

    EXPECT_EQ(rider.parentObject, &carrier);
    EXPECT_EQ(spawnerParent(rider), carrier.members.front()->sceneNode);
    EXPECT_EQ(rider.spawner->parentNode, carrier.members.front()->sceneNode);
    EXPECT_EQ(flame.parentNode, rider.members.front()->sceneNode);
    EXPECT_EQ(flame.attachedObject, &rider);
    EXPECT_EQ(flame.sceneNode->getParent(), rider.members.front()->sceneNode);
    EXPECT_EQ(state.sfxList[1]->attachedObject, nullptr);
}

TEST_F(LevelBuild, AWaveRidingOnItselfOrOnACycleIsNotAttached)
{
    Wave& self = addWave("Wave1", "Wave1");
    Wave& a = addWave("Wave2", "Wave3");
    Wave& b = addWave("Wave3", "Wave2");
    Wave& parentOfItsChild = addWave("Wave4");
    parentOfItsChild.children = {{"Wave4", nullptr}};

    state.attachEntities();

    EXPECT_EQ(self.parentObject, nullptr);
    EXPECT_TRUE(self.attachedToEntityName.empty());
    EXPECT_NE(spawnerParent(self), self.members.front()->sceneNode);
    // The first of the cycle lets go; the second rides on it.
    EXPECT_EQ(a.parentObject, nullptr);
    EXPECT_EQ(b.parentObject, &a);
    EXPECT_TRUE(parentOfItsChild.children.empty());
    for (const char* name : {"Wave1", "Wave2", "Wave4"})
        EXPECT_TRUE(log.contains(std::string("[ERROR] attached enemy not found on ") + name)) << name;
}

} // namespace
