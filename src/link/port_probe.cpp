#include "link/port_probe.h"

#include "link/trace.h"

#include "link/identification.h"
#include "platform/async_serial_port.h"
#include "platform/com_ports.h"

#include <QEventLoop>

#include <tuple>

namespace comm {

namespace {
// The first request, the drain after the one that brings a board back in step, and the
// second request: a live board answers that in about 10 ms.
constexpr int reply_limit_ms = 2000, drain_ms = 100, retry_limit_ms = 500;
}

struct Port_probe::Port {
    size_t index = 0;  // of the target and its result
    platform::Async_serial_port line;
    QByteArray reply;
    QByteArray sent;
    bool decided = false;
};

std::vector<Probe_target> com_targets()
{
    std::vector<Probe_target> targets;
    for (int n = 1; n <= 9; ++n)
        targets.push_back({QStringLiteral("COM%1").arg(n), platform::com_device(n)});
    return targets;
}

Port_probe::Port_probe(Finished finished) : finished_(std::move(finished))
{
    timer_.setTimerType(Qt::PreciseTimer);  // the board is owed its full 2 seconds
    timer_.callOnTimeout([this] { next_phase(); });
}

// A port that did not answer may hold a board that still waits for a payload byte or two
// (its host went away in the middle of a command) and took the request for one: one more "="
// completes that command, what comes back is drained, and the board is asked again.
void Port_probe::next_phase()
{
    if (undecided_ == 0 || phase_ == Phase::retry) {
        finish();
        return;
    }
    phase_ = phase_ == Phase::first ? Phase::drain : Phase::retry;
    for (const auto &port : ports_)
        if (!port->decided) {
            port->reply.clear();
            port->sent += '=';
            port->line.write(QByteArrayLiteral("="));
        }
    timer_.start(phase_ == Phase::drain ? drain_ms : retry_limit_ms);
}

Port_probe::~Port_probe() { cancel(); }

void Port_probe::start(const std::vector<Probe_target> &targets, Trace *trace)
{
    cancel();
    trace_ = trace;
    results_.clear();
    undecided_ = 0;
    phase_ = Phase::first;
    running_ = true;
    for (const Probe_target &target : targets) {
        Probe_result &result = results_.emplace_back();
        result.name = target.name;
        result.device = target.device;
        if (target.device.isEmpty())
            continue;
        auto port = std::make_unique<Port>();
        port->index = results_.size() - 1;
        result.reason = port->line.open(target.device);
        if (!result.reason.isEmpty()) {
            result.outcome = Probe_result::cannot_open;
            continue;
        }
        result.outcome = Probe_result::silent;
        Port *p = port.get();
        p->line.on_bytes = [this, p](const QByteArray &bytes) { take(*p, bytes); };
        p->line.on_failure = [this, p](const QString &) { decide(*p, Probe_result::silent); };
        ports_.push_back(std::move(port));
        ++undecided_;
        p->sent = "=";
        p->line.write(QByteArrayLiteral("="));
    }
    timer_.start(undecided_ > 0 ? reply_limit_ms : 0);
}

void Port_probe::take(Port &port, const QByteArray &bytes)
{
    if (port.decided || phase_ == Phase::drain)
        return;
    port.reply += bytes;
    if (port.reply.size() < identification_length)
        return;
    const bool board = is_board_identification(port.reply);
    if (board)
        results_[port.index].version = identification_line(port.reply);
    decide(port, board ? Probe_result::answered : Probe_result::wrong_answer);
}

void Port_probe::decide(Port &port, Probe_result::Outcome outcome)
{
    if (port.decided)
        return;
    port.decided = true;
    port.line.close();
    results_[port.index].outcome = outcome;
    // The last answer ends the probe, from the event loop rather than inside the port's
    // own notification.
    if (--undecided_ == 0)
        timer_.start(0);
}

void Port_probe::finish()
{
    timer_.stop();
    if (trace_ && trace_->on()) {
        const QString outcomes[] = {QStringLiteral("ok"),
                                    QStringLiteral("time-out after %1 ms").arg(reply_limit_ms + drain_ms + retry_limit_ms),
                                    QStringLiteral("wrong identification"), QStringLiteral("cannot open: "),
                                    QStringLiteral("no device")};
        for (const Probe_result &r : results_) {
            QByteArray sent, got;
            for (const auto &port : ports_)
                if (port->index == size_t(&r - results_.data()))
                    std::tie(sent, got) = std::pair(port->sent, port->reply);
            if (!r.device.isEmpty())
                trace_->probe(r.device, sent, got, outcomes[r.outcome] + r.reason);
        }
    }
    ports_.clear();
    running_ = false;
    const std::vector<Probe_result> results = results_;
    if (finished_)
        finished_(results);
}

void Port_probe::cancel()
{
    timer_.stop();
    ports_.clear();
    running_ = false;
}

std::vector<Probe_result> probe_ports(const std::vector<Probe_target> &targets, Trace *trace)
{
    std::vector<Probe_result> results;
    QEventLoop loop;
    Port_probe probe([&](const std::vector<Probe_result> &r) {
        results = r;
        loop.quit();
    });
    probe.start(targets, trace);
    loop.exec();
    return results;
}

} // namespace comm
