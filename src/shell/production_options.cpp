#include "shell/production_options.h"

#include "shell/batch_options.h"

#include <QCoreApplication>
#include <algorithm>

namespace shell {

bool take_production_option(const QStringList &args, int &i, Batch_options &o, QString &error)
{
    const QString &a = args[i];
    static const QStringList with_value{QStringLiteral("--ports"), QStringLiteral("--serial"),
                                        QStringLiteral("--serial-bytes"), QStringLiteral("--serial-file"),
                                        QStringLiteral("--log-csv")};
    if (a == QLatin1String("--watch")) {
        o.watch = true;
        return true;
    }
    if (a == QLatin1String("--progress-channel")) {
        o.progress_channel = true;
        return true;
    }
    if (!with_value.contains(a))
        return false;
    if (i + 1 >= args.size()) {
        error = QCoreApplication::translate("shell", "%1 needs a value").arg(a);
        return true;
    }
    const QString v = args[++i];
    if (a == QLatin1String("--ports")) {
        const QStringList names = v.split(',', Qt::SkipEmptyParts);
        if (names.isEmpty())
            error = QCoreApplication::translate("shell", "--ports needs port names separated by commas");
        o.ports << names;
        if (!names.isEmpty())
            o.port = names.back();
    } else if (a == QLatin1String("--serial")) {
        Serial_plan plan;
        error = parse_serial_plan(v, plan);
        o.serial = plan;
    } else if (a == QLatin1String("--serial-bytes")) {
        bool ok = false;
        const int n = v.toInt(&ok);
        if (!ok || n < 1 || n > 4)
            error = QCoreApplication::translate("shell", "--serial-bytes takes 1, 2, 3 or 4, not '%1'").arg(v);
        o.serial_bytes = n;
    } else if (a == QLatin1String("--serial-file")) {
        o.serial_file = v;
    } else {
        o.log_csv = v;
    }
    if (!error.isEmpty())
        return true;
    if (v.isEmpty())
        error = QCoreApplication::translate("shell", "%1 needs a value").arg(a);
    return true;
}

QString production_options_problem(const Batch_options &o)
{
    const auto programs = std::count_if(o.actions.begin(), o.actions.end(),
                                        [](const Batch_action &a) { return a.kind == Batch_action::program; });
    if ((o.serial_bytes || o.serial_file) && !o.serial)
        return QCoreApplication::translate("shell", "--serial-bytes and --serial-file go with --serial");
    if (o.serial && !o.serial_file)
        return QCoreApplication::translate("shell", "--serial needs --serial-file FILE to keep the next number in");
    if (o.serial && programs == 0)
        return QCoreApplication::translate("shell", "--serial needs --program");
    if (o.serial && !serial_fits(o.serial->start, o.serial_bytes.value_or(2)))
        return QCoreApplication::translate("shell", "the serial number %1 does not fit in %2 bytes")
            .arg(o.serial->start)
            .arg(o.serial_bytes.value_or(2));
    if (o.watch && programs != 1)
        return QCoreApplication::translate("shell", "--watch needs exactly one --program FILE to watch");
    if (o.ports.size() > 1 && o.ports.contains(QStringLiteral("all"), Qt::CaseInsensitive))
        return QCoreApplication::translate("shell", "--port all stands alone: it takes every port with a board");
    if (o.ports.size() > 1 && o.ports.contains(QStringLiteral("auto"), Qt::CaseInsensitive))
        return QCoreApplication::translate("shell", "--port auto finds one board; --port all takes every board");
    for (const QString &p : o.ports)
        if (o.ports.count(p) > 1)
            return QCoreApplication::translate("shell", "the port %1 is given twice").arg(p);
    return {};
}

bool several_boards(const Batch_options &o)
{
    return !o.progress_channel
           && (o.ports.size() > 1 || (o.ports.size() == 1 && o.ports[0].compare(QLatin1String("all"), Qt::CaseInsensitive) == 0));
}

QString production_usage()
{
    return QCoreApplication::translate(
        "shell",
        "\n"
        "Several boards (a gang) and production runs:\n"
        "  --port P --port Q..., --ports P,Q,...\n"
        "                       run every action on every board at the same time, one\n"
        "                       line per board and step, then a table of the results\n"
        "  --port all           every port where the programmer answers\n"
        "  --trace FOLDER       with several boards: one trace file per board in FOLDER\n"
        "  --serial ADDR:START[:STEP]\n"
        "                       write a serial number into each chip at program word\n"
        "                       ADDR as RETW words, low byte first (decimal or 0x hex)\n"
        "  --serial-bytes N     1 to 4 bytes (RETW words), 2 by default\n"
        "  --serial-file FILE   where the next number is kept (created with START);\n"
        "                       a number is used up only by a board that programmed and\n"
        "                       verified\n"
        "  --log-csv FILE       append one row per board and run: time, port, device,\n"
        "                       image, CRC-32, serial number, result, seconds\n"
        "  --watch              after the run, program again every time the --program\n"
        "                       file changes, until Ctrl-C\n"
        "\n"
        "Ctrl-C stops every board through the abort path: the chip leaves ISP mode and the\n"
        "run reports it (exit status 2).\n");
}

} // namespace shell
