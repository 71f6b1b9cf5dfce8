#pragma once
// SIGINT and SIGTERM (Ctrl-C, kill) delivered as a call on the event loop, so that the
// program can end what it is doing in order instead of dying in the middle of it.

#include <functional>

namespace platform {

// From now on every SIGINT or SIGTERM calls `on_stop` at the next turn of the event loop
// (the next yield of a running operation). A second call replaces the handler.
void catch_stop_signals(std::function<void()> on_stop);

// The signals end the process again, as they do by default.
void release_stop_signals();

} // namespace platform
