// The sample game's items library and its level's triggers, as built into
// its archives: read by the readers, and naming only what the game has.
#include "app/OverlayWidget.h"
#include "app/SoundDefinition.h"
#include "core/ResourceAvailability.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialModule.h"
#include "data/GameFileReader.h"
#include "data/SampleArchive.h"
#include "data/TriggerReader.h"
#include "data/XmlFragment.h"
#include "data/pictureDefinition.h"
#include "data/SampleArchive.h"
#include "support/LogCapture.h"
#include "support/ParticleTemplates.h"
#include "support/ResourceGroupScope.h"
#include "world/Item.h"
#include "world/TriggerTestScene.h"

#include <set>

namespace {

bool namesSomething(const std::string& name) { return !name.empty() && name != "none"; }

class SampleItemsAndTriggers : public TriggerTest {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        TriggerTest::SetUp();
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        createResourceGroupOnce("Media");
        createResourceGroupOnce("GAMERSC");
        resources.addResourceLocation(sampleGameDir + "data/data.tzn", "Zip", "Media");
        resources.addResourceLocation(sampleGameDir + "data/game.tzn", "Zip", "GAMERSC");
        game.gameFolder = sampleGameDir;
        readGameFile(game);
        game.loadGameData();
    }
    void TearDown() override
    {
        TriggerTest::TearDown();
        game.shutdown();
        game.resetDefaults();
        game.gameFolder.clear();
        game.gameName.clear();
        game.defaultTexts.clear();
        game.languageTables.clear();
        game.localizationTags.clear();
        game.tutorialTags.clear();
        clearMaterialCaches();
    }

    bool isSound(const std::string& name) const { return game.soundLibrary.count(name) != 0; }
    bool isEffect(const std::string& name) const { return game.sfxLibrary.count(name) != 0; }

    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    // The scripts' templates, as the game has them when it loads its data.
    ParticleTemplates templatesOfTheGame{sampleParticleTemplateNames()};
    LogCapture log;
};

TEST_F(SampleItemsAndTriggers, ItemsCoverEveryKindAndNameOnlyWhatTheGameHas)
{
    ASSERT_TRUE(game.itemLibrary.count("ItemNotFound"));
    ASSERT_TRUE(game.itemLibrary.count("Item6_Gold"));
    std::set<int> kinds;
    std::vector<int> medalScores;
    bool hasSprite = false, hasMesh = false;
    for (const auto& [name, item] : game.itemLibrary) {
        kinds.insert(item->itemKind);
        if (item->itemKind == itemKindMedal)
            medalScores.push_back(item->Score);
        if (!item->spriteName.empty()) {
            hasSprite = true;
            EXPECT_TRUE(game.spriteLibrary.count(item->spriteName)) << name;
            EXPECT_TRUE(groupHolds("GAMERSC", item->spriteName)) << name;
        } else {
            hasMesh = true;
            EXPECT_TRUE(groupHolds("GAMERSC", item->meshName) || groupHolds("Media", item->meshName)) << name;
        }
        for (const std::string* sound : {&item->soundName, &item->ForceFieldEndSound, &item->ForceFieldHitSound})
            EXPECT_TRUE(!namesSomething(*sound) || isSound(*sound)) << name << ": " << *sound;
        for (const std::string* effect : {&item->sfxStartName, &item->sfxEndName, &item->ForceFieldSFX})
            EXPECT_TRUE(!namesSomething(*effect) || isEffect(*effect)) << name << ": " << *effect;
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(hasSprite && hasMesh);
    std::sort(medalScores.begin(), medalScores.end());
    ASSERT_EQ(medalScores.size(), 3u);
    EXPECT_TRUE(medalScores[0] < medalScores[1] && medalScores[1] < medalScores[2]);
}

TEST_F(SampleItemsAndTriggers, TheLevelsTriggersReadAndNameOnlyWhatTheGameAndLevelHave)
{
    const XmlFragment levelFile(sampleArchiveText("game.tzn", "Level01.level"));
    readLevelTriggers(levelFile.root(), state.triggers, &level);
    std::set<std::string> levelObjects{"player"}; // the ship, linked by that name
    for (const char* kind : {"triggers", "sfx", "Item"})
        for (const XmlNode* element : childElements(levelFile.root(), kind)) {
            for (const char* key : {"triggerName", "sfxName", "itemName"})
                if (const char* name = attributeText(*element, key))
                    levelObjects.insert(name);
            if (const XmlNode* toybox = element->first_node("toybox")) {
                EXPECT_TRUE(game.itemLibrary.count(attributeText(*toybox, "parentName")));
            }
        }

    std::set<std::uint32_t> types;
    std::size_t incoming = 0, outgoing = 0;
    for (const Trigger* trigger : state.triggers) {
        types.insert(trigger->type);
        incoming += trigger->incomingLinks.size();
        outgoing += trigger->outgoingLinks.size();
        for (const auto* links : {&trigger->incomingLinks, &trigger->outgoingLinks})
            for (const class link* each : *links)
                EXPECT_TRUE(levelObjects.count(each->endName)) << trigger->name << " -> " << each->endName;
        EXPECT_TRUE(trigger->soundName.empty() || isSound(trigger->soundName)) << trigger->name;
        EXPECT_TRUE(trigger->musicName.empty() || isSound(trigger->musicName)) << trigger->name;
        for (const std::string* item : {&trigger->itemName, &trigger->smartBombItem})
            EXPECT_TRUE(item->empty() || game.itemLibrary.count(*item)) << trigger->name;
        if (trigger->overlay && trigger->overlay->isText) {
            EXPECT_FALSE(trigger->overlay->text.empty()) << trigger->name;
        } else if (trigger->overlay) {
            EXPECT_TRUE(game.pictureLibrary.count(trigger->overlay->pictureName)) << trigger->name;
        }
    }
    for (std::uint32_t type : {1, 3, 4, 8, 9, 10, 11, 12, 13, 15, 16})
        EXPECT_TRUE(types.count(type)) << type;
    EXPECT_GT(incoming, 0u);
    EXPECT_GT(outgoing, 0u);
    for (const std::string& line : log.lines)
        EXPECT_EQ(line.find("XMLDocument"), std::string::npos) << line;
}

} // namespace
