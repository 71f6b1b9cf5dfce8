#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl-C, kill, a closed terminal or SSH session) delivered as a
// call on the event loop, so that the program can end what it is doing in order instead of
// dying in the middle of it. While they are caught, a write to a closed pipe fails instead of
// ending the process (SIGPIPE is ignored), so that a closed output can stop a run in order too.
// A parent that goes away counts as a hang-up. A signal the process was started ignoring
// (nohup; Ctrl-C for a job a script put in the background) stays ignored.

#include <atomic>
#include <functional>

namespace platform {

// From now on every such signal calls `on_stop` at the next turn of the event loop (the next
// yield of a running operation). A second call replaces the handler.
void catch_stop_signals(std::function<void()> on_stop);

// The run has ended: a signal from now on is noted and otherwise ignored, so that a late one
// cannot cut the program's orderly end short.
void release_stop_signals();

// Set at once by the signal itself, from the first caught signal on: long waits look at it
// without waiting for the event loop.
const std::atomic<bool> &stop_signalled();

} // namespace platform
