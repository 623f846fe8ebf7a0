// An effect placed in a level: any mix of a coloured point light that may
// flicker, a lens flare, a glow sprite and a particle system at one spot. It
// waits until whatever gates it lets it start, shows its parts while it runs,
// hides those that are off screen or behind scenery, and fades out when told
// to stop. Status: 0 waiting, 1 starting, 2 running, 4 ending, 3 frozen.
#pragma once

#include "world/entity.h"

#include <OgreColourValue.h>

#include <memory>
#include <string>

namespace Ogre {
class BillboardSet;
class Camera;
class Entity;
class Light;
class ManualObject;
class ParticleSystem;
class RaySceneQuery;
} // namespace Ogre

class LensFlare;
class Level;

class sfx : public entity {
public:
    explicit sfx(const std::string& effectName);
    // A copy placed where the source is, with its own visuals, restarted and shown.
    sfx(const sfx& source);
    ~sfx() override;
    sfx& operator=(const sfx&) = delete;

    entity* clone() const override { return new sfx(*this); }
    void setWorldPosition(const Ogre::Vector3& worldPosition) override;
    // Turns the particle node (X, then Y, then Z), not the entity node.
    void setRotation(const Ogre::Vector3& degrees) override;
    void applyRotation(const Ogre::Vector3& degrees) override;
    void saveOrientation() override;
    // Ignored while other objects gate the effect through links: they write
    // its status directly.
    void setStatus(int newStatus) override;
    void hideAndForward(bool keep) override;
    void setVisible(bool visible) override;
    void setActive(bool active) override;
    void setLayer(std::uint8_t layerIndex) override;

    void createVisuals(const Ogre::Vector3& where);
    // One frame; seconds.
    void update(double dt);
    void restart();

    void createLight(int range);
    void updateLight();
    void setLightVisible(bool visible);
    void destroyLight();
    void createLensFlare(const Ogre::Vector3& where, float flareScale, const std::string& type);
    void updateLensFlare(double dt);
    void setLensFlareVisible(bool visible);
    void destroyLensFlare();
    void createGlow();
    void updateGlow(double dt);
    void setGlowVisible(bool visible);
    void destroyGlow();
    void createParticleSystem();
    void applyParticleScale();
    void resetEmitters();
    void setParticlesEmitting(bool on);
    void updateCameraSpeedAffector();
    void destroyVisuals();
    void releaseVisuals();

    // The light's brightness factor of the blink rule at play-clock time t.
    static float blinkFlicker(float t, float speed, float random, float intensity);
    // The glow material of a glow type; empty for an unknown type.
    static std::string glowMaterialOf(const std::string& type);
    // Whether the level's physics world has something between the two points
    // (closest hit, filter group 2, mask 1).
    static bool isRayBlocked(const Level* level, const Ogre::Vector3& from, const Ogre::Vector3& to);

    double endElapsed = 0.0;
    double endDuration = 1.0;
    bool isOmni = false;
    Ogre::ColourValue colour{1.0f, 0.4f, 0.1f, 1.0f};
    bool isOmniBlink = false;
    float omniSinSpeed = 1.0f;
    float omniBlinkRandom = 0.0f;
    float omniSinIntensity = 1.0f;
    float omniRange = 200.0f;
    float omniMultiplier = 1.0f;
    bool isLensFlare = false;
    // Passed to the flare, which draws one look whatever the type.
    std::string lensFlareType = "Basic";
    float lensFlareScale = 1.0f;
    bool isGlow = false;
    float glowSscale = 1.0f;
    std::string glowType = "Basic";
    Ogre::ColourValue glowColour = Ogre::ColourValue::White;
    bool isPauseWhenUnseen = true;
    float pauseWhenUnseenTime = 8.0f;
    bool isParticles = false;
    std::string particleType = "smoke";
    float particleScale = 1.0f;
    // The template's values when the system was made, which scaling starts from.
    Ogre::Vector3 savedEmitterDirection = Ogre::Vector3::UNIT_Y;
    Ogre::Vector3 savedEmitterPosition = Ogre::Vector3::ZERO;
    float savedDefaultWidth = 0.0f;
    float savedDefaultHeight = 0.0f;
    float savedVelocity = 0.0f;
    float savedMinVelocity = 0.0f;
    float savedMaxVelocity = 0.0f;
    // Display objects other code may hang on the effect; shown, hidden and
    // destroyed here.
    Ogre::ManualObject* markerObject = nullptr;
    Ogre::SceneNode* markerObjectNode = nullptr;
    Ogre::Entity* markerEntity = nullptr;
    Ogre::SceneNode* markerEntityNode = nullptr;
    Ogre::Entity* secondMarkerEntity = nullptr;
    Ogre::SceneNode* secondMarkerNode = nullptr;
    float flicker = 0.0f;
    float fade = 0.0f;
    bool hidden = false;
    Ogre::Light* light = nullptr;
    std::unique_ptr<LensFlare> lensFlare;
    bool shownFlag = false;
    Ogre::BillboardSet* glow = nullptr;
    Ogre::SceneNode* effectNode = nullptr;
    Ogre::ParticleSystem* particleSystem = nullptr;
    Ogre::SceneNode* particleNode = nullptr;
    Ogre::SceneNode* secondaryNode = nullptr;
    Ogre::Entity* secondaryEntity = nullptr;
    Level* level = nullptr;
    // The play camera "PlayCam", looked up when the visuals are made.
    Ogre::Camera* camera = nullptr;
    // The "parenting" element's entity name, and that entity once the play
    // state has resolved it (not owned).
    std::string attachedToEntityName;
    entity* attachedObject = nullptr;
    // The node of the wave member it rides on, not owned.
    Ogre::SceneNode* parentNode = nullptr;

private:
    // Made at the first occlusion test and kept: only its ray changes.
    Ogre::RaySceneQuery* occlusionQuery = nullptr;

    bool isGateOpen() const;
    void startRunning();
    void updateHidden();
    bool isOccluded(const Ogre::Vector3& where);
    void setPartsVisible(bool visible);
    void showDisplay();
    void hideDisplay();
};
