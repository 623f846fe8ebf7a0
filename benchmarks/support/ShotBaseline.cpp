// The structure-of-arrays shot step of ShotBaseline.h, its benchmark and its
// measure for the ratios. The flight's constants are those of
// ShotSteering.h, and its vector and turn arithmetic that of ShotMath.h and
// PlayPlane.h, so the arrays fly the shots as the records fly them.
#include "support/ShotBaseline.h"

#include "support/ReferenceTime.h"
#include "support/ShotVolley.h"

#include "combat/PlayPlane.h"
#include "combat/ShotMath.h"
#include "combat/ShotSteering.h"

#include <OgreMath.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace shotMath;
using namespace shotSteering;

// A shot's progress through its changes, one bit each.
constexpr std::uint8_t firstChangeStarted = 1;
constexpr std::uint8_t firstChangeDone = 2;
constexpr std::uint8_t secondChangeStarted = 4;
constexpr std::uint8_t changingDirection = 8;
constexpr std::uint8_t directionChangeDone = 16;

// A vertex of the buffer: position, then texture coordinates.
constexpr std::size_t floatsPerVertex = 5;
constexpr std::size_t cornersPerQuad = 4;
constexpr std::size_t floatsPerQuad = floatsPerVertex * cornersPerQuad;
const float cornerUv[cornersPerQuad][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};

float signOf(float value)
{
    return value > 0.0f ? 1.0f : (value < 0.0f ? -1.0f : 0.0f);
}

double progressOf(double elapsed, float start, float duration)
{
    if (!(duration > 0.0f))
        return 1.0;
    const double done = (elapsed - start) / duration;
    return done < 1.0 ? done : 1.0;
}

Ogre::Vector3 cappedAtSpeed(const Ogre::Vector3& velocity, float speed)
{
    if (dot(velocity, velocity) > speed * speed)
        return scaled(normalised(velocity), std::abs(speed));
    return velocity;
}

// Three arrays, one per component.
struct Vectors {
    std::vector<float> x, y, z;

    void resize(std::size_t count)
    {
        x.resize(count);
        y.resize(count);
        z.resize(count);
    }
    Ogre::Vector3 operator[](std::size_t i) const { return {x[i], y[i], z[i]}; }
    void set(std::size_t i, const Ogre::Vector3& v)
    {
        x[i] = v.x;
        y[i] = v.y;
        z[i] = v.z;
    }
};

struct Orientations {
    std::vector<float> w, x, y, z;

    void resize(std::size_t count)
    {
        w.resize(count);
        x.resize(count);
        y.resize(count);
        z.resize(count);
    }
    Ogre::Quaternion operator[](std::size_t i) const { return {w[i], x[i], y[i], z[i]}; }
    void set(std::size_t i, const Ogre::Quaternion& q)
    {
        w[i] = q.w;
        x[i] = q.x;
        y[i] = q.y;
        z[i] = q.z;
    }
};

class ShotArrays {
public:
    ShotArrays() { resize(shotVolley::shots); }

    // The volley, every shot at the start of its flight.
    void launch()
    {
        for (std::size_t i = 0; i < count; ++i)
            launchShot(i, static_cast<int>(i));
    }

    void step(double dt)
    {
        for (std::size_t i = 0; i < count; ++i)
            stepShot(i, dt);
        benchmark::DoNotOptimize(vertices.data());
        benchmark::ClobberMemory();
    }

private:
    void resize(std::size_t shots)
    {
        count = shots;
        for (Vectors* v : {&position, &velocity, &heading, &headingAtChange, &turnedDirection, &aimPoint})
            v->resize(shots);
        orientation.resize(shots);
        for (std::vector<float>* v : {&speed, &startSpeed, &aimSpeed, &firstSpeed, &firstStart, &firstDuration,
                                      &secondSpeed, &secondStart, &secondDuration, &steeringStart, &steeringDuration})
            v->resize(shots);
        elapsed.resize(shots);
        for (std::vector<std::uint8_t>* v : {&mode, &progress, &turnSide, &isSprite})
            v->resize(shots);
        vertices.resize(shots * floatsPerQuad);
    }

    void launchShot(std::size_t i, int n)
    {
        using namespace shotVolley;
        const Ogre::Vector3 direction = launchDirection(n);
        const float pace = std::abs(launchSpeed);
        position.set(i, launchPoint(n));
        velocity.set(i, scaled(direction, pace));
        heading.set(i, scaled(direction, pace));
        headingAtChange.set(i, Ogre::Vector3::ZERO);
        turnedDirection.set(i, turnedInPlayPlane(velocity[i], Ogre::Math::DegreesToRadians(steeringDegrees)));
        aimPoint.set(i, shotVolley::aimPoint);
        // The model's forward, -Z, turned to the direction.
        orientation.set(i, turnBetween(Ogre::Vector3::NEGATIVE_UNIT_Z, direction));
        speed[i] = startSpeed[i] = launchSpeed;
        aimSpeed[i] = shotVolley::aimSpeed;
        firstSpeed[i] = shotVolley::firstSpeed;
        firstStart[i] = shotVolley::firstStart;
        firstDuration[i] = shotVolley::firstDuration;
        secondSpeed[i] = shotVolley::secondSpeed;
        secondStart[i] = shotVolley::secondStart;
        secondDuration[i] = shotVolley::secondDuration;
        steeringStart[i] = shotVolley::steeringStart;
        steeringDuration[i] = shotVolley::steeringDuration;
        elapsed[i] = 0.0;
        mode[i] = static_cast<std::uint8_t>(steeringModeOf(n));
        progress[i] = 0;
        turnSide[i] = static_cast<std::uint8_t>(n / steeringModes % 2);
        isSprite[i] = shotVolley::isSprite(n) ? 1 : 0;
    }

