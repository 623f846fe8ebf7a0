// Reading "gamebox.materials3D" into the materials module's definitions.
#include "core/materials/MaterialModule.h"
#include "data/Materials3DReader.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string folder = std::string(ZARNITH_TEST_DATA_DIR) + "/materials3D";

class Materials3DReader : public ::testing::Test {
protected:
    Materials3DReader() { clearMaterialCaches(); }
    ~Materials3DReader() override { clearMaterialCaches(); }

    ResourceGroupScope groups{{"GAMERSC"}};
    LogCapture log;
};

TEST_F(Materials3DReader, EverySubMaterialOfEveryMeshIsKeptUnderItsMeshAndName)
{
    ResourceGroupScope::addFolder(folder, "GAMERSC");
    loadMaterials3DGamebox("some/folder/gamebox.materials3D");
    const material3DTable& definitions = materialModule().definitions;
    ASSERT_EQ(definitions.size(), 2u);
    ASSERT_EQ(definitions.at("ship.mesh").size(), 2u);
    const material3DDefinition& hull = definitions.at("ship.mesh").at("ship_0");
    EXPECT_EQ(hull.screenName, "Hull");
    EXPECT_TRUE(hull.isAlpha);
    EXPECT_EQ(hull.diffuseTexture, "hull.png");
    EXPECT_EQ(hull.specularTexture, "hullSpec.png");
    EXPECT_EQ(hull.ambientTexture, "hullGlow.png");
    EXPECT_EQ(hull.normalTexture, ""); // "black.bmp" means none
    EXPECT_EQ(hull.reflectionTexture, "sky.dds");
    EXPECT_FLOAT_EQ(hull.fresnel, 0.75f);
    EXPECT_FLOAT_EQ(hull.shininess, 12.0f);
    EXPECT_FLOAT_EQ(hull.specularMult, 2.5f);
    const material3DDefinition& canopy = definitions.at("ship.mesh").at("ship_1");
    EXPECT_EQ(canopy.normalTexture, "Black.bmp");
    EXPECT_FLOAT_EQ(canopy.fresnel, 0.0f); // unreadable
    // A mesh without sub-materials still has its entry.
    EXPECT_TRUE(definitions.at("rock.mesh").empty());
}

TEST_F(Materials3DReader, ReadingAgainKeepsWhatWasReadAndOverwritesTheSameSubMaterial)
{
    ResourceGroupScope::addFolder(folder, "GAMERSC");
    materialModule().definitions["old.mesh"]["old_0"].shininess = 5.0f;
    materialModule().definitions["ship.mesh"]["ship_0"].shininess = 99.0f;
    loadMaterials3DGamebox("gamebox.materials3D");
    EXPECT_FLOAT_EQ(materialModule().definitions.at("old.mesh").at("old_0").shininess, 5.0f);
    EXPECT_FLOAT_EQ(materialModule().definitions.at("ship.mesh").at("ship_0").shininess, 12.0f);
}

TEST_F(Materials3DReader, AnAbsentFileReadsNothingAndABrokenOneAddsNothingAndIsLoggedOnce)
{
    loadMaterials3DGamebox("gamebox.materials3D");
    EXPECT_TRUE(materialModule().definitions.empty());
    EXPECT_TRUE(log.lines.empty());

    ResourceGroupScope::addFolder(folder + "/broken", "GAMERSC");
    log.lines.clear();
    log.levels.clear();
    loadMaterials3DGamebox("gamebox.materials3D");
    EXPECT_TRUE(materialModule().definitions.empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.materials3D "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
    EXPECT_EQ(log.levels.front(), Ogre::LML_CRITICAL);
}

TEST_F(Materials3DReader, AnAbsentAttributeLeavesItsFieldAsItWas)
{
    TempFolder folder;
    folder.write("gamebox.materials3D", R"(<MATERIAL meshName="ship.mesh">
        <SUBMAT name="ship_0" screenName="Hull" diffuseTex="hull.png" shininess="12"/></MATERIAL>
        <MATERIAL><SUBMAT screenName="Nameless"/></MATERIAL>)");
    ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
    materialModule().definitions["ship.mesh"]["ship_0"].normalTexture = "hull_n.png";
    loadMaterials3DGamebox("gamebox.materials3D");
    const material3DDefinition& hull = materialModule().definitions.at("ship.mesh").at("ship_0");
    EXPECT_EQ(hull.diffuseTexture, "hull.png");
    EXPECT_FLOAT_EQ(hull.shininess, 12.0f);
    EXPECT_EQ(hull.normalTexture, "hull_n.png");
    EXPECT_EQ(hull.specularTexture, "grey.bmp");
    EXPECT_FLOAT_EQ(hull.fresnel, 0.5f);
    // Missing keys read as empty names.
    EXPECT_EQ(materialModule().definitions.at("").at("").screenName, "Nameless");
}

} // namespace
