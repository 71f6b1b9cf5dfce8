#pragma once
// Things of the running process: one instance per user, opening web addresses.

#include <QString>

#include <functional>

namespace desktop {

// True when this is the only running instance; holds the lock until exit and listens for
// later instances. When another instance runs, asks it to come to the front and returns false.
bool claim_single_instance();

// What this (first) instance does when a later one starts: bring its main window to the front.
void on_second_instance(std::function<void()> hook);

// Opens a web address (or a file:// address) with the desktop's default handler; failures
// are ignored.
void open_web_address(const QString &address);

// Replaces the desktop's handler by `opener` (tests); an empty one restores the desktop's.
void set_web_address_opener(std::function<void(const QString &)> opener);

} // namespace desktop
