#pragma once
// The latency timer of a USB serial adapter, as the system shows it.

#include <QString>
#include <optional>

namespace platform {

// Milliseconds of the latency timer of the adapter behind `device` (a device path or a
// link to one), read from <sysfs>/class/tty/NAME/device/latency_timer; nothing when the
// device has no such timer or it cannot be read. `sysfs_root` defaults to
// $QORVIL_SYSFS_ROOT, else "/sys".
std::optional<int> latency_timer_ms(const QString &device, const QString &sysfs_root = {});

} // namespace platform
