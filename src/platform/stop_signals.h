#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl-C, kill, a closed terminal or SSH session) delivered as a
// call on the event loop, so that the program can end what it is doing in order instead of
// dying in the middle of it. While they are caught, a write to a closed pipe fails instead of
// ending the process (SIGPIPE is ignored), so that a closed output can stop a run in order too.

#include <atomic>
#include <functional>

namespace platform {

// From now on every such signal calls `on_stop` at the next turn of the event loop (the next
// yield of a running operation). A second call replaces the handler.
void catch_stop_signals(std::function<void()> on_stop);

// The signals end the process again, as they do by default; after a caught stop signal
// they are ignored from now on, so that a second one cannot cut the orderly end short.
void release_stop_signals();

// Set at once by the signal itself, from the first caught signal on: long waits look at it
// without waiting for the event loop.
const std::atomic<bool> &stop_signalled();

} // namespace platform
