// Materials of 3D meshes, drawn: the sample game's crate with its two
// sub-materials from "gamebox.materials3D", meshes without definitions, the
// stand-ins for what is missing, shadows and texture sizes.
#include "render/ConstantReadback.h"
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/MeshAvailability.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MeshMaterials.h"
#include "data/Materials3DReader.h"

#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class MeshMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
    }

    // A mesh made here of `sections` quads, each with its own material.
    Ogre::Entity* placeQuads(const std::string& meshName, const std::vector<std::string>& materials)
    {
        if (!Ogre::MeshManager::getSingleton().getByName(meshName, "GAMERSC")) {
            Ogre::ManualObject* quads = scene->scene->createManualObject();
            float x = 0.0f;
            for (const std::string& material : materials) {
                quads->begin(material, Ogre::RenderOperation::OT_TRIANGLE_LIST, "Media");
                quads->position(x, 0.0f, 0.0f);
                quads->normal(Ogre::Vector3::UNIT_Y);
                quads->position(x + 1.0f, 0.0f, 0.0f);
                quads->normal(Ogre::Vector3::UNIT_Y);
                quads->position(x, 0.0f, 1.0f);
                quads->normal(Ogre::Vector3::UNIT_Y);
                quads->triangle(0, 2, 1);
                quads->end();
                x += 1.0f;
            }
            quads->convertToMesh(meshName, "GAMERSC");
            scene->scene->destroyManualObject(quads);
        }
        return scene->placeMesh(meshName, Ogre::Vector3::ZERO);
    }

    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

bool hasTangents(const Ogre::MeshPtr& mesh, unsigned short subMesh)
{
    const Ogre::VertexDeclaration* declaration = mesh->getSubMesh(subMesh)->vertexData->vertexDeclaration;
    return declaration->findElementBySemantic(Ogre::VES_TANGENT) != nullptr;
}

TEST_F(MeshMaterials, TheCrateGetsALitMaterialPerSubMeshFromItsDefinitionsAndIsDrawnWithIt)
{
    loadMaterials3DGamebox("gamebox.materials3D");
    ASSERT_TRUE(loadMeshResource("crate.mesh"));
    scene->addLight(Ogre::Vector3(0.4f, -1.0f, 0.3f));
    Ogre::Entity* crate = scene->placeMesh("crate.mesh", Ogre::Vector3(-4.0f, 0.0f, 0.0f));
    crate->getParentSceneNode()->setScale(3.0f, 3.0f, 3.0f);
    applyMeshMaterials(crate);
    // A second crate lies on its side, showing a side to the camera.
    Ogre::Entity* fallen = scene->placeMesh("crate.mesh", Ogre::Vector3(4.0f, 0.0f, 0.0f));
    fallen->getParentSceneNode()->setScale(3.0f, 3.0f, 3.0f);
    fallen->getParentSceneNode()->setOrientation(Ogre::Quaternion(Ogre::Degree(-90.0f), Ogre::Vector3::UNIT_X));
    applyMeshMaterials(fallen);

    const Ogre::MaterialPtr sides = crate->getSubEntity(0)->getMaterial();
    const Ogre::MaterialPtr lid = crate->getSubEntity(1)->getMaterial();
    EXPECT_EQ(sides->getName(), "crate_0");
    EXPECT_EQ(lid->getName(), "crate_1");
    EXPECT_EQ(sides->getGroup(), "GAMERSC_materials");
    EXPECT_EQ(unitTexture(sides, "diffuse_tex"), "crateSide.png");
    EXPECT_EQ(unitTexture(sides, "normals_tex"), "crateSide_n.png");
    EXPECT_EQ(unitTexture(sides, "specular_tex"), "crateSpecular.png");
    EXPECT_EQ(unitTexture(lid, "diffuse_tex"), "crateTop.png");
    EXPECT_EQ(unitTexture(lid, "normals_tex"), "(no unit)"); // "black.bmp": no normal map
    EXPECT_EQ(fragmentConstant(sides, "shininess"), std::vector<float>{40.0f});
    EXPECT_EQ(fragmentConstant(sides, "specularMult"), std::vector<float>{1.5f});
    EXPECT_EQ(fragmentConstant(sides, "fresnelmul"), std::vector<float>{0.25f});
    EXPECT_EQ(fragmentConstant(lid, "shininess"), std::vector<float>{20.0f});
    // The sides have a normal map and the mesh stores no tangents: they are built.
    EXPECT_TRUE(hasTangents(crate->getMesh(), 0));

    scene->renderFrame();
    scene->keepFrame("crate");
    // Seen from above, faces turned up: the texture's colour at the light's
    // slope plus the specular texture times the highlight, 0.276 on the lid
    // (shininess 20, times 0.5) and 0.386 on the side (40, times 1.5).
    const float slope = 0.894f;
    // The lid's teal, and its pale cross through the middle.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-2.8f, 0.0f, 0.0f)), rgb(0x2a8c8c) * slope + rgb(0x808080) * 0.276f);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), rgb(0xe8e0c0) * slope + rgb(0x808080) * 0.276f);
    // The side's brown planks.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(4.0f, 0.0f, 0.0f)), rgb(0xa0602a) * slope + rgb(0x707070) * 0.386f);
    EXPECT_EQ(fallen->getSubEntity(0)->getMaterial(), sides);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, 6.0f)), Ogre::ColourValue::Black);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(MeshMaterials, AMeshWithoutDefinitionsGetsDefaultDiffuseClonesThatASecondEntityReuses)
{
    Ogre::Entity* rock = placeQuads("rock.mesh", {"BaseWhite", "BaseWhite", "BaseWhite"});
    applyMeshMaterials(rock);
    for (unsigned index = 0; index < 3; ++index) {
        const Ogre::MaterialPtr material = rock->getSubEntity(index)->getMaterial();
        EXPECT_EQ(material->getName(), "rock_" + std::to_string(index));
        EXPECT_NE(material->getTechnique("lighting01"), nullptr);
        EXPECT_EQ(unitTexture(material, "diffuse_tex"), "grey.bmp");
    }
    Ogre::Entity* second = placeQuads("rock.mesh", {});
    applyMeshMaterials(second);
    EXPECT_EQ(second->getSubEntity(2)->getMaterial(), rock->getSubEntity(2)->getMaterial());
}

