// The sample game's explosions and sfx library, as built into its archives:
// they read without a failure and name only templates, textures, sounds and
// explosions the game has.
#include "app/SoundDefinition.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/effects/ExplosionElement.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialModule.h"
#include "data/SampleArchive.h"
#include "support/LogCapture.h"
#include "support/ParticleTemplates.h"
#include "support/ResourceGroupScope.h"

#include <OgreResourceGroupManager.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

class SampleEffectsData : public ::testing::Test {
protected:
    SampleEffectsData()
    {
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        createResourceGroupOnce("Media");
        createResourceGroupOnce("GAMERSC");
        resources.addResourceLocation(sampleGameDir + "data/data.tzn", "Zip", "Media");
        resources.addResourceLocation(sampleGameDir + "data/game.tzn", "Zip", "GAMERSC");
        game.gameFolder = sampleGameDir;
        game.loadGameData();
    }
    ~SampleEffectsData() override
    {
        game.shutdown();
        game.resetDefaults();
        game.gameFolder.clear();
        clearMaterialCaches();
    }
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    // The scripts' templates, as the game has them when it loads its data.
    ParticleTemplates templatesOfTheGame{sampleParticleTemplateNames()};
    LogCapture log;
    Game& game = *Game::getSingletonPtr();
};

TEST_F(SampleEffectsData, ExplosionsNameTemplatesTexturesSoundsAndExplosionsTheGameHas)
{
    for (const std::string& line : log.lines)
        EXPECT_EQ(line.find("XMLDocument"), std::string::npos) << line;
    ASSERT_TRUE(game.explosionLibrary.count("ExplosionNew_BoDSmart"));
    const std::set<std::string> particleTemplates = sampleParticleTemplateNames();
    bool hasSheet = false, hasChild = false, hasLightOnly = false, hasSoundOnly = false;
    for (const auto& [name, explosion] : game.explosionLibrary)
        for (const ExplosionElement* element : explosion.second) {
            if (element->isChild) {
                EXPECT_TRUE(game.explosionLibrary.count(element->particleName)) << name;
            } else if (!element->particleName.empty()) {
                EXPECT_TRUE(particleTemplates.count(element->particleName)) << element->particleName;
            }
            if (!element->textureName.empty()) {
                EXPECT_TRUE(groupHolds("GAMERSC", element->textureName)) << element->textureName;
            }
            if (!element->soundName.empty()) {
                EXPECT_TRUE(game.soundLibrary.count(element->soundName)) << element->soundName;
            }
            hasSheet |= element->textureDiv == Ogre::Vector2(4.0f, 2.0f) && !element->textureName.empty();
            hasChild |= element->isChild != 0;
            hasLightOnly |= element->particleName.empty() && element->isLight && element->soundName.empty();
            hasSoundOnly |= element->particleName.empty() && !element->isLight && !element->soundName.empty();
        }
    EXPECT_TRUE(hasSheet);
    EXPECT_TRUE(hasChild);
    EXPECT_TRUE(hasLightOnly);
    EXPECT_TRUE(hasSoundOnly);
}

TEST_F(SampleEffectsData, EverySfxEntryIsATemplateOrASheetOfTheGame)
{
    const std::set<std::string> particleTemplates = sampleParticleTemplateNames();
    for (const char* name : {"explosionSmoke", "basic_1up", "explosion_sprite_alpha", "explosion_sprite_alpha_bullet",
                             "Enemy_explosion", "smoke", "vectorSmoke", "forceField01", "scoreParticles",
                             "multiplierParticles"})
        EXPECT_TRUE(particleTemplates.count(name)) << name;
    ASSERT_TRUE(game.sfxLibrary.count("Bullet_Cancel"));
    const sfxLibraryEntry& loop = *game.sfxLibrary.at("forceFieldSheet.png");
    EXPECT_TRUE(loop.isAnimatedTexture && loop.isLooping);
    EXPECT_EQ(loop.columnsRows, Ogre::Vector2(4.0f, 1.0f));
    // Entries naming neither a template nor a sheet would be dropped after loading.
    const std::string file = sampleArchiveText("game.tzn", "gamebox.sfx");
    const std::regex entry("sfxName=\"([^\"]+)\"");
    for (std::sregex_iterator match(file.begin(), file.end(), entry), end; match != end; ++match) {
        const std::string name = (*match)[1];
        ASSERT_TRUE(game.sfxLibrary.count(name)) << name;
        if (game.sfxLibrary.at(name)->isAnimatedTexture) {
            EXPECT_TRUE(groupHolds("GAMERSC", name)) << name;
        } else {
            EXPECT_TRUE(particleTemplates.count(name)) << name;
        }
    }
}

} // namespace
