#pragma once
// A running program connected to the simulated board on a pseudo-terminal: started,
// identified through the connection dialog, ready for the operation buttons.

#include "sim_process.h"
#include "test_support.h"

#include "sim/chip.h"

#include <QStringList>
#include <memory>

namespace test {

class Board_session {
public:
    // `chip` is what the board's chip holds at power-on.
    explicit Board_session(const QStringList &sim_options = {}, const sim::Chip *chip = nullptr,
                           int pins = 18, int rev = 1);
    ~Board_session();

    bool connected = false;
    std::unique_ptr<Sim_process> board;
    QString state_path;

    // Stops the board and returns what its chip holds.
    sim::Chip chip_now();
    // The command characters the board received, in order.
    QString commands() const;

private:
    QString folder_;
};

// A chip with FUSE, FUSEX and the given words (the rest blank).
sim::Chip chip_with(std::uint16_t fuse, std::uint16_t fusex,
                    const std::vector<std::pair<int, std::uint16_t>> &words);


} // namespace test