TEST_F(MeshMaterials, ASubMeshWhoseMaterialIsAlreadyLitKeepsIt)
{
    Ogre::Entity* mixed = placeQuads("mixed.mesh", {"defaultDiffuse", "BaseWhite"});
    applyMeshMaterials(mixed);
    EXPECT_EQ(mixed->getSubEntity(0)->getMaterialName(), "defaultDiffuse");
    EXPECT_EQ(mixed->getSubEntity(1)->getMaterialName(), "mixed_1");
}

TEST_F(MeshMaterials, TheStandInMeshIsDrawnWithTheStandInMaterial)
{
    ASSERT_TRUE(loadMeshResource("interro.mesh"));
    Ogre::Entity* box = scene->placeMesh("interro.mesh", Ogre::Vector3::ZERO);
    box->getParentSceneNode()->setScale(4.0f, 4.0f, 4.0f);
    applyMeshMaterials(box);
    EXPECT_EQ(box->getSubEntity(0)->getMaterialName(), "BOX_notFound");
    scene->renderFrame();
    scene->keepFrame("interro");
    // A dark square of the magenta checker board, away from its edges.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-0.9f, 0.0f, -0.9f)), rgb(0x8d008c));
}

TEST_F(MeshMaterials, MissingTexturesBecomeTheStandInOfTheirUnitAndAMissingTemplateTheStandInMaterial)
{
    material3DDefinition& definition = materialModule().definitions["lost.mesh"]["lost_0"];
    definition.diffuseTexture = "gone.png";
    definition.normalTexture = "goneNormals.png";
    definition.reflectionTexture = "goneReflection.dds";
    Ogre::Entity* lost = placeQuads("lost.mesh", {"BaseWhite", "BaseWhite"});
    applyMeshMaterials(lost);
    const Ogre::MaterialPtr material = lost->getSubEntity(0)->getMaterial();
    EXPECT_EQ(unitTexture(material, "diffuse_tex"), "notFound.jpg");
    EXPECT_EQ(unitTexture(material, "normals_tex"), "notFoundNormals.tga");
    EXPECT_EQ(unitTexture(material, "reflection_tex"), "ReflectionMap_blurry.dds");
    // The second sub-mesh had no definition: it gets one with the defaults.
    EXPECT_EQ(materialModule().definitions["lost.mesh"].count("lost_1"), 1u);

    // Without its template a sub-mesh is drawn as the stand-in, with one error line.
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    const Ogre::MaterialPtr saved = materials.getByName("defaultDiffuse")->clone("savedDefaultDiffuse");
    materials.remove("defaultDiffuse", "Media");
    Ogre::Entity* plain = placeQuads("plain.mesh", {"BaseWhite"});
    applyMeshMaterials(plain);
    saved->clone("defaultDiffuse", true, "Media");
    materials.remove("savedDefaultDiffuse", saved->getGroup());
    EXPECT_EQ(plain->getSubEntity(0)->getMaterialName(), "BOX_notFound");
    EXPECT_TRUE(log.contains("[ERROR] template material not found: defaultDiffuse, asked for by mesh plain.mesh"));
}

