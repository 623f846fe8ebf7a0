#include "data/Materials3DReader.h"

#include "core/materials/MaterialModule.h"
#include "data/LibraryFile.h"

namespace {

// Every attribute is required by the format; one that is absent leaves the
// field as it was rather than blanking it.
void readSubMaterial(const XmlNode& element, material3DDefinition& definition)
{
    readOptional(element, "screenName", definition.screenName);
    readOptional(element, "isAlpha", definition.isAlpha);
    readOptional(element, "fresnel", definition.fresnel);
    readOptional(element, "shininess", definition.shininess);
    readOptional(element, "specularMult", definition.specularMult);
    readOptional(element, "diffuseTex", definition.diffuseTexture);
    readOptional(element, "specularTex", definition.specularTexture);
    readOptional(element, "ambientTex", definition.ambientTexture);
    if (const char* normal = attributeText(element, "normalTex"))
        definition.normalTexture = std::string(normal) == "black.bmp" ? std::string() : normal;
    readOptional(element, "reflectionTex", definition.reflectionTexture);
}

// A mesh named again adds its sub-materials to the same entry; a mesh
// without any still gets its (empty) entry.
void readMaterial(const XmlNode& element)
{
    auto& subMaterials = materialModule().definitions[requiredText(element, "meshName")];
    for (const XmlNode* subMaterial : childElements(element, "SUBMAT"))
        readSubMaterial(*subMaterial, subMaterials[requiredText(*subMaterial, "name")]);
}

} // namespace

void loadMaterials3DGamebox(std::string fileName)
{
    readLibraryFile(fileName, "GAMERSC", "MATERIAL", libraryFailureLine, readMaterial);
}
