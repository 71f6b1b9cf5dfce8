#pragma once
// Things of the running process: one instance per user, opening web addresses.

#include <QString>

#include <functional>

namespace desktop {

// True when this is the only running instance; holds the lock until exit and listens for
// later instances. When another instance runs, asks it to come to the front (and to open
// `file`, when given) and returns false.
bool claim_single_instance(const QString &file = {});

// What this (first) instance does when a later one starts: bring its main window to the
// front, and open the file the later one was given (empty when none).
void on_second_instance(std::function<void(const QString &file)> hook);

// Opens a web address (or a file:// address) with the desktop's default handler; failures
// are ignored.
void open_web_address(const QString &address);

// Replaces the desktop's handler by `opener` (tests); an empty one restores the desktop's.
void set_web_address_opener(std::function<void(const QString &)> opener);

} // namespace desktop
