// The order triggers are updated in: triggers linked to no trigger first, in
// list order, then breadth first the triggers that link to listed ones; a
// trigger reached by neither (a ring of links) is not updated at all.
#include "play/playState.h"
#include "world/Trigger.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    // Pairs (from, to): trigger `from` is linked to trigger `to`.
    std::vector<std::pair<int, int>> links;
    std::vector<int> expected;
};

TEST(TriggerOrderTest, LinkedTriggersFollowTheTriggersTheyLinkTo)
{
    const Case cases[] = {
        {"no links", {}, {0, 1, 2, 3}},
        {"chain", {{0, 1}, {1, 2}}, {2, 3, 1, 0}},
        {"two linking to one", {{3, 0}, {1, 0}}, {0, 2, 3, 1}},
        {"ring left out", {{0, 1}, {1, 0}}, {2, 3}},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<Trigger>> owned;
        playState state;
        for (int i = 0; i < 4; ++i) {
            owned.push_back(std::make_unique<Trigger>("T" + std::to_string(i)));
            state.triggers.push_back(owned.back().get());
        }
        for (const auto& [from, to] : c.links) {
            owned[from]->linkedObjects.push_back(owned[to].get());
            owned[to]->linkedFrom.push_back(owned[from].get());
        }
        state.buildTriggerUpdateList();
        std::vector<int> order;
        for (const Trigger* trigger : state.triggerUpdateList)
            for (int i = 0; i < 4; ++i)
                if (trigger == owned[i].get())
                    order.push_back(i);
        EXPECT_EQ(order, c.expected) << c.name;
        for (auto& trigger : owned) {
            trigger->linkedObjects.clear();
            trigger->linkedFrom.clear();
        }
        state.triggers.clear();
    }
}

} // namespace
