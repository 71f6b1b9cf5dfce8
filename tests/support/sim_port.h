#pragma once
// The simulated board served in-process: a serial port whose other end is the board model.

#include "queued_port.h"
#include "sim/board_model.h"

#include <vector>

namespace test {

class Sim_port final : public Queued_port {
public:
    explicit Sim_port(const sim::Board_options &options = {});
    sim::Board_model board;
    std::vector<std::pair<double, QByteArray>> writes;  // time and bytes of every write

    void open() override;
    void write(const QByteArray &bytes) override;

protected:
    void check() override;
};

// Installs a Sim_port as the program's (open) port while the object lives.
class Sim_port_scope {
public:
    explicit Sim_port_scope(const sim::Board_options &options = {});
    ~Sim_port_scope();
    Sim_port &port;
};

} // namespace test
