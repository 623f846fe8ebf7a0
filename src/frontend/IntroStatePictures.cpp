// The splash pictures: the two full-window panels and their overlays, the
// game's own pictures in place of the logos, and their sizes.
#include "frontend/IntroState.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreRenderWindow.h>
#include <OgreStringConverter.h>

#include <algorithm>

namespace {

const char* const firstOverlayName = "Overlay";
const char* const firstPanelName = "Panel";
const char* const secondOverlayName = "OverlayZN";
const char* const secondPanelName = "PanelZN";
const char* const makerMaterial = "SplashScreens/logoTessar";
const char* const productMaterial = "SplashScreens/logoZN";
const char* const makerPicture = "splash_tessar.jpg";
const char* const makerPortraitPicture = "splash_tessar_tate.jpg";
const char* const productPortraitPicture = "splash_ZN_tate.jpg";
const char* const missingPicture = "notFound.jpg";
const char* const pictureTemplate = "defaultPicture";
const char* const gameGroup = "GAMERSC";

// Ogre throws for a material it does not know: a missing one leaves the
// panel as it was.
void setPanelMaterial(Ogre::OverlayContainer& panel, const std::string& name)
{
    if (const Ogre::MaterialPtr material = findMaterial(name))
        panel.setMaterial(material);
}

Ogre::OverlayContainer* createPanel(const char* name, const char* material)
{
    auto* panel = static_cast<Ogre::OverlayContainer*>(
        Ogre::OverlayManager::getSingleton().createOverlayElement("Panel", name));
    panel->setMetricsMode(Ogre::GMM_PIXELS);
    setPanelMaterial(*panel, material);
    return panel;
}

Ogre::Overlay* createOverlay(const char* name, Ogre::OverlayContainer* panel)
{
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().create(name);
    overlay->add2D(panel);
    overlay->setZOrder(0);
    return overlay;
}

void setPanelTexture(const Ogre::OverlayContainer& panel, const std::string& texture)
{
    if (Ogre::TextureUnitState* unit = unitAt(panel.getMaterial(), 0, 0, 0))
        setUnitTexture(unit, texture);
}

// Width / height of the panel's picture; a missing size counts as 1.
float pictureRatio(const Ogre::OverlayContainer& panel)
{
    const Ogre::MaterialPtr& material = panel.getMaterial();
    if (material)
        material->load();
    const Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0);
    const Ogre::Vector2 size = unit ? unitTextureSize(unit) : Ogre::Vector2::ZERO;
    return std::max(size.x, 1.0f) / std::max(size.y, 1.0f);
}

bool isGamePicture(const std::string& name) { return !name.empty() && name != "none"; }

// The logos' materials come from the scripts; they are shown once, so
// leaving the splashes removes them with their pictures. Their resource
// group, cleared later, passes over materials already removed.
void removeScriptMaterial(const char* name)
{
    if (const Ogre::MaterialPtr material = findMaterial(name))
        Ogre::MaterialManager::getSingleton().remove(material);
}

} // namespace

namespace {

// A wide picture at least as wide as the window is fitted to its height.
bool isFittedToHeight(float pictureRatio, float width, float height)
{
    return pictureRatio > 1.0f && pictureRatio >= width / height;
}

} // namespace

splashSize coverWindow(float pictureRatio, float width, float height)
{
    if (isFittedToHeight(pictureRatio, width, height))
        return {height * pictureRatio, height};
    return {width, width / pictureRatio};
}

void introState::createPictures()
{
    firstPanel = createPanel(firstPanelName, makerMaterial);
    setPanelTexture(*firstPanel, game->isPortrait ? makerPortraitPicture : makerPicture);
    firstOverlay = createOverlay(firstOverlayName, firstPanel);
    firstOverlay->show();
    secondPanel = createPanel(secondPanelName, productMaterial);
    secondOverlay = createOverlay(secondOverlayName, secondPanel);
    secondOverlay->hide();
}

// A picture the game names replaces the logo on its panel; a game that
// names only a second picture shows the product's logo first.
void introState::chooseGamePictures()
{
    const std::string& first = game->splashScreenPicture;
    const std::string& second = game->splashScreenPicture2;
    if (first.empty() && !second.empty())
        setPanelMaterial(*firstPanel, productMaterial);
    if (isGamePicture(first)) {
        loadSplashPicture(first);
        setPanelMaterial(*firstPanel, first);
    }
    if (isGamePicture(second)) {
        loadSplashPicture(second);
        setPanelMaterial(*secondPanel, second);
    } else if (game->isPortrait) {
        setPanelTexture(*secondPanel, productPortraitPicture);
    }
}

void introState::fitPictures()
{
    const float w = static_cast<float>(std::max(renderWindow->getWidth(), 1u));
    const float h = static_cast<float>(std::max(renderWindow->getHeight(), 1u));
    const float ratio = pictureRatio(*firstPanel);
    const splashSize first = coverWindow(ratio, w, h);
    firstPanel->setDimensions(first.width, first.height);
    firstPanel->setPosition((w - first.width) / 2.0f, (h - first.height) / 2.0f);
    logLine("pictureRatio " + Ogre::StringConverter::toString(ratio));
    logLine("screenRatio " + Ogre::StringConverter::toString(w / h));
    const char* const heightLine = isFittedToHeight(ratio, w, h) ? "bgheigth2 " : "bgheigth ";
    logLine(heightLine + Ogre::StringConverter::toString(first.height));
    const float secondHeight = w / pictureRatio(*secondPanel);
    secondPanel->setDimensions(w, secondHeight);
    secondPanel->setPosition(0.0f, (h - secondHeight) / 2.0f);
}

void introState::loadSplashPicture(const std::string& name)
{
    std::string picture = name;
    if (!resourceExists(name)) {
        if (name != "none")
            logLine("[ERROR] can't find splash screen picture: " + name);
        picture = missingPicture;
    }
    if (findMaterial(name))
        return;
    const Ogre::MaterialPtr material = cloneTemplate(pictureTemplate, name, gameGroup, "splash picture " + name);
    if (Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0))
        setUnitTexture(unit, picture);
}

void introState::destroyPictures()
{
    removeScriptMaterial(makerMaterial);
    removeScriptMaterial(productMaterial);
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    for (Ogre::Overlay** overlay : {&firstOverlay, &secondOverlay}) {
        if (*overlay)
            overlays.destroy(*overlay);
        *overlay = nullptr;
    }
    for (Ogre::OverlayContainer** panel : {&firstPanel, &secondPanel}) {
        if (*panel)
            overlays.destroyOverlayElement(*panel);
        *panel = nullptr;
    }
}
