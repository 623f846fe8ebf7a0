#include "core/materials/SpriteAnimation.h"

#include <algorithm>

spriteAnimationValues spriteAnimationFor(int frames, float rate, int type)
{
    spriteAnimationValues values;
    const int count = std::max(frames, 1);
    values.first = static_cast<float>(std::min(count - 1, 0));
    values.last = static_cast<float>(count - 1);
    values.rate = count == 1 ? 0.0f : rate;
    if (values.first >= values.last) {
        values.rate = 0.0f;
        values.first = values.last;
    }
    values.type = values.first == values.last ? 0 : type;
    return values;
}

float spriteTimeOffset(const spriteAnimationValues& values, float start)
{
    if (values.type == 2)
        return start - 0.5f / (values.last - values.first + 1.0f);
    return start;
}

Ogre::Vector4 timeOffsetParameter(float offset) { return Ogre::Vector4(offset, offset, offset, offset); }

Ogre::Vector4 frameRangeParameter(const spriteAnimationValues& values)
{
    return Ogre::Vector4(values.first, values.last, 0.0f, 0.0f);
}

Ogre::Vector4 animationParameter(const spriteAnimationValues& values)
{
    return Ogre::Vector4(static_cast<float>(values.type), 0.0f, values.rate, 0.0f);
}
