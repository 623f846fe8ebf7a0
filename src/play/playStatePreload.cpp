// Texture pre-loading: every texture play will need is loaded and drawn once
// through a hidden panel before play starts, so none is first loaded in play.
#include "play/playState.h"

#include "app/Log.h"
#include "app/ResourceLookup.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialTextures.h"
#include "data/LevelPreReads.h"
#include "platform/TerminationSignals.h"

#include <OgreFont.h>
#include <OgreFontManager.h>
#include <OgreMaterialManager.h>
#include <OgreOverlay.h>
#include <OgreOverlayContainer.h>
#include <OgreOverlayManager.h>
#include <OgreParticleSystemManager.h>
#include <OgrePass.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <map>
#include <string>
#include <vector>

namespace {

const char* const preloadMaterialName = "Overlay/preloadMaterial";
const char* const mediaGroup = "Media";
const char* const gameGroup = "GAMERSC";
const char* const blankTexture = "black.bmp";

// The texture units of the pre-load material's first pass; empty when the
// material or its pass is missing.
std::vector<Ogre::TextureUnitState*> preloadUnits()
{
    std::vector<Ogre::TextureUnitState*> units;
    Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(preloadMaterialName, mediaGroup);
    if (!material || material->getNumTechniques() == 0 || material->getTechnique(0)->getNumPasses() == 0)
        return units;
    Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
    for (unsigned short i = 0; i < pass->getNumTextureUnitStates(); ++i)
        units.push_back(pass->getTextureUnitState(i));
    return units;
}

void collectMaterialTextures(std::map<std::string, bool>& names)
{
    auto it = Ogre::MaterialManager::getSingleton().getResourceIterator();
    while (it.hasMoreElements()) {
        auto material = Ogre::static_pointer_cast<Ogre::Material>(it.getNext());
        if (material->getGroup() != gameGroup)
            continue;
        material->load();
        Ogre::Technique* technique = material->getBestTechnique();
        if (!technique)
            continue;
        for (unsigned short p = 0; p < technique->getNumPasses(); ++p) {
            Ogre::Pass* pass = technique->getPass(p);
            for (unsigned short u = 0; u < pass->getNumTextureUnitStates(); ++u)
                if (!pass->getTextureUnitState(u)->getTextureName().empty())
                    names[pass->getTextureUnitState(u)->getTextureName()] = true;
        }
    }
}

void collectParticleTextures(std::map<std::string, bool>& names)
{
    auto it = Ogre::ParticleSystemManager::getSingleton().getTemplateIterator();
    while (it.hasMoreElements()) {
        const std::string& name = it.peekNextKey();
        if (name.compare(0, 9, "particle_") == 0)
            names[name] = true;
        it.moveNext();
    }
}

class PreloadPanel {
public:
    explicit PreloadPanel(Ogre::Root& root, Ogre::RenderWindow& window) : root(root), window(window), units(preloadUnits())
    {
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        overlay = overlays.create("OverlayDummy");
        panel = static_cast<Ogre::OverlayContainer*>(overlays.createOverlayElement("Panel", "PanelNameDummy"));
        if (!units.empty())
            panel->setMaterialName(preloadMaterialName, mediaGroup);
        overlay->add2D(panel);
        overlay->show();
    }
    ~PreloadPanel()
    {
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        overlay->remove2D(panel);
        overlays.destroyOverlayElement(panel);
        overlays.destroy(overlay);
    }
    PreloadPanel(const PreloadPanel&) = delete;
    PreloadPanel& operator=(const PreloadPanel&) = delete;

    // Queues the texture; a full batch (one per texture unit) is drawn.
    // After a quit signal nothing more is loaded: the program is closing.
    void add(const std::string& name)
    {
        if (units.empty() || platform::terminationRequested())
            return;
        units[pending++]->setTextureName(name);
        if (pending == units.size())
            draw();
    }
    void draw()
    {
        if (pending == 0)
            return;
        root.renderOneFrame();
        window.update();
        pending = 0;
    }

private:
    Ogre::Root& root;
    Ogre::RenderWindow& window;
    std::vector<Ogre::TextureUnitState*> units;
    std::size_t pending = 0;
    Ogre::Overlay* overlay = nullptr;
    Ogre::OverlayContainer* panel = nullptr;
};

bool isFontFile(const std::string& file)
{
    if (file.size() < 3)
        return false;
    const std::string end = file.substr(file.size() - 3);
    return end == "ttf" || end == "otf" || end == "TTF" || end == "OTF";
}

// The texture of a true-type font of the level whose source the game holds,
// loaded; empty otherwise.
std::string loadedFontTexture(Ogre::Font& font, const fontSourceSet& levelFonts)
{
    const std::string& source = font.getSource();
    const std::string stem = source.size() > 4 ? source.substr(0, source.size() - 4) : source;
    if (!levelFonts.count(stem) || !isFontFile(source)
        || (!groupHolds(mediaGroup, source) && !groupHolds(gameGroup, source)) || !fontLoads(font.getName()))
        return {};
    const Ogre::MaterialPtr& material = font.getMaterial();
    if (!material || material->getNumTechniques() == 0 || material->getTechnique(0)->getNumPasses() == 0
        || material->getTechnique(0)->getPass(0)->getNumTextureUnitStates() == 0)
        return {};
    return material->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getTextureName();
}

void preloadFonts(PreloadPanel& panel, const fontSourceSet& levelFonts)
{
    auto it = Ogre::FontManager::getSingleton().getResourceIterator();
    while (it.hasMoreElements()) {
        auto font = Ogre::static_pointer_cast<Ogre::Font>(it.getNext());
        const std::string texture = loadedFontTexture(*font, levelFonts);
        if (texture.empty())
            continue;
        panel.add(texture);
        panel.draw();
    }
}

} // namespace

void playState::preloadOverlays(const LevelFile& file)
{
    {
        PreloadPanel panel(*root, *window);
        std::map<std::string, bool> names;
        collectMaterialTextures(names);
        collectParticleTextures(names);
        for (const auto& entry : names)
            if (loadTexture(entry.first))
                panel.add(entry.first);
        panel.draw();
        preloadFonts(panel, collectLevelFonts(*game, &file));
    }
    setPreloadTexture();
}

void playState::setPreloadTexture()
{
    for (Ogre::TextureUnitState* unit : preloadUnits())
        unit->setTextureName(blankTexture);
}
