#pragma once
// "COM1".."COM9" on Linux: a user's own mapping in the settings store ("Ports/COMn"),
// otherwise the serial devices present, USB adapters first.

#include <QString>
#include <QStringList>

namespace platform {

// Device paths of the serial ports present, in the order COM1, COM2, ... take them.
QStringList serial_devices();

// Orders device paths: ttyUSB*/ttyACM* first, then the others, each group by name.
QStringList order_devices(QStringList devices);

// The device behind port number n (1 to 9); empty when there is none.
QString com_device(int n);

// Whether the device is there now (a mapping may name an adapter that is unplugged).
bool device_present(const QString &device);

} // namespace platform
