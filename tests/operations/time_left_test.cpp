// The time left of a word loop, on made-up timelines of real boards: whatever the mix of steps
// and however uneven the line, the estimate is within a quarter of the truth after a fifth of
// the loop, and there is none in its first second.

#include "session/time_left.h"

#include <gtest/gtest.h>

namespace {

using session::Step_cost;

struct Loop {
    const char *name;
    bool programming;               // else a Read: two exchanges a word
    double (*pace)(size_t step);    // seconds an exchange takes at this step
};

// Code at 0 to 99 and one word at the top, the rest blank: the writes wait 45 x 1.06 ms.
std::vector<Step_cost> steps_of(bool programming)
{
    std::vector<Step_cost> steps(2048, programming ? Step_cost{1, 0} : Step_cost{2, 0});
    for (size_t n = 0; programming && n < steps.size(); ++n)
        if (n < 100 || n == 2047)
            steps[n] = {3, 0.045 * 1.06};
    return steps;
}

const Loop loops[] = {
    {"ReadAtAnEvenPace", false, [](size_t) { return 0.0024; }},
    {"ReadOnAnUnevenLine", false, [](size_t n) { return (n / 64) % 2 ? 0.0031 : 0.0017; }},
    {"ReadThatStartsSlowly", false, [](size_t n) { return n < 50 ? 0.0072 : 0.0024; }},
    {"ProgramWithItsWaits", true, [](size_t) { return 0.003; }},
    {"ProgramOnAnUnevenLine", true, [](size_t n) { return (n / 64) % 2 ? 0.0039 : 0.0021; }},
};

class TimeLeft : public testing::TestWithParam<Loop> {};

TEST_P(TimeLeft, IsWithinAQuarterAfterAFifth)
{
    const Loop &loop = GetParam();
    const std::vector<Step_cost> steps = steps_of(loop.programming);
    std::vector<double> at{2.0};  // the loop begins after two seconds of set-up
    for (size_t n = 0; n < steps.size(); ++n)
        at.push_back(at.back() + steps[n].exchanges * loop.pace(n) + steps[n].wait_s);
    session::Time_left left;
    left.start(steps, at[0]);
    int checked = 0;
    for (size_t n = 1; n < steps.size(); ++n) {
        left.reach(long(n), at[n]);
        const double truth = at.back() - at[n];
        const auto estimate = left.seconds();
        if (at[n] - at[0] < 1.0) {
            EXPECT_FALSE(estimate) << "step " << n;
        }
        if (n >= steps.size() / 5 && truth > 0.5) {
            ASSERT_TRUE(estimate) << "step " << n;
            EXPECT_NEAR(*estimate, truth, truth / 4) << "step " << n;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
    left.reach(long(steps.size()) + 5, at.back());  // past the end counts as the end
    EXPECT_EQ(left.seconds(), 0.0);
    left.stop();
    EXPECT_FALSE(left.seconds());
    left.start(steps, 0.0);  // the next loop starts afresh
    left.reach(long(steps.size()), 10.0);
    EXPECT_EQ(left.seconds(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Loops, TimeLeft, testing::ValuesIn(loops), [](const auto &info) { return info.param.name; });

} // namespace
