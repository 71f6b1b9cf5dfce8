#pragma once
// How long the word loop of a device operation has left, estimated from the loop's own pace.
//
// Each step of a loop costs a number of exchanges with the board and a wait that is known
// beforehand (the programming pulse, the pauses between the bytes of a load). The time of an
// exchange is measured over the steps done so far, from the loop's first step: the exchanges
// that set the operation up do not count. The estimate is the remaining exchanges at that pace
// plus the remaining known waits. It is given once it has settled.

#include <optional>
#include <vector>

namespace session {

struct Step_cost {
    int exchanges = 1;
    double wait_s = 0;  // known waits of the step
};

class Time_left {
public:
    // A word loop of these steps begins.
    void start(const std::vector<Step_cost> &steps, double now_s);
    // Step `step` begins (every step before it is done).
    void reach(long step, double now_s);
    void stop() { running_ = false; }

    // Seconds left; nothing before a twentieth of the loop and a second have gone by.
    std::optional<double> seconds() const;

private:
    std::vector<double> exchanges_before_{0}, waits_before_{0};  // sums over the steps before each step
    double started_s_ = 0, now_s_ = 0;
    long step_ = 0;
    bool running_ = false;
};

} // namespace session
