#include "data/Materials3DReader.h"

#include "core/materials/MaterialModule.h"
#include "data/LibraryFile.h"

namespace {

// Every attribute is required by the format; one that is absent leaves the
// field as it was rather than blanking it.
void readSubMaterial(const XmlNode& element, material3DDefinition& definition)
{
    readRequired(element, "screenName", definition.screenName);
    readRequired(element, "isAlpha", definition.isAlpha);
    readRequired(element, "fresnel", definition.fresnel);
    readRequired(element, "shininess", definition.shininess);
    readRequired(element, "specularMult", definition.specularMult);
    readRequired(element, "diffuseTex", definition.diffuseTexture);
    readRequired(element, "specularTex", definition.specularTexture);
    readRequired(element, "ambientTex", definition.ambientTexture);
    if (const char* normal = reportedAttributeText(element, "normalTex"))
        definition.normalTexture = std::string(normal) == "black.bmp" ? std::string() : normal;
    readRequired(element, "reflectionTex", definition.reflectionTexture);
}

// A mesh named again adds its sub-materials to the same entry; a mesh
// without any still gets its (empty) entry.
void readMaterial(const XmlNode& element)
{
    auto& subMaterials = materialModule().definitions[reportedRequiredText(element, "meshName")];
    for (const XmlNode* subMaterial : childElements(element, "SUBMAT"))
        readSubMaterial(*subMaterial, subMaterials[reportedRequiredText(*subMaterial, "name")]);
}

} // namespace

void loadMaterials3DGamebox(std::string fileName)
{
    readLibraryFile(fileName, "GAMERSC", "MATERIAL", libraryFailureLine, readMaterial);
}
