// Reading one "OBB" element into a collision outline.
#include "data/ObbReader.h"

#include "data/XmlFragment.h"
#include "world/Obb.h"

#include <gtest/gtest.h>

namespace {

Obb read(const std::string& attributes)
{
    const XmlFragment xml("<OBB " + attributes + "/>");
    Obb outline;
    readObb(xml.root(), outline);
    return outline;
}

const std::string required = R"(size="4 6 2" rotation="0 90 0" isInvicible="true" isHitBox="true" offs="1 2 3")";

TEST(ObbReader, RequiredAttributesAloneGiveABoxThatCollidesWithEverything)
{
    const Obb outline = read(required);
    EXPECT_EQ(outline.size, Ogre::Vector3(4, 6, 2));
    EXPECT_EQ(outline.rotation, Ogre::Vector3(0, 90, 0));
    EXPECT_EQ(outline.placedPosition, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(outline.isInvicible, 1);
    EXPECT_EQ(outline.isHitBox, 1);
    EXPECT_EQ(outline.isCamLimits, 1);
    EXPECT_EQ(outline.isCollideWithEnemies, 1);
    EXPECT_EQ(outline.isCollideWithBackgrounds, 1);
    EXPECT_EQ(outline.isCollideWithItems, 1);
    EXPECT_EQ(outline.isLayered, 0);
}

TEST(ObbReader, OptionalFlagsClearOnFalseAndOnTextThatIsNoFlag)
{
    const Obb outline = read(required + R"( isCamLimits="false" isCollideWithEnemies="maybe"
                                           isCollideWithBackgrounds="false" isCollideWithItems="true")");
    EXPECT_EQ(outline.isCamLimits, 0);
    EXPECT_EQ(outline.isCollideWithEnemies, 0);
    EXPECT_EQ(outline.isCollideWithBackgrounds, 0);
    EXPECT_EQ(outline.isCollideWithItems, 1);
}

TEST(ObbReader, Point0SwitchesToAllEightPointsEvenWhenSomeAreEqual)
{
    const Obb outline = read(required + R"( point0="0 0" point1="1 0" point2="1 1" point3="1 1" point4="1 1"
                                           point5="0 1" point6="0 1" point7="-1 0.5")");
    EXPECT_EQ(outline.isLayered, 1);
    EXPECT_EQ(outline.customPoints[1], Ogre::Vector2(1, 0));
    EXPECT_EQ(outline.customPoints[4], Ogre::Vector2(1, 1));
    EXPECT_EQ(outline.customPoints[7], Ogre::Vector2(-1, 0.5f));
}

TEST(ObbReader, TheFirstOfARepeatedNameCountsAndNonFiniteNumbersBecomeZero)
{
    const Obb outline = read(R"(offs="nan 2 inf" size="4 6 2" size="9 9 9" rotation="0 0 0" isInvicible="x"
                                isHitBox="false")");
    EXPECT_EQ(outline.size, Ogre::Vector3(4, 6, 2));
    EXPECT_EQ(outline.placedPosition, Ogre::Vector3(0, 2, 0));
    EXPECT_EQ(outline.isInvicible, 0);
}

} // namespace
