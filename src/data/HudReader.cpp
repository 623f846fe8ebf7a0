#include "data/HudReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/PictureMaterials.h"
#include "data/LayoutFile.h"
#include "data/SectionValues.h"
#include "frontend/GameHUD.h"
#include "frontend/HUDElement.h"

#include <memory>

namespace {

const char* const hudFileName = "gamebox.HUD";
// A screen's worth of counters, bars and texts many times over.
const std::size_t maxHudElements = 1000;

bool isSet(const SectionValues& values, const char* name, bool kept)
{
    return values.flag(name, Need::optional, kept ? 1 : 0) != 0;
}

void readElementAttributes(const XmlNode& node, HUDElement& element)
{
    const SectionValues values(&node);
    element.screenName = values.text("screenName", Need::optional, element.screenName);
    element.UID = values.integer("UID", Need::optional, element.UID);
    element.type = values.integer("type", Need::required, 0);
    element.position = values.pair("position", Need::required, Ogre::Vector2::ZERO);
    element.scale = values.real("scale", Need::optional, element.scale);
    element.isHidden = isSet(values, "isHidden", element.isHidden);
    element.isDisplayVariable = isSet(values, "isDisplayVariable", element.isDisplayVariable);
    element.internalVariable = values.text("internalVariable", Need::optional, element.internalVariable);
    element.customVariable = values.integer("customVariable", Need::optional, element.customVariable);
    element.isInternalVariable = isSet(values, "isInternalVariable", element.isInternalVariable);
    element.isTimeFormating = isSet(values, "isTimeFormating", element.isTimeFormating);
    element.isThousandsFormating = isSet(values, "isThousandsFormating", element.isThousandsFormating);
    element.updateNumberAnimationSpeed =
        values.real("updateNumberAnimationSpeed", Need::optional, element.updateNumberAnimationSpeed);
    element.showHideCustomVariableName =
        values.integer("showHideCustomVariableName", Need::optional, element.showHideCustomVariableName);
}

// The text's key: the text element's own, else one given on the element
// itself, else a new key. A new key's table entry is empty, so the element
// keeps its own text.
void readTextKey(const XmlNode& node, const XmlNode& textNode, HUDElement& element, const std::string& ownText)
{
    Game& game = *Game::getSingletonPtr();
    const char* given = attributeText(textNode, "keyString");
    if (!given)
        given = attributeText(node, "keyString");
    element.keyString = given ? std::string(given) : game.makeTextKey(game.hudTexts);
    element.text = given ? game.getDefaultText(element.keyString, ownText) : ownText;
}

void readText(const XmlNode& node, const XmlNode& textNode, HUDElement& element)
{
    const SectionValues values(&textNode);
    const SectionAttributes colours(&textNode);
    element.fontName = values.text("fontName", Need::required, std::string());
    element.fontSize = values.integer("fontSize", Need::required, 0);
    element.textColor = colours.optional("textColor", element.textColor);
    element.align = values.integer("align", Need::required, 0);
    if (attributeText(textNode, "showFadeDuration"))
        element.showFadeDuration = element.hideFadeDuration =
            values.real("showFadeDuration", Need::optional, 0.0f);
    const std::string ownText = values.text("text", Need::required, std::string());
    readTextKey(node, textNode, element, ownText);
    element.imageName = values.text("imageName", Need::required, std::string());
    createAnimatedPictureMaterial(element.imageName, std::string());
    element.fontName = Game::getSingletonPtr()->getTextForLanguage(element.fontName);
    element.create();
}

void readBar(const XmlNode& barNode, HUDElement& element)
{
    const SectionValues values(&barNode);
    const SectionAttributes wide(&barNode);
    const std::string back = values.text("backTextureName", Need::required, std::string());
    const std::string front = values.text("frontTextureName", Need::required, std::string());
    const std::string ready = values.text("readyTextureName", Need::required, std::string());
    element.isHorizontal = isSet(values, "isHorizontal", element.isHorizontal);
    element.lifeOffset = values.pair("lifeOffset", Need::optional, element.lifeOffset);
    if (attributeText(barNode, "maxValue"))
        element.maxValue = static_cast<double>(wide.optional("maxValue", std::int64_t{0}));
    element.layerNumber = values.integer("layerNumber", Need::optional, element.layerNumber);
    element.bar_color1 = wide.optional("bar_color1", element.bar_color1);
    element.bar_color2 = wide.optional("bar_color2", element.bar_color2);
    element.bar_color3 = wide.optional("bar_color3", element.bar_color3);
    element.bar_color4 = wide.optional("bar_color4", element.bar_color4);
    element.isBossLifeBar = isSet(values, "isBossLifeBar", element.isBossLifeBar);
    element.isEnemyHPLifeBar = isSet(values, "isEnemyHPLifeBar", element.isEnemyHPLifeBar);
    element.barIntroDuration = values.real("barIntroDuration", Need::optional, element.barIntroDuration);
    for (const std::string& texture : {back, front, ready})
        createAnimatedPictureMaterial(texture, std::string());
    element.createBar(back, front, ready);
}

HUDElement* readElement(const XmlNode& node)
{
    auto element = std::make_unique<HUDElement>();
    readElementAttributes(node, *element);
    if (const XmlNode* textNode = node.first_node("textElement"))
        readText(node, *textNode, *element);
    if (const XmlNode* barNode = node.first_node("barElement"))
        readBar(*barNode, *element);
    return element.release();
}

void readElements(const XmlNode& root, GameHUD& hud)
{
    // The elements the list held are the HUD's to destroy; the keys made for
    // their texts go with them, so that a HUD read for every level does not
    // pile them up.
    hud.elements.clear();
    Game::getSingletonPtr()->hudTexts.clear();
    for (const XmlNode* node : limitedChildElements(root, "HUDelement", maxHudElements, hudFileName))
        hud.elements.push_back(readElement(*node));
    hud.numberElements();
}

} // namespace

void readHUD(Game& game)
{
    if (!game.hud)
        return;
    GameHUD& hud = *game.hud;
    if (readLayoutFile(hudFileName, [&hud](XmlNode& root) { readElements(root, hud); }))
        logLine("HUD read");
}
