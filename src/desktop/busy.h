#pragma once
// A board exchange run from the windows: the session is busy while it lasts, and what waited
// for the last one to end (a close of the main window) goes on afterwards.

#include "session/session.h"

#include <functional>

namespace desktop {

class Window_busy {
public:
    explicit Window_busy(session::Session &s);
    ~Window_busy();
    Window_busy(const Window_busy &) = delete;
    Window_busy &operator=(const Window_busy &) = delete;
    bool outermost() const { return busy_.outermost(); }

private:
    session::Busy_scope busy_;
};

// What runs (from the event loop) when the last exchange has ended.
void when_idle(std::function<void()> hook);

} // namespace desktop
