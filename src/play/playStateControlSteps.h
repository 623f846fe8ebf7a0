// The parts of the ship's control step that live in files of their own:
// the body contact with enemies and walls, the camera that follows the
// ship, and the ship's pose (tilt, turn, bank and crosshair).
#pragma once

#include <OgreVector.h>

#include <cstdint>

namespace Ogre {
class Camera;
class SceneNode;
} // namespace Ogre

// Control modes beyond the crosshair (1) and second-stick (2) modes of the
// Player: facing left or right, and turning along the move, eased or at once.
constexpr std::int32_t controlModeSideFacing = 3;
constexpr std::int32_t controlModeAlongMove = 4;
constexpr std::int32_t controlModeAlongMoveAtOnce = 5;

class GameCamera;
class Player;
class playState;

// The node the follow pans: the camera's own follow node, else the pan
// node that carries both cameras.
Ogre::SceneNode* followNodeOf(const GameCamera& camera);

// Where the ship must go so that its outline, seen at its screen centre
// plus the push, sits on the plane at the outline node's height: the move
// from the outline node to that point.
Ogre::Vector3 pushOutMove(const Ogre::Camera& camera, const Ogre::Vector2& screenCentre, const Ogre::Vector2& push,
                          const Ogre::Vector3& outlinePosition);

// The ship against the enemies on screen: push-out, contact damage both
// ways and sparks. The flag follows the last pair of outlines tested.
void touchEnemies(playState& state, Player& ship, bool& isLastTouching);
// The ship against the backgrounds on screen: push-out, wall sparks and
// the touching-a-wall flag. Push-out held off resumes once the last pair
// tested, enemies included, does not touch.
void touchBackgrounds(playState& state, Player& ship, bool& isLastTouching);

// Pans the camera after the ship's move of this frame.
void followShip(GameCamera& camera, const Player& ship, double dt);

// Tilts, turns and banks the ship after its move in the direction, and
// places the crosshair under the mouse.
void poseShip(playState& state, Player& ship, const Ogre::Vector3& direction, double dt);
