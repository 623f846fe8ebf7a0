#include "app/StickDirection.h"

#include "combat/Player.h"

#include <OgreMath.h>

#include <cmath>

std::array<Ogre::Vector2, 8> directionTable;

namespace {

const float kDiagonal = 1.0f / std::sqrt(2.0f);
const Ogre::Vector2 d1(kDiagonal, kDiagonal);
const Ogre::Vector2 d2(-kDiagonal, kDiagonal);
const Ogre::Vector2 d3(kDiagonal, -kDiagonal);
const Ogre::Vector2 d4(-kDiagonal, -kDiagonal);

bool isNear(const Ogre::Vector2& u, const Ogre::Vector2& diagonal)
{
    return u.dotProduct(diagonal) > 0.95f;
}

// A stick close to one of the two diagonals beside the current code keeps it.
bool holdsCode(std::uint32_t code, const Ogre::Vector2& u)
{
    switch (code) {
    case 0: return isNear(u, d3) || isNear(u, d1);
    case 2: return isNear(u, d1) || isNear(u, d2);
    case 4: return isNear(u, d4) || isNear(u, d2);
    case 6: return isNear(u, d3) || isNear(u, d4);
    default: return false;
    }
}

int sectorOf(const Ogre::Vector2& stick, int sectors)
{
    const float turns = std::atan2(stick.y, stick.x) * 0.15915494f;
    const int nearest = static_cast<int>(std::round(turns * static_cast<float>(sectors)));
    return (nearest + sectors) % sectors;
}

void quantizeFourWays(int sector, const Ogre::Vector2& u, Player& player)
{
    if (!holdsCode(player.directionCode, u))
        player.directionCode = 2 * sector;
}

// Two ways: left/right normally, up/down with the alternative flag.
void quantizeTwoWays(int sector, const Ogre::Vector2& u, Player& player)
{
    const std::uint32_t code = player.directionCode;
    if (!player.isAlternativeDirection) {
        if ((code == 0 || code == 4) && holdsCode(code, u))
            return;
        if (sector == 1 || sector == 3)
            return;
    } else if (code == 6 || code == 2) {
        if (holdsCode(code, u) || sector == 0 || sector == 2)
            return;
    }
    player.directionCode = 2 * sector;
}

} // namespace

void initDirectionTable()
{
    const Ogre::Vector2 raw[8] = {{1, 0}, {1, -1}, {0, -1}, {-1, -1},
                                  {-1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (int i = 0; i < 8; ++i)
        directionTable[i] = raw[i] / Ogre::Math::Sqrt(raw[i].squaredLength());
}

void quantizeStickDirection(const Ogre::Vector2& stick, int ways, Player& player)
{
    if (stick.squaredLength() < 0.0001f)
        return;
    // Other counts than 2 and 4 use 8 sectors so the code always indexes the table.
    const int sectors = (ways == 2 || ways == 4) ? 4 : 8;
    const int sector = sectorOf(stick, sectors);
    const Ogre::Vector2 u = stick.normalisedCopy();
    if (ways == 4)
        quantizeFourWays(sector, u, player);
    else if (ways == 2)
        quantizeTwoWays(sector, u, player);
    else
        player.directionCode = sector;
}
