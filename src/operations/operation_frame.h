#pragma once
// What the device operations share: progress, the test after every exchange, the abort path
// and the way each of them begins.

#include "link/commands.h"
#include "operations/outcome.h"
#include "session/session.h"

#include <QDateTime>
#include <QString>
#include <initializer_list>
#include <vector>

namespace operations {

// A word loop of these steps begins: the time it has left is estimated from here on
// (session::Time_left).
void start_word_loop(session::Session &s, const std::vector<session::Step_cost> &steps);

// A step of the word loop: the remaining percentage on status panel 2 in steps of five; the
// display closes at the last word. Lets the event loop run once.
void Show_progress(session::Session &s, long total, long current);
// Closes the progress display. Lets the event loop run once.
void Close_progress(session::Session &s);

// Leaves ISP mode, shows the abort on the status bar, closes the progress display and ends
// the busy state; returns what stopped the operation.
Stop Abort_operation(session::Session &s);

// Asks the front end for a connection when the port is not open.
void Ensure_port_open(session::Session &s);
void Close_port_if_open(session::Session &s);

// The test after every exchange and word: true (after the abort path) when comxx_error, or a
// stop request, says the operation must stop.
bool stopped(session::Session &s, Outcome &o);

// Sends the package-mode command of Pin_mode. Returns false when Pin_mode is neither 18 nor
// 28: the operation ends without a word to the board, asking for the connection dialog.
bool send_pin_mode(session::Session &s, Outcome &o);

// "hh:mm:ss" since `start` into status panel 4.
void show_elapsed(session::Session &s, const QDateTime &start);

// Every operation begins with the abort counter at 0 and the address counter at 0xFFF.
void reset_for_operation(session::Session &s);

// How Program, Read and Verify begin.
struct Operation_start {
    std::function<QString()> running_text;  // status panel 3
    QString waiting_text;           // the busy window
    bool dump_image = false;        // write and show the image first (Program, Verify)
    bool clear_time = false;        // empty status panel 4 (Program, Read)
    bool full_memory = false;       // Last_address back to 2047 (Program, Read)
};

// Texts, the busy state, the counters, the port and the package mode. Returns false when the
// operation must end here.
bool start_operation(session::Session &s, const Operation_start &start, Outcome &o);

// Calls the command routines in order, testing after each; false when the operation stopped.
bool run_chain(session::Session &s, Outcome &o, std::initializer_list<comm::Routine> routines);

// The highest image address up to Last_address whose word is not blank; -1 when all are.
int last_non_blank_address(const session::Session &s);

// The title and text of the box that reports a stopped operation.
QString abort_box_title();
QString abort_box_text();

} // namespace operations
