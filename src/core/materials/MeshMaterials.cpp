#include "core/materials/MeshMaterials.h"

#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MaterialTextures.h"

#include <OgreEntity.h>
#include <OgreHardwareVertexBuffer.h>
#include <OgreMesh.h>
#include <OgrePass.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>
#include <OgreTechnique.h>

namespace {

const char* const cloneGroup = "GAMERSC_materials";
const char* const litTechnique = "lighting01";
const char* const shadowCasterSuffix = "shadowCaster";

// What the definitions say of one sub-entity's material.
struct subMaterialNeeds {
    bool isAlpha = false;
    bool hasNormalMap = false;
    bool needsTangents = false;
};

Ogre::VertexData* subMeshVertices(const Ogre::MeshPtr& mesh, const Ogre::SubMesh* subMesh)
{
    return subMesh->useSharedVertices ? mesh->sharedVertexData : subMesh->vertexData;
}

// Gives the vertices texture coordinates 0 when they have none (read from
// the start of buffer 0); tells whether they have tangents.
bool prepareVertices(Ogre::VertexData* vertices)
{
    if (!vertices)
        return false;
    Ogre::VertexDeclaration* declaration = vertices->vertexDeclaration;
    if (!declaration->findElementBySemantic(Ogre::VES_TEXTURE_COORDINATES, 0))
        declaration->addElement(0, 0, Ogre::VET_FLOAT2, Ogre::VES_TEXTURE_COORDINATES, 0);
    return declaration->findElementBySemantic(Ogre::VES_TANGENT, 0) != nullptr;
}

bool hasNormalsUnit(Ogre::Technique* lit)
{
    Ogre::Pass* pass = passAt(lit, 0);
    return pass && pass->getTextureUnitState("normals_tex") != nullptr;
}

subMaterialNeeds needsOf(const std::string& meshName, const std::string& key, Ogre::Technique* lit,
                         bool hasTangents)
{
    subMaterialNeeds needs;
    const material3DTable& definitions = materialModule().definitions;
    const auto mesh = definitions.find(meshName);
    if (mesh != definitions.end() && mesh->second.count(key)) {
        const material3DDefinition& definition = mesh->second.at(key);
        needs.isAlpha = definition.isAlpha;
        needs.hasNormalMap = !definition.normalTexture.empty();
        needs.needsTangents = needs.hasNormalMap && !hasTangents;
    } else {
        needs.needsTangents = hasNormalsUnit(lit) && !hasTangents;
    }
    return needs;
}

const char* templateFor(const subMaterialNeeds& needs)
{
    if (needs.hasNormalMap)
        return needs.isAlpha ? "diffuse_normals_alpha_template" : "diffuse_normals_template";
    return needs.isAlpha ? "defaultAlpha" : "defaultDiffuse";
}

// Transparent surfaces that cast shadows get a shadow caster of their own,
// which draws the definition's diffuse texture.
void cloneShadowCaster(const Ogre::MaterialPtr& clone, const std::string& meshName, const std::string& key)
{
    clone->load();
    Ogre::Technique* best = clone->getBestTechnique();
    if (!best || !best->getShadowCasterMaterial() || !clone->getTransparencyCastsShadows())
        return;
    const std::string casterName = clone->getName() + shadowCasterSuffix;
    Ogre::MaterialPtr caster = findMaterial(casterName, cloneGroup);
    if (!caster)
        caster = best->getShadowCasterMaterial()->clone(casterName, true, cloneGroup);
    best->setShadowCasterMaterial(caster);
    const material3DDefinition& definition = materialModule().definitions[meshName][key];
    caster->load();
    if (Ogre::TextureUnitState* unit = unitAt(passAt(caster->getBestTechnique(), 0), 0))
        setUnitTexture(unit, definition.diffuseTexture);
}

// The sub-entity's own material; true when the mesh needs tangents for it.
bool createSubEntityMaterial(Ogre::Entity* entity, const std::string& meshName, unsigned short index)
{
    const Ogre::MeshPtr& mesh = entity->getMesh();
    const bool hasTangents = prepareVertices(subMeshVertices(mesh, mesh->getSubMesh(index)));
    const std::string key = subMaterialKey(meshName, index);
    Ogre::SubEntity* subEntity = entity->getSubEntity(index);
    const Ogre::MaterialPtr& current = subEntity->getMaterial();
    Ogre::Technique* lit = current ? current->getTechnique(litTechnique) : nullptr;
    const subMaterialNeeds needs = needsOf(meshName, key, lit, hasTangents);
    if (lit)
        return needs.needsTangents;

    if (findMaterial(key, cloneGroup)) {
        subEntity->setMaterialName(key, cloneGroup);
        return needs.needsTangents;
    }
    const Ogre::MaterialPtr clone = cloneTemplate(templateFor(needs), key, cloneGroup, "mesh " + meshName);
    if (!clone) {
        subEntity->setMaterialName("BOX_notFound", "Media");
        return false;
    }
    material3DTable& definitions = materialModule().definitions;
    const auto known = definitions.find(meshName);
    if (known != definitions.end() && !known->second.count(key))
        known->second[key] = material3DDefinition();
    cloneShadowCaster(clone, meshName, key);
    subEntity->setMaterialName(key, cloneGroup);
    applyMaterial3DParameters(meshName, clone);
    return needs.needsTangents;
}

} // namespace

std::string subMaterialKey(const std::string& meshName, unsigned index)
{
    const std::string stem = meshName.size() < 5 ? meshName : meshName.substr(0, meshName.size() - 5);
    return stem + "_" + std::to_string(index);
}

void applyMeshMaterials(Ogre::Entity* entity)
{
    createMeshMaterials(entity, entity->getMesh()->getName());
    clearFlashColour(entity);
}

void createMeshMaterials(Ogre::Entity* entity, const std::string& meshName)
{
    if (meshName == "interro.mesh") {
        entity->setMaterialName("BOX_notFound", "Media");
        return;
    }
    const Ogre::MeshPtr& mesh = entity->getMesh();
    const std::string& ownName = mesh->getName();
    bool needsTangents = false;
    const unsigned short subMeshes = mesh->getNumSubMeshes();
    for (unsigned short index = 0; index < subMeshes && index < entity->getNumSubEntities(); ++index)
        needsTangents = createSubEntityMaterial(entity, ownName, index) || needsTangents;
    if (needsTangents)
        mesh->buildTangentVectors();
}
