// The outlines the shots of one fixed step may hit, filed in screen grids at
// the start of the step in the order the hit rules visit them: enemies in
// list order with their outlines in order, backgrounds likewise, enemy shots
// in live-list order, the player's outlines in order. A target's number in
// its grid indexes the owner lists here; the rules test a shot's candidates
// in number order, so they find the hits of testing every pair, in order.
#pragma once

#include "combat/ScreenGrid.h"

#include <cstdint>
#include <vector>

class Enemy;
class Obb;
class Player;
class ShotList;
class background;
class bullet;

// An enemy a shot touches, with the shortest contact of its outlines and
// whether that outline is armour.
struct EnemyContact {
    Enemy* enemy;
    float length;
    bool isArmour;
};

struct HitTargets {
    // Every outline of the enemies; with onlyBlocking, only of the enemies
    // that stop other enemies' shots.
    void fileEnemies(const std::vector<Enemy*>& enemies, bool onlyBlocking);
    // The outlines of the backgrounds that lie on the screen (a non-empty polygon).
    void fileBackgrounds(const std::vector<background*>& backgrounds);
    // The flying shots of the live list: the destroyable ones only, unless
    // a gun that destroys every shot fires.
    void fileShots(const ShotList& live, bullet* const* records, bool isAnyShotHittable);
    void filePlayer(const Player& player);

    ScreenGrid enemyOutlines;
    std::vector<Enemy*> enemyOf;
    // The outline's enemy's place in the list filed.
    std::vector<std::size_t> enemyRankOf;
    ScreenGrid backgroundOutlines;
    ScreenGrid shotOutlines;
    std::vector<bullet*> shotOf;
    ScreenGrid playerOutlines;
    // The player outline's place in the player's list.
    std::vector<std::int32_t> playerOutlineIndex;
    // The enemies one player shot touches; kept for its storage.
    std::vector<EnemyContact> contacts;
};

// A shot that is not invincible ends on the first background outline it
// meets; whether it did.
bool endsOnBackground(bullet& shot, HitTargets& targets);
