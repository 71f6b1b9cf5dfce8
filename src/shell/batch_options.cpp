#include "shell/batch_options.h"
#include "shell/tr.h"

#include "shell/production_options.h"

#include <QRegularExpression>

namespace shell {
namespace {

bool whole_number(const QString &text, int low, int high, int &out)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || v < low || v > high)
        return false;
    out = v;
    return true;
}

bool config_word(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("^(0[xX])?([0-9A-Fa-f]{1,4})$"));
    const auto m = word.match(text);
    return m.hasMatch() && m.captured(2).toInt(nullptr, 16) <= 0xFFF;
}

} // namespace

QString batch_usage()
{
    return Tr::tr(
        "Usage: qorvil --batch [options] ACTION...\n"
        "\n"
        "Runs the device operations without a window, for scripts and production lines.\n"
        "Options default to the values saved by the connection dialog; batch mode saves nothing.\n"
        "\n"
        "Options:\n"
        "  --port COMn|DEVICE   serial port (COM1..COM9 as in the dialog, or a device path)\n"
        "  --port auto          ask COM1..COM9 at once and use the port where the programmer\n"
        "                       answers (exit status 2 when none answers, 3 when several do)\n"
        "  --pins 18|28         package of the chip\n"
        "  --rev old|A          chip revision\n"
        "  --wait N             program-wait count, 0 to 255 (1 count = 1.06 ms)\n"
        "  --quiet              print nothing but errors\n"
        "  --lang ja|en         the language of the messages (ja unless chosen otherwise)\n"
        "  --trace FILE         append one line per exchange with the board to FILE: time,\n"
        "                       command routine, bytes sent and received, outcome\n"
        "\n"
        "Actions, run in the order given; the first that fails ends the run:\n"
        "  --identify           print the board's identification\n"
        "  --erase              erase the chip\n"
        "  --program FILE.hex   program the chip from the file, then verify it\n"
        "  --verify FILE.hex    compare the chip with the file\n"
        "  --read FILE.hex      read the chip and save it as Intel HEX\n"
        "  --fuse WORD          use this FUSE word (hexadecimal) for the following files\n"
        "  --fusex WORD         use this FUSEX word (hexadecimal) for the following files\n"
        "\n"
        "Exit status: 0 success, 1 verify found differences, 2 communication error, time-out\n"
        "or abort, 3 bad arguments or a file that cannot be read or written.\n")
           + production_usage();
}

Batch_parse parse_batch_arguments(const QStringList &args)
{
    Batch_parse r;
    Batch_options &o = r.options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString &out) {
            if (i + 1 >= args.size()) {
                r.error = Tr::tr("%1 needs a value").arg(a);
                return false;
            }
            out = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--batch")) {
            continue;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            r.help = true;
        } else if (a == QLatin1String("--quiet") || a == QLatin1String("-q")) {
            o.quiet = true;
        } else if (a == QLatin1String("--port")) {
            if (!value(v))
                return r;
            if (v.isEmpty()) {
                r.error = QStringLiteral("--port needs a port name or a device");
                return r;
            }
            o.port = v;
            o.ports << v;
        } else if (a == QLatin1String("--trace")) {
            if (!value(v))
                return r;
            o.trace = v;
        } else if (a == QLatin1String("--lang")) {
            if (!value(v))  // the language is chosen before batch mode starts
                return r;
        } else if (a == QLatin1String("--pins")) {
            if (!value(v))
                return r;
            if (v != QLatin1String("18") && v != QLatin1String("28")) {
                r.error = QStringLiteral("--pins takes 18 or 28, not '%1'").arg(v);
                return r;
            }
            o.pins = v.toInt();
        } else if (a == QLatin1String("--rev")) {
            if (!value(v))
                return r;
            if (v.compare(QLatin1String("old"), Qt::CaseInsensitive) == 0)
                o.rev = 0;
            else if (v.compare(QLatin1String("A"), Qt::CaseInsensitive) == 0)
                o.rev = 1;
            else {
                r.error = QStringLiteral("--rev takes old or A, not '%1'").arg(v);
                return r;
            }
        } else if (a == QLatin1String("--wait")) {
            if (!value(v))
                return r;
            int n = 0;
            if (!whole_number(v, 0, 255, n)) {
                r.error = QStringLiteral("--wait takes a whole number from 0 to 255, not '%1'").arg(v);
                return r;
            }
            o.wait = n;
        } else if (a == QLatin1String("--identify")) {
            o.actions.push_back({Batch_action::identify, {}});
        } else if (a == QLatin1String("--erase")) {
            o.actions.push_back({Batch_action::erase, {}});
        } else if (a == QLatin1String("--program") || a == QLatin1String("--verify") || a == QLatin1String("--read")) {
            if (!value(v))
                return r;
            const auto kind = a == QLatin1String("--program") ? Batch_action::program
                              : a == QLatin1String("--verify") ? Batch_action::verify
                                                                : Batch_action::read;
            o.actions.push_back({kind, v});
        } else if (a == QLatin1String("--fuse") || a == QLatin1String("--fusex")) {
            if (!value(v))
                return r;
            if (!config_word(v)) {
                r.error = Tr::tr("%1 takes a 12-bit hexadecimal word, not '%2'").arg(a, v);
                return r;
            }
            o.actions.push_back({a == QLatin1String("--fuse") ? Batch_action::fuse : Batch_action::fusex, v});
        } else if (take_production_option(args, i, o, r.error)) {
            if (!r.error.isEmpty())
                return r;
        } else {
            r.error = Tr::tr("unknown argument '%1'").arg(a);
            return r;
        }
    }
    if (!r.help && o.actions.empty())
        r.error = Tr::tr("no action given");
    if (!r.help && r.error.isEmpty())
        r.error = production_options_problem(o);
    return r;
}

} // namespace shell
