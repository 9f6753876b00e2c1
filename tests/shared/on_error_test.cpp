#include "shared/on_error.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void fail() { throw platform::Error("step failed"); }

TEST(ResumeNext, PassesOverFailingStepsAndRunsTheRest)
{
    std::vector<int> ran;
    shared::ResumeNext next;
    next([&] { ran.push_back(1); });
    next([&] { fail(); ran.push_back(2); });
    next([&] { ran.push_back(3); });
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    EXPECT_EQ(next.failures(), 1);
    EXPECT_EQ(next.lastFailure(), "step failed");
}

TEST(ResumeNext, AFailingConditionCountsAsHeldAndAFailingValueGivesTheFallback)
{
    shared::ResumeNext next;
    EXPECT_TRUE(next.holds([]() -> bool { fail(); return false; }));
    EXPECT_FALSE(next.holds([] { return false; }));
    EXPECT_EQ(next.value([]() -> int { fail(); return 1; }, 7), 7);
    EXPECT_EQ(next.value([] { return 5; }, 7), 5);
    EXPECT_EQ(next.failures(), 2);
}

TEST(ResumeNext, SwallowsFailuresOfAnyKind)
{
    shared::ResumeNext next;
    next([] { throw 42; });
    next([] { throw std::logic_error("x"); });
    EXPECT_EQ(next.failures(), 2);
}

TEST(TrapAll, StopsAtTheFirstFailureAndHandsOverItsMessage)
{
    std::vector<int> ran;
    std::string shown;
    const bool done = shared::trapAll([&] { ran.push_back(1); fail(); ran.push_back(2); },
                                      [&](const std::string& m) { shown = m; });
    EXPECT_FALSE(done);
    EXPECT_EQ(ran, std::vector<int>{1});
    EXPECT_EQ(shown, "step failed");

    shown.clear();
    EXPECT_TRUE(shared::trapAll([] {}, [&](const std::string& m) { shown = m; }));
    EXPECT_TRUE(shown.empty());
}

TEST(AllOrNothing, AFailingStepTakesBackTheEarlierOnesNewestFirstAndFailsOn)
{
    std::vector<std::string> done;
    const bool finished = shared::trapAll(
        [&] {
            shared::AllOrNothing steps;
            steps([&] { done.push_back("file"); }, [&] { done.push_back("file back"); });
            steps([&] { done.push_back("row"); }, [&] { fail(); });   // an undo that fails in turn
            steps([&] { done.push_back("old file"); }, [&] { done.push_back("old file back"); });
            steps([] { fail(); }, [&] { done.push_back("never"); });
        },
        [](const std::string&) {});
    EXPECT_FALSE(finished);
    EXPECT_EQ(done, (std::vector<std::string>{"file", "row", "old file", "old file back", "file back"}));

    done.clear();
    EXPECT_TRUE(shared::trapAll(
        [&] {
            shared::AllOrNothing steps;
            steps([&] { done.push_back("file"); }, [&] { done.push_back("file back"); });
        },
        [](const std::string&) {}));
    EXPECT_EQ(done, std::vector<std::string>{"file"});
}

} // namespace
