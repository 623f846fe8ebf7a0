#include "platform/ShaderGeneration.h"

#include <OgreMaterialManager.h>
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

// Makes the shader-based technique of a material the first time one of the
// generated schemes asks for it.
class SchemeResolver : public Ogre::MaterialManager::Listener {
public:
    Ogre::Technique* handleSchemeNotFound(unsigned short, const Ogre::String& schemeName,
                                          Ogre::Material* material, unsigned short,
                                          const Ogre::Renderable*) override
    {
        if (!isGeneratedScheme(schemeName))
            return nullptr;
        ShaderGenerator& generator = ShaderGenerator::getSingleton();
        if (!generator.createShaderBasedTechnique(*material, Ogre::MaterialManager::DEFAULT_SCHEME_NAME,
                                                  schemeName))
            return nullptr;
        generator.validateMaterial(schemeName, material->getName(), material->getGroup());
        for (Ogre::Technique* technique : material->getTechniques())
            if (technique->getSchemeName() == schemeName)
                return technique;
        return nullptr;
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

