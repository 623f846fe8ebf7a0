// A sun drawn as a glow and a sprite, with a chain of twelve coloured flare
// sprites on the line from the sun through the point the camera looks at.
// The glow swells as the camera turns towards the sun and shrinks as it turns
// away or the sun is hidden. The owner creates it, feeds it the sun's
// position every frame and shows or hides it.
#pragma once

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <array>
#include <string>

namespace Ogre {
class Billboard;
class BillboardSet;
class Camera;
class SceneManager;
class SceneNode;
} // namespace Ogre

class LensFlare {
public:
    static constexpr int flareCount = 12;

    LensFlare();
    ~LensFlare();
    LensFlare(const LensFlare&) = delete;
    LensFlare& operator=(const LensFlare&) = delete;

    // `name` makes the billboard-set names unique to this flare. A missing
    // material is logged and that set is left out.
    void create(const Ogre::Vector3& position, Ogre::SceneManager* manager, float scale, const std::string& name);
    // `seconds` is the frame time; `brightness` scales every colour.
    void update(const Ogre::Vector3& sunPosition, float seconds, float scale, float brightness, bool hidden);
    void setVisible(bool visible);

    // The flare billboard's offset from the sun for the point `lookPoint`
    // the camera looks at.
    static Ogre::Vector3 flareOffset(int flare, const Ogre::Vector3& sunPosition, const Ogre::Vector3& lookPoint);
    // The glow size the current intensity eases towards; never below 0.
    static float targetIntensity(float cosine, float sizeFactor);
    // One step of `current` towards `target`: up at 200, down at 400 per
    // second, never passing it and never below 0.
    static float easeIntensity(float current, float target, float seconds);

    float currentIntensity = 0.0f;
    float visibleIntensity = 0.0f;
    float nodeScale = 1.0f;
    Ogre::SceneManager* sceneManager = nullptr;
    // The play camera "PlayCam", looked up when the flare is made.
    const Ogre::Camera* camera = nullptr;
    float sizeFactor = 0.5f;
    Ogre::SceneNode* node = nullptr;
    Ogre::BillboardSet* glowSet = nullptr;
    Ogre::BillboardSet* sunSet = nullptr;
    Ogre::BillboardSet* firstHaloSet = nullptr;
    Ogre::BillboardSet* secondHaloSet = nullptr;
    Ogre::Billboard* glowBillboard = nullptr;
    Ogre::Billboard* sunBillboard = nullptr;
    std::array<Ogre::Billboard*, flareCount> flareBillboards{};
    Ogre::ColourValue glowColour = Ogre::ColourValue::White;
    Ogre::ColourValue sunColour = Ogre::ColourValue::White;
    std::array<Ogre::ColourValue, flareCount> flareColours;

private:
    Ogre::BillboardSet* createSet(const std::string& setName, const std::string& material, float width, float height);
    void createFlares();
    void followCamera(const Ogre::Vector3& sunPosition, float seconds);
    void applyColours(float brightness);
    void setSetsVisible(bool visible);
};
