#include "app/ResourceLocations.h"

#include "app/ResourceListeners.h"
#include "core/Game.h"
#include "data/SampleArchive.h"
#include "support/LogCapture.h"
#include "support/OgreTestRoot.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/WorldTestScene.h"

#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreParticleSystemManager.h>
#include <OgreScriptCompiler.h>
#include <Overlay/OgreOverlayManager.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::string material(const std::string& name, const std::string& colour)
{
    return "material " + name + "\n{\n technique\n {\n  pass\n  {\n   diffuse " + colour + "\n  }\n }\n}\n";
}

void zipFolder(const TempFolder& folder, const std::string& source, const std::string& archive)
{
    boost::filesystem::create_directories(boost::filesystem::path(folder.path() + archive).parent_path());
    const std::string command = "cd '" + folder.path() + source + "' && zip -q -r '" + folder.path() + archive + "' .";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

class ResourceLocationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestRoot();
        installResourceListeners();
        game.resetDefaults();
        game.preferenceFolder.clear();
    }
    void TearDown() override
    {
        Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
        if (materials.getByName("Shared/Twice", "Media"))
            materials.remove("Shared/Twice", "Media");
    }

    ResourceGroupScope groups{{"Media", "GAMERSC", "media", "GAMERSC_materials"}};
    TempFolder program;
    LogCapture log;
    Game& game = *Game::getSingletonPtr();
};

} // namespace

TEST(ResourceLocationList, PreferenceFolderIsAddedOnlyWhenKnown)
{
    EXPECT_EQ(gameResourceLocations("/g//", "").size(), 9u);
    const std::vector<ResourceLocation> all = gameResourceLocations("/g//", "/prefs/");
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[1].path, "/g///data/data.tzn");
    EXPECT_EQ(all[1].type, "Zip");
    EXPECT_EQ(all[1].group, "Media");
    EXPECT_EQ(all[8].group, "media");
    EXPECT_EQ(all[9].path, "/prefs/");
    EXPECT_EQ(all[9].group, "GAMERSC");
}

TEST(ResourceListeners, OnlyResourceNameEventsAreHandled)
{
    MyScriptCompilerListener listener;
    Ogre::ScriptCompilerEvent resourceName("processResourceName");
    Ogre::ScriptCompilerEvent other("getMaterialName");
    EXPECT_TRUE(listener.handleEvent(nullptr, &resourceName, nullptr));
    EXPECT_FALSE(listener.handleEvent(nullptr, &other, nullptr));
    UsePreviousResourceLoadingListener loading;
    EXPECT_FALSE(loading.resourceCollision(nullptr, nullptr));
}

TEST_F(ResourceLocationsTest, DuplicateMaterialKeepsTheOneParsedFirst)
{
    program.write("media/first.material", material("Shared/Twice", "1 0 0"));
    program.write("gamersc/second.material", material("Shared/Twice", "0 0 1"));
    zipFolder(program, "media", "data/data.tzn");
    zipFolder(program, "gamersc", "data/game.tzn");
    ASSERT_EQ(std::system(("cd '" + program.path() + "media' && zip -q '" + program.path() + "data/Extensions.tzn' first.material").c_str()), 0);
    ASSERT_EQ(std::system(("cd '" + program.path() + "media' && zip -q '" + program.path() + "Codec_ss.tzn' first.material").c_str()), 0);

    initResourceLocations(game, program.path() + "/");

    Ogre::MaterialPtr kept = Ogre::MaterialManager::getSingleton().getByName("Shared/Twice", "Media");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->getGroup(), "Media");
    EXPECT_EQ(game.extensionPath, "Extensions/");
    EXPECT_TRUE(log.contains("resources paths initialized"));
    EXPECT_TRUE(Ogre::ResourceGroupManager::getSingleton().resourceGroupExists("GAMERSC_materials"));
}

