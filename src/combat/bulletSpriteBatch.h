// Draws every live sprite shot of the level: all shots that share a shot
// definition and a side (player or enemy) are quads of one ManualObject,
// rebuilt in place each frame, so thousands of shots cost a handful of
// draw calls. Enemy objects are named after the definition's meshName,
// player objects meshName + "_player"; "notFound.jpg" draws shots launched
// without a definition.
#pragma once

#include <string>
#include <vector>

namespace Ogre {
class ManualObject;
class SceneManager;
} // namespace Ogre

class Game;
class Level;
class Player;
class Wave;
class bullet;

class bulletSpriteBatch {
public:
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
    void destroyAll();
    void collectSpriteNames();
    // The object of a definition's meshName for a side, made (and listed)
    // when no gun scanned at create used it.
    Ogre::ManualObject* objectFor(const std::string& meshName, bool isPlayer);

    std::vector<std::string> playerSpriteNames;
    std::vector<std::string> enemySpriteNames;
    Level* level = nullptr;
    Game* game = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    Player* player = nullptr;
    const std::vector<Wave*>* waves = nullptr;
};
