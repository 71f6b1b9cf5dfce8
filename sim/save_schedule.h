// When to write the --state file: not on every programmed word, but at the
// latest `delay_s` after the first change that has not been written yet.
#pragma once

#include <optional>

namespace sim {

class Save_schedule {
public:
    explicit Save_schedule(double delay_s) : delay_s_(delay_s) {}

    // A change at now_s; starts the delay unless one is already running.
    void changed(double now_s)
    {
        if (!deadline_s_)
            deadline_s_ = now_s + delay_s_;
    }

    bool due(double now_s) const { return deadline_s_ && now_s >= *deadline_s_; }
    std::optional<double> deadline() const { return deadline_s_; }
    void saved() { deadline_s_.reset(); }

private:
    double delay_s_;
    std::optional<double> deadline_s_;
};

}  // namespace sim
