#pragma once
// A serial port played by the test: replies are queued with the time they become
// available, every write is recorded with its time, and faults can be armed.

#include "queued_port.h"

#include <functional>
#include <vector>

namespace test {

class Fake_port final : public Queued_port {
public:
    struct Write {
        double at;  // platform::now_seconds() when written
        QByteArray bytes;
    };

    // What the "board" does with each write (typically: arrive() a reply).
    std::function<void(Fake_port &, const QByteArray &)> on_write;

    std::vector<Write> writes;
    bool fail_open = false;
    bool fail_all = false;  // every operation on the open port faults (device gone)

    void open() override;
    void write(const QByteArray &bytes) override;

    // All bytes written, joined.
    QByteArray written() const;

protected:
    void check() override;
};

// Installs a Fake_port as the program's port for the lifetime of the object.
class Fake_port_scope {
public:
    Fake_port_scope();
    ~Fake_port_scope();
    Fake_port &port;
};

} // namespace test
