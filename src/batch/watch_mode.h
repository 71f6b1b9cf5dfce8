#pragma once
// Watch mode (`--watch`): the program file is watched, and every new version that reads as
// a complete Intel HEX file is programmed again.

#include "platform/file_watch.h"

#include <QString>
#include <functional>

namespace batch {

// Empty when the file at `path` reads as a complete Intel HEX file (every record right and
// the end record last), else what is wrong, for the user.
QString hex_file_problem(const QString &path);

class Watched_file {
public:
    // Takes the version present now as seen.
    explicit Watched_file(const QString &path);
    // Runs the event loop until a new version of the file has stayed unchanged for 300 ms,
    // or until `stopped` holds; true when a new version came.
    bool wait_for_new_version(const std::function<bool()> &stopped);

private:
    bool changed_ = false;
    platform::File_watch watch_;
};

} // namespace batch
