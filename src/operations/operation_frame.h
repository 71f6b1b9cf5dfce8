#pragma once
// What the device operations share: state::busy state, progress, cancel and the abort path.

#include "state/busy.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <initializer_list>

namespace operations {

// Shows the remaining percentage in the status bar and the state::busy window; mode "ON" shows,
// any other mode closes the display. Yields to the event loop once.
void Show_progress(const QString &mode, int reserved, long total, long current);

// Sees every progress step (batch mode draws its own bar).
void set_progress_observer(std::function<void(long total, long current)> observer);

// Leaves ISP mode, reports the abort and returns the window to idle.
void Abort_operation();

// Shows the connection dialog when the port is not open.
void Ensure_port_open();
void Close_port_if_open();

// The Cancel button.
void Command_cancel_click();

// True (after aborting) when comxx_error says the operation must stop.
bool stopped();

// Sends the package-mode command of Pin_mode. Returns false when Pin_mode is neither 18
// nor 28: the connection dialog is then shown without waiting and the operation ends.
bool send_pin_mode();

// "hh:mm:ss" since `start` into status panel 4.
void show_elapsed(const QDateTime &start);

// Held while an operation runs: nothing else may start an exchange or change the image.
// The operation's conflicting controls are disabled; everything is enabled again when the
// outermost guard ends, however the operation ends.
class Operation_guard {
public:
    Operation_guard();
    ~Operation_guard();
    Operation_guard(const Operation_guard &) = delete;
    Operation_guard &operator=(const Operation_guard &) = delete;

private:
    state::Busy_scope busy_;
    bool outermost_;
};

// Skeleton step 11's button part: Cancel goes away. (The operation's guard holds the other
// buttons back while it runs.)
void end_buttons();

// Skeleton step 5: the state::busy window with the waiting text, brought to the front.
void show_busy_window(const QString &waiting_text);

// Skeleton step 6.
void reset_for_operation();

// How Program, Read and Verify begin.
struct Operation_start {
    QString running_text;           // status panel 3
    QString waiting_text;           // the state::busy window
    bool dump_image = false;        // write and show the image first (Program, Verify)
    bool clear_time = false;        // empty status panel 4 (Program, Read)
    bool full_memory = false;       // Last_address back to 2047 (Program, Read)
};

// The skeleton's steps 2 to 9: buttons, texts, state::busy window, counters, the port and the
// package mode. Returns false when the operation must end here (it has been aborted, or
// the connection dialog was shown for a bad package setting).
bool start_operation(const Operation_start &start);

// Calls the command routines in order, testing after each; false when the operation
// stopped.
bool run_chain(std::initializer_list<void (*)()> routines);

// The highest image address up to Last_address whose word is not blank; -1 when all are.
int last_non_blank_address();

// The error lines of Verify and the like, appended to the memory view.
void append_to_memory_view(const QString &text);

} // namespace operations
