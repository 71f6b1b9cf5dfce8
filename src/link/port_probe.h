#pragma once
// Finding the board by itself: every candidate port is asked for its identification at
// the same time, so that the search costs one identification wait however many ports
// there are.

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace comm {

class Trace;

struct Probe_target {
    QString name;    // "COM3"
    QString device;  // "/dev/ttyUSB0"; empty when nothing is behind the name
};

struct Probe_result {
    enum Outcome { answered, silent, wrong_answer, cannot_open, no_device };
    QString name, device;
    Outcome outcome = no_device;
    QString version;  // answered: the identification line, as status panel 1 shows it
    QString reason;   // cannot_open: the system's reason
};

// COM1 to COM9 and the devices behind them, as the connection dialog offers them.
std::vector<Probe_target> com_targets();

// Opens every target with the board's line settings, sends "=" on each and collects the
// replies as they arrive, on the event loop. A reply of 15 bytes decides a port at once. A
// port silent for 2 seconds is brought back in step and asked again (for half a second); the
// probe ends when every port has been decided, 2.6 seconds after the requests went out at
// the most. Every port it opened is closed before `finished` is called with one result per
// target, in the order given.
class Port_probe {
public:
    using Finished = std::function<void(const std::vector<Probe_result> &)>;
    explicit Port_probe(Finished finished);
    ~Port_probe();
    Port_probe(const Port_probe &) = delete;
    Port_probe &operator=(const Port_probe &) = delete;

    // Every port tried gets a line in `trace` when one is given (it must outlive the probe).
    void start(const std::vector<Probe_target> &targets, Trace *trace = nullptr);
    // Ends a running probe: every port is closed at once and `finished` is not called.
    void cancel();
    bool running() const { return running_; }

private:
    struct Port;
    void take(Port &port, const QByteArray &bytes);
    void decide(Port &port, Probe_result::Outcome outcome);
    void next_phase();
    void finish();
    enum class Phase { first, drain, retry } phase_ = Phase::first;

    Finished finished_;
    Trace *trace_ = nullptr;
    std::vector<Probe_result> results_;
    std::vector<std::unique_ptr<Port>> ports_;
    int undecided_ = 0;
    bool running_ = false;
    QTimer timer_;
};

// Runs a probe to its end in a local event loop.
std::vector<Probe_result> probe_ports(const std::vector<Probe_target> &targets, Trace *trace = nullptr);

} // namespace comm
