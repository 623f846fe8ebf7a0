// A score-and-items trigger drops its items from the Game's pool where the
// play camera sees the trigger.
#include "core/ItemDropScene.h"

#include "world/Trigger.h"

#include <memory>

namespace itemdroptest {
namespace {

using TriggerItemDrop = ItemDropFixture;

std::unique_ptr<Trigger> itemTrigger(const std::string& itemName, int count, const Ogre::Vector3& at)
{
    std::unique_ptr<Trigger> trigger(newTrigger(12, "Drop"));
    trigger->isAlwaysOn = true;
    trigger->itemName = itemName;
    trigger->itemNumber = count;
    trigger->setupScene(at);
    trigger->reset();
    return trigger;
}

TEST_F(TriggerItemDrop, DropsTheItemsAtTheTriggerNode)
{
    addDefinition(game, "Coin");
    std::unique_ptr<Trigger> one = itemTrigger("Coin", 1, Ogre::Vector3(10.0f, 0.0f, 5.0f));
    one->update(1.0 / 60.0);
    ASSERT_EQ(takenItems().size(), 1u);
    // Seen from 100 units above, the plane at height 2 is met 98 % of the way.
    EXPECT_TRUE(takenItems().front()->placedPosition.positionEquals(Ogre::Vector3(9.8f, 2.0f, 4.9f), 1e-3f));

    std::unique_ptr<Trigger> three = itemTrigger("Coin", 3, Ogre::Vector3::ZERO);
    three->update(1.0 / 60.0);
    EXPECT_EQ(takenItems().size(), 4u);

    std::unique_ptr<Trigger> unknown = itemTrigger("Gem", 2, Ogre::Vector3::ZERO);
    unknown->update(1.0 / 60.0);
    EXPECT_EQ(takenItems().size(), 4u) << "an item the library lacks drops nothing";
    EXPECT_EQ(unknown->status, 3u);
}

} // namespace
} // namespace itemdroptest
