#include "data/Materials3DReader.h"

#include "app/Log.h"
#include "core/materials/MaterialModule.h"
#include "data/XmlFile.h"

#include <OgreResourceGroupManager.h>
#include <OgreStringConverter.h>
#include <OgreStringVector.h>

#include <exception>

namespace {

const char* const group = "GAMERSC";
const char* const failureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";

std::string textOf(const XmlNode& element, const char* name)
{
    const char* text = attributeText(element, name);
    return text ? text : "";
}

void readSubMaterial(const XmlNode& element, material3DDefinition& definition)
{
    definition.screenName = textOf(element, "screenName");
    definition.isAlpha = Ogre::StringConverter::parseBool(textOf(element, "isAlpha"));
    definition.fresnel = Ogre::StringConverter::parseReal(textOf(element, "fresnel"));
    definition.shininess = Ogre::StringConverter::parseReal(textOf(element, "shininess"));
    definition.specularMult = Ogre::StringConverter::parseReal(textOf(element, "specularMult"));
    definition.diffuseTexture = textOf(element, "diffuseTex");
    definition.specularTexture = textOf(element, "specularTex");
    definition.ambientTexture = textOf(element, "ambientTex");
    const std::string normal = textOf(element, "normalTex");
    definition.normalTexture = normal == "black.bmp" ? std::string() : normal;
    definition.reflectionTexture = textOf(element, "reflectionTex");
}

// Every top-level MATERIAL element; the file has no common root.
void readMaterials(XmlNode& first)
{
    material3DTable& definitions = materialModule().definitions;
    for (XmlNode* element = &first; element; element = element->next_sibling()) {
        if (std::string(element->name(), element->name_size()) != "MATERIAL")
            continue;
        auto& subMaterials = definitions[textOf(*element, "meshName")];
        for (const XmlNode* subMaterial : childElements(*element, "SUBMAT"))
            readSubMaterial(*subMaterial, subMaterials[textOf(*subMaterial, "name")]);
    }
}

} // namespace

void loadMaterials3DGamebox(std::string fileName)
{
    std::string baseName, path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceGroupExists(group) || !groups.resourceExists(group, baseName))
        return;
    try {
        readXmlResource(baseName, group, failureLine, readMaterials);
    } catch (const std::exception&) {
        logNormal(failureLine);
    }
}
