#pragma once
// Text to standard output or standard error. A write that fails means the reader went away
// (a closed pipe, SIGPIPE being ignored): the run is then to stop, and is told so once.

#include <QString>
#include <cstdio>
#include <functional>

namespace batch {

class Stream_writer {
public:
    void write(std::FILE *to, const QString &text);
    std::function<void()> closed;

private:
    bool closed_ = false;
};

} // namespace batch
