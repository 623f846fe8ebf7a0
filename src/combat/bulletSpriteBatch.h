// Draws every live sprite shot of the level: all shots that share a shot
// definition and a side (player or enemy) are quads of one ManualObject,
// rebuilt in place each frame, so thousands of shots cost a handful of
// draw calls. Enemy objects are named after the definition's meshName,
// player objects meshName + "_player"; "notFound.jpg" draws shots launched
// without a definition.
#pragma once

#include "combat/bulletSpriteQuads.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class ManualObject;
class SceneManager;
} // namespace Ogre

class Game;
class Level;
class Player;
class ShotList;
class Wave;
class bullet;

class bulletSpriteBatch {
public:
    // The end of a player object's name, and the name of the stand-in.
    static constexpr char playerSuffix[] = "_player";
    static constexpr char standInName[] = "notFound.jpg";

    explicit bulletSpriteBatch(Level* owner) : level(owner) {}
    ~bulletSpriteBatch() { destroyAll(); }
    bulletSpriteBatch(const bulletSpriteBatch&) = delete;
    bulletSpriteBatch& operator=(const bulletSpriteBatch&) = delete;

    // Collects the definitions the player's and the waves' guns use and makes
    // their objects in the scene, dropping those of an earlier start.
    void create(Ogre::SceneManager* scene);
    // Redraws the objects from the Level's live lists.
    void update(bullet* const* enemyRecords, bullet* const* playerRecords);
    // Empties and detaches every object ("notFound.jpg" stays attached).
    void clear();
    void destroyObjects();
    // Destroys the objects, forgets the names and lets go of the scene, so
    // that a later call (the Level's, after the play state's) touches
    // nothing of a scene that may be gone.
    void destroyAll();
    void collectSpriteNames();
    // The object of a definition's meshName for a side, made (and listed)
    // when no gun scanned at create used it; "notFound.jpg" gives the
    // stand-in of either side. Null before create.
    Ogre::ManualObject* objectFor(const std::string& meshName, bool isPlayer);

    std::vector<std::string> playerSpriteNames;
    std::vector<std::string> enemySpriteNames;
    Level* level = nullptr;
    Game* game = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    Player* player = nullptr;
    const std::vector<Wave*>* waves = nullptr;

private:
    enum class Side { enemy, player, standIn };

    // A new object of the name with its side's size estimates and render
    // queue; one left under that name is destroyed first.
    Ogre::ManualObject* makeObject(const std::string& name, Side side);
    void destroyObject(const std::string& name);
    void applyRenderQueue(Ogre::ManualObject& object, Side side) const;
    // The quads of the object this frame, begun with the shot's material
    // when the shot is the object's first of the frame.
    bulletSpriteQuads& quadsFor(Ogre::ManualObject& object, const bullet& record, bool isPlayer);
    void beginQuads(bulletSpriteQuads& quads, const bullet& record, bool isPlayer);
    // The name of the object's material this frame: "bullet_" and the
    // texture of the shot's definition (for a player object, its own name
    // less "_player"), or the stand-in's when the gun's definition is none
    // of the library's.
    const std::string& materialNameFor(const Ogre::ManualObject& object, const bullet& record, bool isPlayer);
    void drawSide(const ShotList& live, bullet* const* records, bool isPlayer);

    // The quads of every object drawn so far, kept with their buffers. The
    // stand-in object is shared by both sides: it is begun and ended once.
    std::vector<bulletSpriteQuads> drawings;
    // Where material names are put together, so that a frame makes no string.
    std::string materialName;
};