TEST_F(MeshMaterials, ASeeThroughSubMaterialCastsTheShadowOfItsOwnTexture)
{
    material3DDefinition& glass = materialModule().definitions["glass.mesh"]["glass_0"];
    glass.isAlpha = true;
    glass.diffuseTexture = "shipSheet.png";
    Ogre::Entity* pane = placeQuads("glass.mesh", {"BaseWhite"});
    applyMeshMaterials(pane);
    const Ogre::MaterialPtr material = pane->getSubEntity(0)->getMaterial();
    EXPECT_TRUE(material->isTransparent());
    const Ogre::MaterialPtr caster = material->getBestTechnique()->getShadowCasterMaterial();
    ASSERT_TRUE(caster);
    EXPECT_EQ(caster->getName(), "glass_0shadowCaster");
    EXPECT_EQ(caster->getGroup(), "GAMERSC_materials");
    EXPECT_EQ(unitAt(caster, 0, 0, 0)->getTextureName(), "shipSheet.png");
}

TEST_F(MeshMaterials, TexturesGoOnlyIntoUnitsOfTheirNameAndNeverIntoTheShadowUnit)
{
    const Ogre::MaterialPtr material =
        Ogre::MaterialManager::getSingleton().getByName("defaultDiffuse")->clone("textureTarget");
    EXPECT_FALSE(setMaterialTextureNames(material, "diffuse_tex", ""));
    EXPECT_FALSE(setMaterialTextureNames(material, "shadow_tex", "crateTop.png"));
    EXPECT_FALSE(setMaterialTextureNames(material, "glow_tex", "crateTop.png"));
    EXPECT_EQ(unitTexture(material, "diffuse_tex"), "grey.bmp");
    EXPECT_TRUE(setMaterialTextureNames(material, "ambient_tex", "crateTop.png"));
    EXPECT_EQ(unitTexture(material, "ambient_tex"), "crateTop.png");
    EXPECT_EQ(unitTexture(material, "diffuse_tex"), "grey.bmp");
    Ogre::MaterialManager::getSingleton().remove(material);
}

TEST_F(MeshMaterials, TheShaderReadsTheShadowTextureOnlyWhenTheSceneProjectsOne)
{
    Ogre::Entity* shadowed = placeQuads("shadowed.mesh", {"BaseWhite", "BaseWhite"});
    applyMeshMaterials(shadowed);
    shadowed->getSubEntity(0)->setMaterialName("BaseWhiteNoLighting");
    const Ogre::MaterialPtr lit = shadowed->getSubEntity(1)->getMaterial();
    struct Case {
        Ogre::ShadowTechnique technique;
        bool shadowed;
        float isShadow;
    };
    const Case cases[] = {
        {Ogre::SHADOWTYPE_NONE, true, 0.0f},
        {Ogre::SHADOWTYPE_STENCIL_MODULATIVE, true, 0.0f},
        {Ogre::SHADOWTYPE_TEXTURE_MODULATIVE_INTEGRATED, true, 1.0f},
        {Ogre::SHADOWTYPE_TEXTURE_MODULATIVE_INTEGRATED, false, 0.0f},
        {Ogre::SHADOWTYPE_TEXTURE_ADDITIVE, true, 1.0f},
    };
    for (const Case& each : cases) {
        scene->scene->setShadowTechnique(each.technique);
        setLightingParameters(shadowed, each.shadowed);
        EXPECT_EQ(lit->getReceiveShadows(), each.shadowed) << each.technique;
        EXPECT_EQ(fragmentConstant(lit, "isShadow"), std::vector<float>{each.isShadow}) << each.technique;
    }
    // Texture shadows without a texture to render project nothing either.
    scene->scene->setShadowTextureCount(0);
    setLightingParameters(shadowed, true);
    EXPECT_EQ(fragmentConstant(lit, "isShadow"), std::vector<float>{0.0f});
    scene->scene->setShadowTechnique(Ogre::SHADOWTYPE_NONE);
}

TEST_F(MeshMaterials, TheDiffuseTextureSizeIsOneFrameOfASpriteSheetTimesTheSpriteScale)
{
    Game& game = *Game::getSingletonPtr();
    loadMaterials3DGamebox("gamebox.materials3D");
    ASSERT_TRUE(loadMeshResource("crate.mesh"));
    Ogre::Entity* crate = scene->placeMesh("crate.mesh", Ogre::Vector3::ZERO);
    applyMeshMaterials(crate);
    EXPECT_EQ(getDiffuseTextureSize(crate), Ogre::Vector2(128.0f, 128.0f)); // crateSide.png

    // Without a "diffuse_tex" unit: 128 x 128 times the sprite scale.
    Ogre::Entity* box = scene->placeMesh("interro.mesh", Ogre::Vector3::ZERO);
    applyMeshMaterials(box);
    game.spriteScale = 2.0f;
    EXPECT_EQ(getDiffuseTextureSize(box), Ogre::Vector2(256.0f, 256.0f));

    LibraryEntry sheet(game.spriteLibrary, "crateSide.png", 4.0f, 2.0f);
    EXPECT_EQ(getDiffuseTextureSize(crate), Ogre::Vector2(64.0f, 128.0f));
    EXPECT_EQ(sheet->textureDimension, Ogre::Vector2(128.0f, 128.0f)); // remembered
    game.spriteScale = 1.0f;
}

} // namespace
