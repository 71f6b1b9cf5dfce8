#include "platform/com_ports.h"

#include "platform/settings.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

// "/dev/ttyUSB10" is ("/dev/ttyUSB", 10): names compare by their text, then by their number,
// whatever the locale (a collator's numeric mode does nothing in the C locale).
std::pair<QString, qulonglong> name_and_number(const QString &device)
{
    qsizetype digits = device.size();
    while (digits > 0 && device[digits - 1].isDigit())
        --digits;
    return {device.left(digits), device.mid(digits).toULongLong()};
}

} // namespace

QStringList order_devices(QStringList devices)
{
    auto usb = [](const QString &d) {
        const QString name = d.section('/', -1);
        return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
    };
    std::stable_sort(devices.begin(), devices.end(), [&](const QString &a, const QString &b) {
        if (usb(a) != usb(b))
            return usb(a);
        return name_and_number(a) < name_and_number(b);
    });
    devices.removeDuplicates();
    return devices;
}

QStringList serial_devices()
{
    QStringList devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    return order_devices(devices);
}

QString com_device(int n)
{
    if (n < 1 || n > 9)
        return {};
    const QString key = QStringLiteral("COM%1").arg(n);
    const QString mapped = read_setting(QStringLiteral("Ports"), key, QString());
    if (!mapped.isEmpty())
        return mapped;
#ifdef Q_OS_WIN
    return key;
#else
    const QStringList devices = serial_devices();
    return n <= devices.size() ? devices.at(n - 1) : QString();
#endif
}

bool device_present(const QString &device)
{
    if (device.isEmpty())
        return false;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(device, Qt::CaseInsensitive) == 0)
            return true;
    return false;
#else
    return QFileInfo::exists(device);
#endif
}

} // namespace platform
