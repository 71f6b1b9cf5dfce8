#include "platform/settings.h"

#include <QSettings>

namespace platform {
namespace {
bool read_only_store = false;

} // namespace

QString read_setting(const QString &section, const QString &key, const QString &fallback)
{
    QSettings s(QStringLiteral("Qorvil"), QStringLiteral("Qorvil"));
    return s.value(section + '/' + key, fallback).toString();
}

void save_setting(const QString &section, const QString &key, const QString &value)
{
    if (read_only_store)
        return;
    QSettings s(QStringLiteral("Qorvil"), QStringLiteral("Qorvil"));
    s.setValue(section + '/' + key, value);
    s.sync();
}

QString get_setting(const QString &key, const QString &fallback)
{
    return read_setting(settings_section, key, fallback);
}

void put_setting(const QString &key, const QString &value) { save_setting(settings_section, key, value); }

void set_settings_read_only(bool read_only) { read_only_store = read_only; }

} // namespace platform
