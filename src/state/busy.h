#pragma once
// Marks a board exchange or device operation as running. While one runs nothing else may
// start another, and closing the main window waits for it to end.

namespace state {

class Busy_scope {
public:
    Busy_scope();
    ~Busy_scope();
    Busy_scope(const Busy_scope &) = delete;
    Busy_scope &operator=(const Busy_scope &) = delete;

private:
    bool outermost_;
};

bool busy();

} // namespace state
