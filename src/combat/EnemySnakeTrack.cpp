// The snake body's step: the head's track grows and is cut to length, the
// segments are set along it at their spacing, face the one before and spin
// and wobble with a phase lag that runs down the body.
#include "combat/Enemy.h"

#include "combat/EnemyMotion.h"
#include "world/FiniteVector.h"

#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Head travel between two track records.
constexpr float trackRecordSpacing = 4.0f;
// The track covers the body and this many segments more.
constexpr int trackSpareSegments = 10;
// Wobble phase lag of each segment, per unit of segment spacing.
constexpr float wobbleLagPerSpacing = 0.03f;

void dropTrackBeyondCap(Enemy& snake)
{
    const double cap = (snake.snakeNumber + trackSpareSegments) * static_cast<double>(snake.snakeDistance) /
                       trackRecordSpacing;
    if (static_cast<double>(snake.history.size()) > cap)
        snake.history.pop_back();
}

// Walks the track from the head; segment k goes where the track's length
// from the head reaches (k + 1) spacings.
void placeSegments(Enemy& snake)
{
    snake.trackLength = 0.0;
    std::size_t next = 0;
    double mark = snake.snakeDistance;
    const std::size_t count = snake.segmentNodes.size();
    for (std::size_t i = 1; i < snake.history.size() && next < count; ++i) {
        const Ogre::Vector3& from = snake.history[i - 1].position;
        const Ogre::Vector3& to = snake.history[i].position;
        const double span = from.distance(to);
        const double spanStart = snake.trackLength;
        snake.trackLength += span;
        while (next < count && snake.trackLength >= mark) {
            const double t = span > 0.0 ? std::clamp((mark - spanStart) / span, 0.0, 1.0) : 1.0;
            snake.segmentNodes[next]->setPosition(finiteOr(from + (to - from) * static_cast<float>(t), 0.0f));
            ++next;
            mark = static_cast<double>(next + 1) * snake.snakeDistance;
        }
    }
}

// In the horizontal plane: the first segment toward the head, each further
// one toward the segment before it.
void faceSegmentsForward(Enemy& snake)
{
    Ogre::Vector3 leader = snake.sceneNode->getPosition();
    for (Ogre::SceneNode* node : snake.segmentNodes) {
        Ogre::Vector3 wanted = leader - node->getPosition();
        wanted.y = 0.0f;
        if (wanted.length() > 0.0f)
            wanted.normalise();
        Ogre::Vector3 facing = node->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
        facing.y = 0.0f;
        // About Y when the two are opposite: a segment never rolls over.
        node->rotate(facing.getRotationTo(wanted, Ogre::Vector3::UNIT_Y), Ogre::Node::TS_LOCAL);
        leader = node->getPosition();
    }
}

void spinAndWobbleSegments(Enemy& snake, double dt)
{
    // A mirrored snake spins its segments the other way about their yaw axis.
    const float yawSign = snake.symmetry == -1 ? -1.0f : 1.0f;
    const std::size_t count = std::min(snake.segmentSpinNodes.size(), snake.segmentOffsetNodes.size());
    for (std::size_t i = 0; i < count; ++i) {
        enemymotion::spin(*snake.segmentSpinNodes[i], snake.AnimRot, dt, yawSign);
        const float t = static_cast<float>(snake.aliveTime) +
                        snake.snakeDistance * wobbleLagPerSpacing * static_cast<float>(i + 1);
        const Ogre::Vector3 wave =
            enemymotion::segmentWobble(t, static_cast<float>(snake.spawnDelay), snake.sinSpeed);
        snake.segmentOffsetNodes[i]->setPosition(finiteOr(wave * snake.sindistance, 0.0f));
    }
}

} // namespace

void Enemy::updateSnake(double dt, const Ogre::Vector3& previousPosition, const Ogre::Vector3& currentPosition)
{
    if (history.empty() || !sceneNode)
        return;
    trackDistance += previousPosition.distance(currentPosition);
    history.front().position = currentPosition;
    if (trackDistance >= trackRecordSpacing) {
        if (offsetNode)
            history.front().orientation = offsetNode->getOrientation();
        history.push_front(history.front());
        trackDistance = 0.0f;
    }
    dropTrackBeyondCap(*this);
    placeSegments(*this);
    faceSegmentsForward(*this);
    spinAndWobbleSegments(*this, dt);
}
