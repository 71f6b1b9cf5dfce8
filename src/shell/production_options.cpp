#include "shell/production_options.h"

#include "shell/batch_options.h"

#include <QCoreApplication>
#include <algorithm>

namespace shell {

bool take_production_option(const QStringList &args, int &i, Batch_options &o, QString &error)
{
    const QString &a = args[i];
    static const QStringList with_value{QStringLiteral("--ports")};
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
    const QStringList names = v.split(',', Qt::SkipEmptyParts);
    if (names.isEmpty())
        error = QCoreApplication::translate("shell", "--ports needs port names separated by commas");
    o.ports << names;
    if (!names.isEmpty())
        o.port = names.back();
    return true;
}

QString production_options_problem(const Batch_options &o)
{
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
        "Several boards (a gang):\n"
        "  --port P --port Q..., --ports P,Q,...\n"
        "                       run every action on every board at the same time, one\n"
        "                       line per board and step, then a table of the results\n"
        "  --port all           every port where the programmer answers\n"
        "  --trace FOLDER       with several boards: one trace file per board in FOLDER\n"
        "\n"
        "Ctrl-C stops every board through the abort path: the chip leaves ISP mode and the\n"
        "run reports it (exit status 2).\n");
}

} // namespace shell
