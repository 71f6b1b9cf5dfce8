// The time left of a word loop, on made-up timelines of real boards: whatever the mix of steps
// and however uneven the line, the estimate is within a quarter of the truth after a fifth of
// the loop, and there is none in its first second.

#include "session/time_left.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using session::Step_cost;

struct Loop {
    const char *name;
    std::vector<Step_cost> steps;
    double exchange_s;                  // what one exchange takes on the line
    double (*jitter)(size_t step);      // factor on a step's exchanges
};

double even(size_t) { return 1.0; }
double uneven(size_t step) { return (step / 64) % 2 ? 1.3 : 0.7; }
double slow_start(size_t step) { return step < 50 ? 3.0 : 1.0; }

std::vector<Step_cost> reading() { return std::vector<Step_cost>(2048, {2, 0}); }

// Code at 0 to 99 and one word at the top, the rest blank.
std::vector<Step_cost> programming()
{
    std::vector<Step_cost> steps(2048, {1, 0});
    for (size_t w = 0; w < 100; ++w)
        steps[w] = {3, 0.045 * 1.06};
    steps[2047] = {3, 0.045 * 1.06};
    return steps;
}

const Loop loops[] = {
    {"ReadAtAnEvenPace", reading(), 0.0024, even},
    {"ReadOnAnUnevenLine", reading(), 0.0024, uneven},
    {"ReadThatStartsSlowly", reading(), 0.0024, slow_start},
    {"ProgramWithItsWaits", programming(), 0.003, even},
    {"ProgramOnAnUnevenLine", programming(), 0.003, uneven},
};

class TimeLeft : public testing::TestWithParam<Loop> {};

TEST_P(TimeLeft, IsWithinAQuarterAfterAFifth)
{
    const Loop &loop = GetParam();
    std::vector<double> at{2.0};  // the loop begins after two seconds of set-up
    for (size_t n = 0; n < loop.steps.size(); ++n)
        at.push_back(at.back() + loop.steps[n].exchanges * loop.exchange_s * loop.jitter(n)
                     + loop.steps[n].wait_s);
    session::Time_left left;
    left.start(loop.steps, at[0]);
    int checked = 0;
    for (size_t n = 1; n < loop.steps.size(); ++n) {
        left.reach(long(n), at[n]);
        const double truth = at.back() - at[n];
        const auto estimate = left.seconds();
        if (at[n] - at[0] < 1.0)
            EXPECT_FALSE(estimate) << "step " << n;
        if (n >= loop.steps.size() / 5 && truth > 0.5) {
            ASSERT_TRUE(estimate) << "step " << n;
            EXPECT_NEAR(*estimate, truth, truth / 4) << "step " << n;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
    left.stop();
    EXPECT_FALSE(left.seconds());
}

INSTANTIATE_TEST_SUITE_P(Loops, TimeLeft, testing::ValuesIn(loops), [](const auto &info) { return info.param.name; });

} // namespace
