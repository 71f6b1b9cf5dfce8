#include "session/time_left.h"

#include <algorithm>

namespace session {

void Time_left::start(const std::vector<Step_cost> &steps, double now_s)
{
    exchanges_before_.assign(1, 0);
    waits_before_.assign(1, 0);
    for (const Step_cost &c : steps) {
        exchanges_before_.push_back(exchanges_before_.back() + c.exchanges);
        waits_before_.push_back(waits_before_.back() + c.wait_s);
    }
    started_s_ = now_s_ = now_s;
    step_ = 0;
    running_ = true;
}

void Time_left::reach(long step, double now_s)
{
    step_ = std::clamp(step, 0L, long(exchanges_before_.size()) - 1);
    now_s_ = now_s;
}

std::optional<double> Time_left::seconds() const
{
    const double elapsed = now_s_ - started_s_;
    const double total = exchanges_before_.back() + waits_before_.back();
    const double done_exchanges = exchanges_before_[size_t(step_)], done_waits = waits_before_[size_t(step_)];
    if (!running_ || elapsed < 1.0 || done_exchanges + done_waits < total / 20 || done_exchanges <= 0)
        return std::nullopt;
    // Waits that did not take their time (a board that answers at once) are not counted on.
    const double wait_share = done_waits > 0 ? std::min(1.0, elapsed / done_waits) : 1.0;
    const double exchange_s = std::max(0.0, elapsed - done_waits * wait_share) / done_exchanges;
    return (exchanges_before_.back() - done_exchanges) * exchange_s + (waits_before_.back() - done_waits) * wait_share;
}

} // namespace session
