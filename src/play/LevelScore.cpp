// Points into the score: the multiplier, the clamp to the game's maximum,
// the count-up of the displayed score and the extra lives by score.
#include "play/Level.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "world/GameCamera.h"
#include "world/sfxManager.h"

#include <OgreCamera.h>
#include <OgrePlane.h>
#include <OgreRay.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double countUpFrameSeconds = 0.016;
constexpr float libraryVolume = 0.0f;
// Multipliers beyond this many hundredths are held there: the gain stays a
// number the score can clamp.
constexpr double maxMultiplierCents = 1e12;

// The multiplier counts to hundredths and the gain is formed exactly, so
// that 1.16 x 100 gives 116 rather than the 115 of a product in binary
// fractions. Wide enough for any points times any held multiplier.
long double scaledPoints(std::int64_t points, double multiplier)
{
    const double cents = std::isfinite(multiplier)
                             ? std::clamp(std::round(multiplier * 100.0), -maxMultiplierCents, maxMultiplierCents)
                             : 0.0;
    return std::trunc(static_cast<long double>(points) * static_cast<long double>(cents) / 100.0L);
}

std::int64_t clampedScore(long double score, std::int64_t maximum)
{
    if (score < 0.0L)
        return 0;
    return score > static_cast<long double>(maximum) ? maximum : static_cast<std::int64_t>(score);
}

// After a life at `reached`: the next multiple of the interval, or the
// second fixed score after the first; 0 ends the extra lives.
std::int64_t nextExtendAfter(const Game& game, std::int64_t reached)
{
    if (game.extendType != 0)
        return reached == game.extendScore1 && game.extendScore2 > 0 ? game.extendScore2 : 0;
    const std::int64_t interval = game.extendEvery;
    if (interval <= 0 || game.totalScore > std::numeric_limits<std::int64_t>::max() - interval)
        return 0;
    return (game.totalScore / interval + 1) * interval;
}

} // namespace

void Level::addScore(std::int64_t points)
{
    if (!isScoring)
        return;
    Game& game = *Game::getSingletonPtr();
    const long double gain = scaledPoints(points, game.multiplier);
    game.totalScore = clampedScore(static_cast<long double>(game.totalScore) + gain, game.maximumScore);
    game.levelScore = clampedScore(static_cast<long double>(game.levelScore) + gain, game.maximumScore);
    checkScoreAndExtend();
}

void Level::checkScoreAndExtend()
{
    Game& game = *Game::getSingletonPtr();
    game.totalScore = std::clamp<std::int64_t>(game.totalScore, 0, std::max<std::int64_t>(game.maximumScore, 0));
    game.levelScore = std::clamp<std::int64_t>(game.levelScore, 0, std::max<std::int64_t>(game.maximumScore, 0));

    const std::int64_t difference = game.totalScore - game.displayedScore;
    std::int64_t step = difference / 10;
    if (step == 0)
        step = difference < 0 ? -1 : 1;
    scoreCountUpStep = static_cast<std::int64_t>(static_cast<float>(step) * game.scoreGameSpeed);

    const std::int64_t threshold = game.nextExtendScore;
    if (threshold == 0 || game.totalScore < threshold)
        return;
    game.nextExtendScore = nextExtendAfter(game, threshold);
    ++game.currentLives;
    showExtraLife();
}

void Level::showExtraLife()
{
    Game& game = *Game::getSingletonPtr();
    if (camera && camera->playCamera && effects) {
        const Ogre::Ray ray = camera->playCamera->getCameraToViewportRay(0.5f, 0.5f);
        const auto hit = ray.intersects(Ogre::Plane(Ogre::Vector3::UNIT_Y, 0.0f));
        effects->emitParticleItem(hit.first ? ray.getPoint(hit.second) : ray.getOrigin());
    }
    playSound(game.Sound1up, libraryVolume, noSoundPosition, false);
}

void Level::updateDisplayedScore(double dt)
{
    Game& game = *Game::getSingletonPtr();
    const double frames = dt / countUpFrameSeconds;
    // In double: a float display above a billion could not move by small steps.
    game.displayedScore = static_cast<std::int64_t>(std::trunc(static_cast<double>(scoreCountUpStep) * frames +
                                                               static_cast<double>(game.displayedScore)));
    // Whichever way it counts, the display stops at the total.
    if (scoreCountUpStep >= 1 && game.displayedScore > game.totalScore)
        game.displayedScore = game.totalScore;
    if (scoreCountUpStep < 0 && game.displayedScore < game.totalScore)
        game.displayedScore = game.totalScore;
}