TEST_F(ResourceLocationsTest, MissingArchivesAreLoggedAndSkipped)
{
    program.write("data/readme.txt", "no archives here");
    initResourceLocations(game, program.path() + "/");
    EXPECT_TRUE(log.contains("[ERROR] resource location not found: " + program.path() + "//data/data.tzn"));
    EXPECT_TRUE(log.contains("[ERROR] resource location not found: " + program.path() + "//Codec_ss.tzn"));
    EXPECT_TRUE(log.contains("resources paths initialized"));
    EXPECT_TRUE(Ogre::ResourceGroupManager::getSingleton().resourceExists("GAMERSC", "readme.txt"));
}

TEST(GameResourceGroups, OnlyTheGamesGroupsShareTheGlobalPool)
{
    ResourceGroupScope groups{{"Media", "GAMERSC", "GAMERSC_materials", "ini"}};
    const std::pair<const char*, bool> cases[] = {
        {"Media", true}, {"GAMERSC", true}, {"GAMERSC_materials", false}, {"ini", false}};
    Ogre::ResourceGroupManager& manager = Ogre::ResourceGroupManager::getSingleton();
    for (const auto& [group, global] : cases) {
        createResourceGroupOnce(group);
        createResourceGroupOnce(group); // a second call keeps the first group
        EXPECT_EQ(manager.isResourceGroupInGlobalPool(group), global) << group;
    }
}

// Found by search, a mesh moves into the group that holds it; the group gone,
// the mesh's name must be free again for the next test or game to use.
TEST(GameResourceGroups, AMeshFoundBySearchLeavesNoNameBehindWithItsGroup)
{
    WorldTestScene world;
    {
        TempFolder media;
        media.write("searched.mesh", sampleArchiveText("data.tzn", "interro.mesh"));
        ResourceGroupScope groups{{"Media"}};
        ResourceGroupScope::addFolder(media.path(), "Media");
        world.scene->createEntity("searched.mesh");
    }
    EXPECT_FALSE(Ogre::MeshManager::getSingleton().getResourceByName("searched.mesh", Ogre::RGN_AUTODETECT));
}

