// Timing of the serial line and of the chip, used when the board runs with
// real timing.
#pragma once

namespace sim {

// One byte at 19200 baud with 8N1 framing: start bit, 8 data bits, stop bit.
constexpr double byte_time_s = 10.0 / 19200.0;

// One unit of the program-wait count sent with ">".
constexpr double program_wait_unit_s = 1.06e-3;

}  // namespace sim
