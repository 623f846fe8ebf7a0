// A number rising in the scene for two seconds: points won, or "x" and a new
// multiplier. Each character is a particle system of its own showing one tile
// of a digit strip through the tile's material; the systems are kept and
// reused while the shown value stays the same.
#pragma once

#include <OgreVector.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class ParticleSystem;
class SceneManager;
class SceneNode;
} // namespace Ogre

class Level;

// One character of a pop-up: its tile material and where its emitter sits
// along the row.
struct PopupGlyph {
    std::string material;
    float x;
};

// The score as shown: at most 999999999, no sign, grouped in the style and
// without blanks, cut to the pop-up's character slots.
std::string scorePopupText(std::int64_t value, int formatting);
// The multiplier to hundredths with at most 6 significant digits.
std::string multiplierPopupText(double multiplier);
// The row of a score or of a multiplier text (led by the multiplication
// sign) for characters w wide: separators sit 0.2 w to the left and the
// next character follows at half the usual distance.
std::vector<PopupGlyph> scoreGlyphs(const std::string& text, float w);
std::vector<PopupGlyph> multiplierGlyphs(const std::string& text, float w);

class ScorePopup {
public:
    static constexpr std::size_t characterSlots = 11;
    // A pop-up shows this long.
    static constexpr double lifetime = 2.0;

    ScorePopup() = default;
    ~ScorePopup();
    ScorePopup(const ScorePopup&) = delete;
    ScorePopup& operator=(const ScorePopup&) = delete;

    // Binds the pop-up to the scene and makes its node under the camera's
    // node "CamNode1"; without a scene it shows nothing but still counts.
    void init(Ogre::SceneManager* scene, Level* owner);
    // Shows the value (a score) or the multiplier at the world position; a
    // score of 0 or a multiplier of 0 shows nothing and leaves it free.
    void start(const Ogre::Vector3& position, float scale, std::int64_t value, bool isScore, double multiplier);
    // Stops the pop-up once it has shown for its lifetime.
    void update(double dt);
    // Emission off, free again, the node taken out of the scene.
    void stop();

    float scoreTileWidth = 8.0f;
    float scoreTileHeight = 8.0f;
    float multiplierTileWidth = 8.0f;
    float multiplierTileHeight = 8.0f;
    std::string scoreParticleTemplate = "scoreParticles";
    std::string multiplierParticleTemplate = "multiplierParticles";
    std::uint8_t active = 0;
    double clock = 0.0;
    std::int64_t lastScore = -10;
    double lastMultiplier = -10.0;
    std::uint8_t isShowingMultiplier = 0;
    std::array<Ogre::ParticleSystem*, characterSlots> characterSystems{};
    Ogre::SceneNode* node = nullptr;
    Level* level = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;

private:
    void showScore(std::int64_t value, float scale);
    void showMultiplier(double multiplier, float scale);
    // Places the row's systems, made anew from the template when rebuilding.
    void showGlyphs(const std::vector<PopupGlyph>& glyphs, bool rebuild, const std::string& particleTemplate,
                    float w, float h);
    void rebuildSlot(std::size_t slot, const std::string& material, const std::string& particleTemplate);
    void destroySlot(std::size_t slot);
    void placeNode(const Ogre::Vector3& position);
};
