#pragma once
// Things of the running process: one instance per user, opening web addresses.

#include <QString>

namespace platform {

// True when this is the only running instance; holds the lock until exit.
bool claim_single_instance();

// Opens a web address with the desktop's default handler; failures are ignored.
void open_web_address(const QString &address);

} // namespace platform