    float changedSpeed(std::size_t i, double t, std::uint8_t& done)
    {
        float now = speed[i];
        const double firstEnd = static_cast<double>(firstStart[i]) + firstDuration[i];
        if (!(done & firstChangeDone)) {
            if (t > firstStart[i] && t <= firstEnd) {
                if (!(done & firstChangeStarted)) {
                    startSpeed[i] = now;
                    done |= firstChangeStarted;
                }
                const double u = progressOf(t, firstStart[i], firstDuration[i]);
                now = static_cast<float>((1.0 - u) * startSpeed[i] + u * firstSpeed[i]);
            }
            if (t >= firstEnd) {
                now = firstSpeed[i];
                done |= firstChangeDone;
            }
        }
        if ((done & firstChangeDone) && t >= secondStart[i]) {
            if (!(done & secondChangeStarted)) {
                startSpeed[i] = now;
                done |= secondChangeStarted;
            }
            const double u = progressOf(t, secondStart[i], secondDuration[i]);
            now = static_cast<float>((1.0 - u) * startSpeed[i] + u * secondSpeed[i]);
        }
        return now;
    }

    // The velocity `v` after one step of steering by the shot's mode.
    Ogre::Vector3 steered(std::size_t i, const Ogre::Vector3& v, const Ogre::Vector3& here, const Ogre::Vector3& way,
                          float pace, double t, float dt) const
    {
        switch (mode[i]) {
        case homingFlight: {
            const Ogre::Vector3 point(shotVolley::homingTarget.x, here.y, shotVolley::homingTarget.z);
            const Ogre::Vector3 toward = normalised({point.x - here.x, 0.0f, point.z - here.z});
            Ogre::Vector3 steering = scaled(difference(scaled(toward, pace), v), aimSpeed[i]);
            const Ogre::Vector3 offset = difference(here, point);
            const float distanceSquared = dot(offset, offset);
            if (distanceSquared < homingCloseRangeSquared)
                steering = scaled(steering, homingCloseGain * (1.0f - distanceSquared * homingCloseFactor));
            return cappedAtSpeed(sum(v, scaled(steering, dt)), pace);
        }
        case aimPointFlight:
            return sum(v, scaled(normalised(aimPoint[i]), aimPointGain * signOf(pace) * aimSpeed[i] * dt));
        case graduallyTurnedFlight: {
            const auto u = static_cast<float>(progressOf(t, steeringStart[i], steeringDuration[i]));
            const Ogre::Vector3 toward =
                normalised(sum(scaled(headingAtChange[i], 1.0f - u), scaled(turnedDirection[i], u)));
            return cappedAtSpeed(scaled(toward, pace), pace);
        }
        default: {
            const float side =
                mode[i] == turnPositiveFlight || (mode[i] == turnDrawnSideFlight && turnSide[i]) ? 1.0f : -1.0f;
            const float angle = std::min(aimSpeed[i] * turnGain * side * std::sqrt(dot(v, v)) * turnFactor *
                                             signOf(pace),
                                         Ogre::Math::HALF_PI);
            const Ogre::Vector3 toward = normalised(turnedInPlayPlane(way, angle));
            return cappedAtSpeed(sum(v, scaled(toward, pace * aimSpeed[i] * dt)), pace);
        }
        }
    }

