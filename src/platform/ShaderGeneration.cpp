#include "platform/ShaderGeneration.h"

#include "app/Log.h"

#include <OgreException.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreRenderTargetListener.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreTechnique.h>
#include <OgreViewport.h>
#include <RTShaderSystem/OgreRTShaderSystem.h>

#include <set>

namespace platform {

namespace {

using Ogre::RTShader::ShaderGenerator;

// The play's viewports choose between shadowed and unshadowed materials by
// these schemes; compositor viewports take them over from their source.
bool isGeneratedScheme(const Ogre::String& schemeName)
{
    return schemeName == ShaderGenerator::DEFAULT_SCHEME_NAME || schemeName == "NORMAL"
           || schemeName == "NOSHADOWS";
}

// The material's technique for the scheme; null when it has none.
Ogre::Technique* techniqueOfScheme(Ogre::Material& material, const Ogre::String& schemeName)
{
    for (Ogre::Technique* technique : material.getTechniques())
        if (technique->getSchemeName() == schemeName)
            return technique;
    return nullptr;
}

// The generator's technique for the scheme, made from the material's
// technique of the source scheme. Throws when the generator cannot build it.
Ogre::Technique* generatedTechnique(Ogre::Material& material, const Ogre::String& sourceScheme,
                                    const Ogre::String& schemeName)
{
    ShaderGenerator& generator = ShaderGenerator::getSingleton();
    if (!generator.createShaderBasedTechnique(material, sourceScheme, schemeName))
        return nullptr;
    generator.validateMaterial(schemeName, material.getName(), material.getGroup());
    return techniqueOfScheme(material, schemeName);
}

// The scheme of the plain stand-in technique of a material whose own
// technique the generator cannot build; no viewport draws it directly.
const char* const plainScheme = "ZarnithPlain";

// A texture unit the plain technique may keep: a flat picture without effects.
bool isPlainUnit(const Ogre::TextureUnitState& unit)
{
    return unit.getTextureType() == Ogre::TEX_TYPE_2D && unit.getEffects().empty()
           && unit.getContentType() == Ogre::TextureUnitState::CONTENT_NAMED;
}

// The unit the plain technique keeps: the first named flat picture, else the
// first unnamed one, which a compositor fills with what it drew before (a
// post effect drawn plain still shows the scene, not a blank screen).
const Ogre::TextureUnitState* plainUnit(const Ogre::Pass& pass)
{
    const Ogre::TextureUnitState* unnamed = nullptr;
    for (const Ogre::TextureUnitState* unit : pass.getTextureUnitStates()) {
        if (!isPlainUnit(*unit))
            continue;
        if (!unit->getTextureName().empty())
            return unit;
        if (!unnamed)
            unnamed = unit;
    }
    return unnamed;
}

// One pass with the colours, blending and flat picture of the
// material's own first pass, and nothing else.
void addPlainTechnique(Ogre::Material& material)
{
    Ogre::Technique* plain = material.createTechnique();
    plain->setSchemeName(plainScheme);
    Ogre::Pass* pass = plain->createPass();
    const Ogre::Technique* own = techniqueOfScheme(material, Ogre::MaterialManager::DEFAULT_SCHEME_NAME);
    if (!own || own->getNumPasses() == 0)
        return;
    const Ogre::Pass* original = own->getPass(0);
    pass->setLightingEnabled(original->getLightingEnabled());
    pass->setAmbient(original->getAmbient());
    pass->setDiffuse(original->getDiffuse());
    pass->setSpecular(original->getSpecular());
    pass->setSelfIllumination(original->getSelfIllumination());
    pass->setShininess(original->getShininess());
    pass->setSceneBlending(original->getSourceBlendFactor(), original->getDestBlendFactor());
    pass->setDepthWriteEnabled(original->getDepthWriteEnabled());
    const Ogre::TextureUnitState* unit = plainUnit(*original);
    // An empty name is not a texture Ogre can look up: the unit is left empty.
    Ogre::TextureUnitState* kept = unit ? pass->createTextureUnitState() : nullptr;
    if (kept && !unit->getTextureName().empty())
        kept->setTextureName(unit->getTextureName());
}

// The generator's technique for the scheme made from the plain technique;
// null when even that cannot be built.
Ogre::Technique* plainTechnique(Ogre::Material& material, const Ogre::String& schemeName)
{
    try {
        return generatedTechnique(material, plainScheme, schemeName);
    } catch (const Ogre::Exception&) {
        ShaderGenerator::getSingleton().removeShaderBasedTechnique(techniqueOfScheme(material, plainScheme),
                                                                   schemeName);
        return nullptr;
    }
}

// A material the generator cannot build is named once and gets the plain
// technique.
Ogre::Technique* fallBackToPlain(Ogre::Material& material, const Ogre::String& schemeName,
                                 const Ogre::Exception& failure)
{
    ShaderGenerator::getSingleton().removeAllShaderBasedTechniques(material.getName(), material.getGroup());
    logLine("[ERROR] material " + material.getName() + " (" + material.getOrigin()
            + ") drawn plain, its shaders can't be generated: " + failure.getDescription());
    addPlainTechnique(material);
    return plainTechnique(material, schemeName);
}

// Makes the shader-based technique of a material the first time one of the
// generated schemes asks for it.
class SchemeResolver : public Ogre::MaterialManager::Listener {
public:
    Ogre::Technique* handleSchemeNotFound(unsigned short, const Ogre::String& schemeName,
                                          Ogre::Material* material, unsigned short,
                                          const Ogre::Renderable*) override
    {
        if (techniqueOfScheme(*material, plainScheme))
            return plainTechnique(*material, schemeName);
        if (!isGeneratedScheme(schemeName))
            return nullptr;
        try {
            return generatedTechnique(*material, Ogre::MaterialManager::DEFAULT_SCHEME_NAME, schemeName);
        } catch (const Ogre::Exception& e) {
            return fallBackToPlain(*material, schemeName, e);
        }
    }
};

// Every scene manager drawn in the window is handed to the generator, and
// taken back from it when the scene manager is destroyed.
class SceneTracker : public Ogre::SceneManager::Listener {
public:
    void track(Ogre::SceneManager* sceneManager)
    {
        if (!sceneManager || !tracked.insert(sceneManager).second)
            return;
        ShaderGenerator::getSingleton().addSceneManager(sceneManager);
        sceneManager->addListener(this);
    }
    void sceneManagerDestroyed(Ogre::SceneManager* sceneManager) override
    {
        if (tracked.erase(sceneManager) && ShaderGenerator::getSingletonPtr())
            ShaderGenerator::getSingleton().removeSceneManager(sceneManager);
        sceneManager->removeListener(this);
    }
    void releaseAll()
    {
        for (Ogre::SceneManager* sceneManager : tracked)
            sceneManager->removeListener(this);
        tracked.clear();
    }

private:
    std::set<Ogre::SceneManager*> tracked;
};

// Viewports use the generator's scheme, whichever state made them.
class ViewportScheme : public Ogre::RenderTargetListener {
public:
    explicit ViewportScheme(SceneTracker& tracker) : scenes(tracker) {}
    void preViewportUpdate(const Ogre::RenderTargetViewportEvent& event) override
    {
        Ogre::Viewport* viewport = event.source;
        viewport->setMaterialScheme(ShaderGenerator::DEFAULT_SCHEME_NAME);
        if (Ogre::Camera* camera = viewport->getCamera())
            scenes.track(camera->getSceneManager());
    }

private:
    SceneTracker& scenes;
};

struct Generation {
    SchemeResolver resolver;
    SceneTracker scenes;
    ViewportScheme viewports{scenes};
};

Generation* generation = nullptr;

void addShaderLibrary()
{
    // Debian's Ogre keeps the shader library and the unified shader header in
    // its media folder; the generator looks them up in the internal group.
    const std::string media = ZARNITH_OGRE_MEDIA_DIR;
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    groups.addResourceLocation(media + "/RTShaderLib/GLSL", "FileSystem", Ogre::RGN_INTERNAL);
    if (!groups.resourceLocationExists(media + "/ShadowVolume", Ogre::RGN_INTERNAL))
        groups.addResourceLocation(media + "/ShadowVolume", "FileSystem", Ogre::RGN_INTERNAL);
    groups.initialiseResourceGroup(Ogre::RGN_INTERNAL);
}

} // namespace

bool startShaderGeneration(Ogre::RenderWindow* window)
{
    if (generation)
        return true;
    addShaderLibrary();
    if (!ShaderGenerator::initialize())
        return false;
    generation = new Generation;
    Ogre::MaterialManager::getSingleton().addListener(&generation->resolver);
    window->addListener(&generation->viewports);
    return true;
}

void drawWithoutPrograms(Ogre::Material& material)
{
    if (!generation || techniqueOfScheme(material, plainScheme))
        return;
    addPlainTechnique(material);
    // The default scheme then finds no technique of its own and asks the
    // resolver, as the generated schemes do.
    for (unsigned short i = material.getNumTechniques(); i-- > 0;)
        if (material.getTechnique(i)->getSchemeName() == Ogre::MaterialManager::DEFAULT_SCHEME_NAME)
            material.removeTechnique(i);
}

void stopShaderGeneration()
{
    if (!generation)
        return;
    Ogre::MaterialManager::getSingleton().removeListener(&generation->resolver);
    generation->scenes.releaseAll();
    ShaderGenerator::destroy();
    delete generation;
    generation = nullptr;
}

} // namespace platform

