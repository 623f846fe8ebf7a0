// One pooled shot record. This is its least form: what the pools set on it
// (its outline, scene node, index and scene manager) and the node it is
// drawn from. Flight, hits and drawing arrive with the combat actors.
#pragma once

namespace Ogre {
class SceneManager;
class SceneNode;
} // namespace Ogre

class Obb;

class bullet {
public:
    bullet() = default;
    bullet(const bullet&) = delete;
    bullet& operator=(const bullet&) = delete;
    ~bullet();

    // The record's node, a child of "CamNode1" (of the root when the scene
    // has no camera rig yet).
    void createNode();
    // Detaches the node and destroys it, with what hangs on it.
    void releaseEffects();

    Obb* outline = nullptr; // the pool's outline of the same index; not owned
    Ogre::SceneNode* node = nullptr;
    int poolIndex = 0;
    Ogre::SceneManager* sceneManager = nullptr;
};