    void stepShot(std::size_t i, double dt)
    {
        const double t = elapsed[i] += dt;
        std::uint8_t done = progress[i];
        const float pace = changedSpeed(i, t, done);
        speed[i] = pace;
        const std::uint8_t steering = mode[i];
        const Ogre::Vector3 here = position[i];
        Ogre::Vector3 at = here;
        Ogre::Vector3 v = velocity[i];
        Ogre::Vector3 way = heading[i];
        Ogre::Quaternion facing = orientation[i];
        if (steering != straightFlight && dot(v, v) > headingSpeedSquared)
            way = v;
        if (steering != straightFlight && !(done & directionChangeDone)) {
            const double end = static_cast<double>(steeringStart[i]) + steeringDuration[i];
            if (!(done & changingDirection) && t >= steeringStart[i] &&
                (steering == graduallyTurnedFlight || t <= end)) {
                done |= changingDirection;
                headingAtChange.set(i, way);
            }
            if (done & changingDirection) {
                if (dot(v, v) > steeringHeadingSpeedSquared)
                    way = v;
                v = steered(i, v, here, way, pace, t, static_cast<float>(dt));
                if (!(t < end)) {
                    done = static_cast<std::uint8_t>((done & ~changingDirection) | directionChangeDone);
                    dt = std::max(0.0, dt - (t - end));
                }
                at = sum(at, scaled(v, signOf(pace) * static_cast<float>(dt)));
            }
        }
        const float paceSquared = dot(v, v);
        if (steering != straightFlight && paceSquared > facingSpeedSquared) {
            const Ogre::Vector3 backward = turnedZ(facing);
            const Ogre::Vector3 forward(-backward.x, 0.0f, -backward.z);
            const Ogre::Vector3 toward = normalised({way.x, 0.0f, way.z});
            const float gain = steering == aimPointFlight ? aimPointFacingGain : facingGain;
            const Ogre::Quaternion turn =
                yawBetween(forward, sum(forward, scaled(toward, static_cast<float>(0.5 * dt * gain * paceSquared))));
            if (turn != Ogre::Quaternion::IDENTITY && !turn.isNaN())
                facing = yawed(facing, turn);
        }
        if (!(done & changingDirection)) {
            at = sum(at, scaled(normalised(v), pace * static_cast<float>(dt)));
            if (isSprite[i])
                facing = facedToEye(facing, at);
        }
        writeQuad(i, at, facing);
        position.set(i, at);
        velocity.set(i, v);
        heading.set(i, way);
        orientation.set(i, facing);
        progress[i] = done;
    }

    // The sprite's up axis turned to the eye along the shortest arc, or half
    // round it when the eye is straight behind it.
    static Ogre::Quaternion facedToEye(const Ogre::Quaternion& now, const Ogre::Vector3& at)
    {
        const Ogre::Vector3 toEye = difference(shotVolley::eye, at);
        if (toEye == Ogre::Vector3::ZERO)
            return now;
        const Ogre::Vector3 wanted = normalised(toEye);
        const Ogre::Vector3 up = turnedY(now);
        const Ogre::Vector3 between = sum(up, wanted);
        if (dot(between, between) < halfTurnSquaredLength)
            return {-now.y, -now.z, now.w, now.x};
        return product(turnBetween(up, wanted), now);
    }

    void writeQuad(std::size_t i, const Ogre::Vector3& at, const Ogre::Quaternion& facing)
    {
        const Ogre::Vector3 alongX = scaled(turnedX(facing), spriteHalfSize);
        const Ogre::Vector3 alongZ = scaled(turnedZ(facing), spriteHalfSize);
        const Ogre::Vector3 back = difference(at, alongZ);
        const Ogre::Vector3 front = sum(at, alongZ);
        const Ogre::Vector3 corners[cornersPerQuad] = {difference(back, alongX), sum(back, alongX),
                                                       sum(front, alongX), difference(front, alongX)};
        float* vertex = vertices.data() + i * floatsPerQuad;
        for (std::size_t corner = 0; corner < cornersPerQuad; ++corner, vertex += floatsPerVertex) {
            vertex[0] = corners[corner].x;
            vertex[1] = corners[corner].y;
            vertex[2] = corners[corner].z;
            vertex[3] = cornerUv[corner][0];
            vertex[4] = cornerUv[corner][1];
        }
    }

    std::size_t count = 0;
    Vectors position, velocity, heading, headingAtChange, turnedDirection, aimPoint;
    Orientations orientation;
    std::vector<double> elapsed;
    std::vector<float> speed, startSpeed, aimSpeed;
    std::vector<float> firstSpeed, firstStart, firstDuration, secondSpeed, secondStart, secondDuration;
    std::vector<float> steeringStart, steeringDuration;
    std::vector<std::uint8_t> mode, progress, turnSide, isSprite;
    std::vector<float> vertices;
};

// One step of all 11,000 shots; launched again after each volley's steps.
void BM_ShotBaselineSoA(benchmark::State& state)
{
    ShotArrays arrays;
    arrays.launch();
    int steps = 0;
    for (auto _ : state) {
        arrays.step(shotVolley::step);
        if (++steps % shotVolley::stepsPerVolley == 0) {
            state.PauseTiming();
            arrays.launch();
            state.ResumeTiming();
        }
    }
    state.counters["shots"] = shotVolley::shots;
    referenceTime::reportRatio(state, "baseline", shotBaseline::stepSeconds());
}
BENCHMARK(BM_ShotBaselineSoA)->Unit(benchmark::kMicrosecond);

} // namespace

double shotBaseline::stepSeconds()
{
    static const double seconds = [] {
        ShotArrays arrays;
        return referenceTime::medianSeconds([&] { arrays.launch(); },
                                            [&] {
                                                for (int i = 0; i < shotVolley::stepsPerVolley; ++i)
                                                    arrays.step(shotVolley::step);
                                            },
                                            shotVolley::stepsPerVolley);
    }();
    return seconds;
}
