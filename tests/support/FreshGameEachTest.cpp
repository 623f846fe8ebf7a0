// Every unit test starts from the clean Game. The Game is one object for the
// whole process: a setting or a record one test leaves behind (the language,
// the lines already logged once) would otherwise decide what the next sees,
// and a test must pass alone, after any other and when repeated.
#include "core/GameTestSupport.h"

#include <gtest/gtest.h>

namespace {

class FreshGame : public ::testing::EmptyTestEventListener {
    // Before the test's fixture is made, so its set-up builds on the clean Game.
    void OnTestStart(const ::testing::TestInfo&) override { gametest::cleanGame(); }
};

[[maybe_unused]] const bool installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshGame);
    return true;
}();

} // namespace
