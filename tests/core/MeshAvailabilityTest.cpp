// Whether a mesh can be used, remembered in the cache it shares with
// resourceExists.
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/ResourceAvailability.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"

#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

namespace {

const std::string folder = std::string(ZARNITH_TEST_DATA_DIR) + "/meshes";

class MeshAvailability : public ::testing::Test {
protected:
    MeshAvailability()
    {
        // Meshes are loaded to be checked; without a render system in memory.
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        ResourceGroupScope::addFolder(folder + "/media", "Media");
        ResourceGroupScope::addFolder(folder + "/game", "GAMERSC");
        game.gameFolder = "game";
        game.resourceAvailability.clear();
    }
    ~MeshAvailability() override
    {
        game.gameFolder.clear();
        game.resourceAvailability.clear();
    }

    Game& game = *Game::getSingletonPtr();
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    LogCapture log;
};

TEST_F(MeshAvailability, NoNameAndNoneAreNeverMeshesAndAreNotRemembered)
{
    EXPECT_FALSE(loadMeshResource(""));
    EXPECT_FALSE(loadMeshResource("none"));
    EXPECT_TRUE(game.resourceAvailability.empty());
}

TEST_F(MeshAvailability, AMeshOfTheMediaGroupIsUsableAndRemembered)
{
    EXPECT_TRUE(loadMeshResource("standIn.mesh"));
    EXPECT_TRUE(game.resourceAvailability.at("standIn.mesh"));
    EXPECT_FALSE(loadMeshResource("nowhere.mesh"));
    EXPECT_FALSE(game.resourceAvailability.at("nowhere.mesh"));
}

TEST_F(MeshAvailability, AGameFileThatDoesNotLoadAsAMeshIsNotUsable)
{
    EXPECT_FALSE(loadMeshResource("fake.mesh"));
    EXPECT_FALSE(game.resourceAvailability.at("fake.mesh"));
}

TEST_F(MeshAvailability, WithoutAGameFolderOnlyTheMediaGroupCounts)
{
    game.gameFolder.clear();
    EXPECT_TRUE(loadMeshResource("standIn.mesh"));
    EXPECT_FALSE(resourceExists("shared.png"));
    EXPECT_FALSE(loadMeshResource("fake.mesh"));
}

TEST_F(MeshAvailability, OneAnswerServesBothQuestions)
{
    EXPECT_TRUE(resourceExists("shared.png"));
    EXPECT_TRUE(loadMeshResource("shared.png"));
    EXPECT_FALSE(loadMeshResource("fake.mesh"));
    EXPECT_FALSE(resourceExists("fake.mesh")); // although the file is there
}

} // namespace
