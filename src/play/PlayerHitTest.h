// How an enemy shot or beam meets the player's outlines: the force field
// while the ship is protected (its radius around the current outline, then
// the outlines the settings let it use), else armour outlines and the
// current outline. Both enemy passes ask it; each applies what follows a
// hit in its own way (a shot ends, a beam is cut).
#pragma once

#include <cstdint>

class Game;
class Obb;
class Player;
struct HitTargets;

// What the outline of a shot or beam met.
struct PlayerContact {
    enum class Kind { none, forceField, armour, ship };
    Kind kind = Kind::none;
    // The outline met; for a hit by the force field's radius, the current outline.
    const Obb* outline = nullptr;
};

// Whether the moving outline's screen centre lies inside the force field's
// radius around the current outline's; x distances count in screen heights
// through the aspect ratio.
bool isInForceFieldRadius(const Obb& moving, const Obb& current, float radius, float aspectRatio);

class PlayerHitTest {
public:
    PlayerHitTest(const Game& game, HitTargets& targets, float aspectRatio);
    // The player's outlines must be filed in the targets. A beam is tested
    // with its contact, a shot without; both sweep the outline by its
    // movement relative to the player's.
    PlayerContact find(const Player& player, const Obb& moving, bool isBeam) const;

private:
    PlayerContact findOnForceField(const Player& player, const Obb& moving, bool isBeam) const;
    PlayerContact findOnShip(const Player& player, const Obb& moving, bool isBeam) const;

    const Game& game;
    HitTargets& targets;
    const float aspectRatio;
};

// The player's current outline, when its index names one.
const Obb* currentOutline(const Player& player);

// Whether enemy fire can touch the player at all: playing, and not moved by
// a trigger.
bool isOpenToFire(const Player* player);

// A force field that takes a hit loses life only to a weapon that does damage.
void absorbOnForceField(Player& player, std::int32_t weaponDamage);
