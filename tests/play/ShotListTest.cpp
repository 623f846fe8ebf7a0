// The live-shot list keeps firing order through pushes and erasures from
// its front, middle and back, moves a listed index to the back instead of
// listing it twice, and is empty and reusable after a reset or a clear.
#include "play/ShotList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<std::int32_t> listed(const ShotList& list)
{
    return {list.begin(), list.end()};
}

// Erases the index while walking the list, as the flight step does.
void eraseWhileWalking(ShotList& list, std::int32_t index)
{
    for (auto it = list.begin(); it != list.end();)
        it = *it == index ? list.erase(it) : std::next(it);
}

struct Operation {
    const char* name;
    std::vector<std::int32_t> pushed;
    std::vector<std::int32_t> erased;
    std::vector<std::int32_t> expected;
};

TEST(ShotList, KeepsFiringOrderThroughPushesAndErasures)
{
    const Operation operations[] = {
        {"pushed in order", {7, 3, 5}, {}, {7, 3, 5}},
        {"front erased", {7, 3, 5}, {7}, {3, 5}},
        {"middle erased", {7, 3, 5}, {3}, {7, 5}},
        {"back erased", {7, 3, 5}, {5}, {7, 3}},
        {"all erased", {7, 3, 5}, {5, 7, 3}, {}},
        {"pushed again after its erasure goes last", {7, 3, 5, 3}, {}, {7, 5, 3}},
        {"an unlisted index erases nothing", {1}, {2}, {1}},
        {"an index beyond the reset size grows the list", {2, 12}, {}, {2, 12}},
        {"a negative index is no record", {-1, 4}, {}, {4}},
    };
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.name);
        ShotList list;
        list.reset(10);
        for (std::int32_t index : operation.pushed)
            list.push_back(index);
        for (std::int32_t index : operation.erased)
            eraseWhileWalking(list, index);
        EXPECT_EQ(listed(list), operation.expected);
        EXPECT_EQ(list.size(), operation.expected.size());
        if (!operation.expected.empty()) {
            EXPECT_EQ(list.front(), operation.expected.front());
            EXPECT_EQ(list.back(), operation.expected.back());
        }
        for (std::int32_t index = 0; index < 10; ++index)
            EXPECT_EQ(list.contains(index), std::count(operation.expected.begin(), operation.expected.end(), index) == 1);
    }
}

TEST(ShotList, IsEmptyAndReusableAfterAClearOrAReset)
{
    ShotList list;
    list.reset(4);
    for (std::int32_t index : {3, 1, 2})
        list.push_back(index);
    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.begin(), list.end());
    list.push_back(1);
    list.push_back(3);
    EXPECT_EQ(listed(list), (std::vector<std::int32_t>{1, 3}));
    list.reset(4);
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.contains(1));
    list.push_back(0);
    EXPECT_EQ(listed(list), std::vector<std::int32_t>{0});
}

} // namespace
