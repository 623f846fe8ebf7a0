// Vector and rotation arithmetic of the shot step, written out component by
// component. Ogre 1.12's vector templates loop over their components, loops
// the compiler keeps, and its quaternion products are calls into the
// library: over the 11,000 shots of a busy step they cost more than the
// flight itself. Each function gives Ogre's result, up to float rounding.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cmath>
#include <limits>

namespace shotMath {

inline float dot(const Ogre::Vector3& a, const Ogre::Vector3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Ogre::Vector3 cross(const Ogre::Vector3& a, const Ogre::Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline Ogre::Vector3 scaled(const Ogre::Vector3& v, float factor)
{
    return {v.x * factor, v.y * factor, v.z * factor};
}

inline Ogre::Vector3 sum(const Ogre::Vector3& a, const Ogre::Vector3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Ogre::Vector3 difference(const Ogre::Vector3& a, const Ogre::Vector3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// The vector at unit length; a vector of length 0 stays as it is.
inline Ogre::Vector3 normalised(const Ogre::Vector3& v)
{
    const float length = std::sqrt(dot(v, v));
    return length > 0.0f ? scaled(v, 1.0f / length) : v;
}

// The vector turned by the unit quaternion.
inline Ogre::Vector3 rotated(const Ogre::Quaternion& q, const Ogre::Vector3& v)
{
    const Ogre::Vector3 axis(q.x, q.y, q.z);
    const Ogre::Vector3 once = cross(axis, v);
    const Ogre::Vector3 twice = cross(axis, once);
    return sum(v, sum(scaled(once, 2.0f * q.w), scaled(twice, 2.0f)));
}

// The same, summed in the order of Ogre's quaternion product with a vector,
// to the bit: where a shot's place stands for the place Ogre would derive
// for a node.
inline Ogre::Vector3 rotatedAsOgre(const Ogre::Quaternion& q, const Ogre::Vector3& v)
{
    const Ogre::Vector3 axis(q.x, q.y, q.z);
    const Ogre::Vector3 once = cross(axis, v);
    const Ogre::Vector3 twice = cross(axis, once);
    return sum(sum(v, scaled(once, 2.0f * q.w)), scaled(twice, 2.0f));
}

inline Ogre::Quaternion conjugate(const Ogre::Quaternion& q)
{
    return {q.w, -q.x, -q.y, -q.z};
}

inline Ogre::Quaternion product(const Ogre::Quaternion& a, const Ogre::Quaternion& b)
{
    return {a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z, a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
            a.w * b.y + a.y * b.w + a.z * b.x - a.x * b.z, a.w * b.z + a.z * b.w + a.x * b.y - a.y * b.x};
}

// The X, Y and Z axes turned by the unit quaternion: the columns of its
// rotation matrix.
inline Ogre::Vector3 turnedX(const Ogre::Quaternion& q)
{
    return {1.0f - 2.0f * (q.y * q.y + q.z * q.z), 2.0f * (q.x * q.y + q.w * q.z), 2.0f * (q.x * q.z - q.w * q.y)};
}

inline Ogre::Vector3 turnedY(const Ogre::Quaternion& q)
{
    return {2.0f * (q.x * q.y - q.w * q.z), 1.0f - 2.0f * (q.x * q.x + q.z * q.z), 2.0f * (q.y * q.z + q.w * q.x)};
}

inline Ogre::Vector3 turnedZ(const Ogre::Quaternion& q)
{
    return {2.0f * (q.x * q.z + q.w * q.y), 2.0f * (q.y * q.z - q.w * q.x), 1.0f - 2.0f * (q.x * q.x + q.y * q.y)};
}

// The shortest turn from one direction to the other, as Ogre's
// getRotationTo gives it: none when they already agree or one is zero, and
// for opposite directions half a turn about an axis across `from`.
inline Ogre::Quaternion turnBetween(const Ogre::Vector3& from, const Ogre::Vector3& to)
{
    const float lengths = std::sqrt(dot(from, from) * dot(to, to));
    float halfway = lengths + dot(to, from);
    if (std::abs(halfway - 2.0f * lengths) <= std::numeric_limits<float>::epsilon() || lengths == 0.0f)
        return Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 axis = cross(from, to);
    if (halfway < 1e-6f * lengths) {
        halfway = 0.0f;
        axis = std::abs(from.x) > std::abs(from.z) ? Ogre::Vector3(-from.y, from.x, 0.0f)
                                                   : Ogre::Vector3(0.0f, -from.z, from.y);
    }
    const float factor = 1.0f / std::sqrt(halfway * halfway + dot(axis, axis));
    return {halfway * factor, axis.x * factor, axis.y * factor, axis.z * factor};
}

} // namespace shotMath