// A script Ogre cannot fully read is named once, at its first error, and the
// scripts after it still load.
TEST_F(ResourceLocationsTest, EachScriptWithErrorsIsNamedOnceAndTheRestLoads)
{
    program.write("gamersc/a.particle", "particle_system Test/Foreign\n{\n affector Vortex3D\n {\n }\n}\n");
    program.write("gamersc/b.material", "material Test/Unreadable\n{\n technique\n {\n  pass\n  {\n"
                                        "   diffuse red\n   ambient green\n  }\n }\n}\n");
    program.write("gamersc/e.material", "set\n");                               // the parser throws
    program.write("gamersc/o.material", "import x");             // the parser read past the end
    program.write("gamersc/f.material", "c\n{\n d\n {\n  l $n\n }\n"); // Ogre's compiler crashed
    program.write("gamersc/k.material", "a{}b{c $d}\n"); // so did it here: "}b" is a word
    // Each abstract material holds the one before twice: 2^30 nodes expanded.
    std::string doubling = "abstract material A0\n{\n technique\n {\n }\n}\n";
    for (int i = 1; i <= 30; ++i)
        doubling += "abstract material A" + std::to_string(i) + "\n{\n technique : A" + std::to_string(i - 1)
                    + "\n {\n }\n pass : A" + std::to_string(i - 1) + "\n {\n }\n}\n";
    program.write("gamersc/g.material", doubling);
    program.write("gamersc/h.material", "set $a \"$a x\"\n" + material("Test/Endless", "$a"));
    program.write("gamersc/i.material", "import * from \"i.material\"\n" + material("Test/ImportsItself", "1 0 0"));
    program.write("gamersc/j.overlay", "overlay Test/Deep\n{\n zorder 782\n}\n"); // Ogre stopped the program
    program.write("gamersc/l.overlay", "element Test/Unset Panel\n{\n left $unset\n inner Test/Inner Panel\n {\n"
                                       "  top $unset\n }\n}\n"); // and read a null node
    program.write("gamersc/m.particle", "affector Alone Point\n{\n}\n"); // and built into nothing
    program.write("gamersc/n.particle", "particle_system Test/Negative\n{\n particle_height -5\n}\n"); // stopped
    program.write("gamersc/c.particle", "particle_system Test/Kept\n{\n}\n");
    program.write("gamersc/d.material", material("Test/KeptMaterial", "1 0 0"));
    // Listed in this order, the good scripts are parsed after the bad ones.
    boost::filesystem::create_directories(program.path() + "data");
    ASSERT_EQ(std::system(("cd '" + program.path() + "gamersc' && zip -q '" + program.path()
                           + "data/game.tzn' a.particle b.material e.material o.material f.material k.material g.material h.material i.material j.overlay l.overlay m.particle n.particle "
                           "c.particle d.material")
                              .c_str()),
              0);

    sharedTestOverlaySystem();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    initResourceLocations(game, program.path() + "/");

    EXPECT_TRUE(log.contains("[ERROR] script a.particle not fully read: ScriptCompiler - invalid parameters in "
                             "a.particle(3): Cannot find requested affector type."));
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.rfind("[ERROR] script b.material", 0) == 0; }),
              1);
    EXPECT_TRUE(log.containsPrefix("[ERROR] script b.material not fully read: ScriptCompiler - "));
    EXPECT_TRUE(log.contains("[ERROR] script e.material not fully read: expected variable name at line 1"));
    EXPECT_TRUE(log.contains("[ERROR] script o.material not fully read: expected import source at line 1"));
    EXPECT_TRUE(log.contains("[ERROR] script f.material not fully read: braces and quotes do not pair up, read up "
                             "to a brace left open at line 2"));
    EXPECT_TRUE(log.contains("[ERROR] script k.material not fully read: braces and quotes do not pair up, read up "
                             "to a brace inside a word at line 1"));
    for (const char* script : {"g.material", "h.material"})
        EXPECT_TRUE(log.contains("[ERROR] script " + std::string(script) + " not fully read: its objects' bases and "
                                 "variables would expand it past 200000 nodes, nothing of it compiled"));
    EXPECT_TRUE(Ogre::MaterialManager::getSingleton().getByName("Test/ImportsItself", "GAMERSC"));
    ASSERT_TRUE(overlays.getByName("Test/Deep"));
    EXPECT_EQ(overlays.getByName("Test/Deep")->getZOrder(), 650);
    EXPECT_TRUE(log.contains("[ERROR] script j.overlay not fully read: ScriptCompiler - invalid parameters in "
                             "j.overlay(3): zorder 782 above 650, drawn there"));
    EXPECT_TRUE(log.containsPrefix("[ERROR] script l.overlay not fully read: ScriptCompiler - "));
    EXPECT_TRUE(overlays.hasOverlayElement("Test/Unset", true));
    overlays.destroy("Test/Deep");
    for (const char* element : {"Test/Inner", "Test/Unset"})
        if (overlays.hasOverlayElement(element, true))
            overlays.destroyOverlayElement(element, true);
    EXPECT_TRUE(log.contains("[ERROR] script m.particle not fully read: ScriptCompiler - unexpected token in "
                             "m.particle(1): outside a particle system, not read"));
    EXPECT_TRUE(log.contains("[ERROR] script n.particle not fully read: ScriptCompiler - invalid parameters in "
                             "n.particle(3): particle_height -5 below 0, left out"));
    EXPECT_TRUE(Ogre::MaterialManager::getSingleton().getByName("Test/KeptMaterial", "GAMERSC"));
    Ogre::ParticleSystemManager& particles = Ogre::ParticleSystemManager::getSingleton();
    EXPECT_TRUE(particles.getTemplate("Test/Kept"));
    for (const char* name : {"Test/Foreign", "Test/Kept", "Test/Negative"})
        if (particles.getTemplate(name))
            particles.removeTemplate(name);
}
