#include "batch/command_line.h"

#include "batch/tr.h"

#include <QRegularExpression>
#include <algorithm>

namespace batch {
namespace {

using Apply = QString (*)(Command_line &, const QString &name, const QString &value);

struct Option_row {
    const char *name;
    const char *alias;
    bool takes_value;
    Apply apply;
};

bool whole_number(const QString &text, int low, int high, int &out)
{
    const std::optional<std::uint64_t> v = parse_number(text, false);
    if (!v || *v < std::uint64_t(low) || *v > std::uint64_t(high))
        return false;
    out = int(*v);
    return true;
}

bool config_word(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("^(0[xX])?([0-9A-Fa-f]{1,4})$"));
    const auto m = word.match(text.trimmed());
    return m.hasMatch() && m.captured(2).toInt(nullptr, 16) <= 0xFFF;
}

// An option that may be given once only.
template <typename T> QString once(std::optional<T> &slot, const QString &name, T value)
{
    if (slot)
        return Tr::tr("%1 is given twice").arg(name);
    slot = value;
    return {};
}

QString release(Command_line &c, const QString &name, const QString &value, bool used)
{
    const std::optional<std::uint64_t> n = parse_number(value);
    if (!n)
        return Tr::tr("%1 takes a serial number, not '%2'").arg(name, value);
    c.options.releases.emplace_back(*n, used);
    return {};
}

QString action(Command_line &c, Batch_action::Kind kind, const QString &value)
{
    c.options.actions.push_back({kind, value});
    return {};
}

QString needs_value(const QString &name, const QString &value)
{
    return value.isEmpty() ? Tr::tr("%1 needs a value").arg(name) : QString();
}

const Option_row rows[] = {
    {"--batch", nullptr, false, [](Command_line &c, const QString &, const QString &) { c.batch = true; return QString(); }},
    {"--help", "-h", false, [](Command_line &c, const QString &, const QString &) { c.help = true; return QString(); }},
    {"--version", nullptr, false, [](Command_line &c, const QString &, const QString &) { c.version = true; return QString(); }},
    {"--help-path", nullptr, false,
     [](Command_line &c, const QString &, const QString &) { c.help_path = true; return QString(); }},
    {"--lang", nullptr, true, [](Command_line &c, const QString &, const QString &v) {
         if (!c.lang)
             c.lang = v;
         return QString();
     }},
    {"--trace", nullptr, true, [](Command_line &c, const QString &, const QString &v) {
         if (!c.trace)
             c.trace = v;
         c.options.trace = v;
         return QString();
     }},
    {"--quiet", "-q", false, [](Command_line &c, const QString &, const QString &) { c.options.quiet = true; return QString(); }},
    {"--port", nullptr, true, [](Command_line &c, const QString &, const QString &v) {
         if (v.isEmpty())
             return QStringLiteral("--port needs a port name or a device");
         c.options.port = v;
         c.options.ports << v;
         return QString();
     }},
    {"--ports", nullptr, true, [](Command_line &c, const QString &, const QString &v) {
         const QStringList names = v.split(',', Qt::SkipEmptyParts);
         if (names.isEmpty())
             return Tr::tr("--ports needs port names separated by commas");
         c.options.ports << names;
         c.options.port = names.back();
         return QString();
     }},
    {"--pins", nullptr, true, [](Command_line &c, const QString &, const QString &v) {
         const std::optional<std::uint64_t> pins = parse_number(v, false);
         if (pins != 18u && pins != 28u)
             return QStringLiteral("--pins takes 18 or 28, not '%1'").arg(v);
         c.options.pins = int(*pins);
         return QString();
     }},
    {"--rev", nullptr, true, [](Command_line &c, const QString &, const QString &value) {
         const QString v = value.trimmed();
         if (v.compare(QLatin1String("old"), Qt::CaseInsensitive) == 0)
             c.options.rev = 0;
         else if (v.compare(QLatin1String("A"), Qt::CaseInsensitive) == 0)
             c.options.rev = 1;
         else
             return QStringLiteral("--rev takes old or A, not '%1'").arg(v);
         return QString();
     }},
    {"--wait", nullptr, true, [](Command_line &c, const QString &, const QString &v) {
         int n = 0;
         if (!whole_number(v, 0, 255, n))
             return QStringLiteral("--wait takes a whole number from 0 to 255, not '%1'").arg(v);
         c.options.wait = n;
         return QString();
     }},
    {"--identify", nullptr, false,
     [](Command_line &c, const QString &, const QString &) { return action(c, Batch_action::identify, {}); }},
    {"--erase", nullptr, false,
     [](Command_line &c, const QString &, const QString &) { return action(c, Batch_action::erase, {}); }},
    {"--program", nullptr, true,
     [](Command_line &c, const QString &, const QString &v) { return action(c, Batch_action::program, v); }},
    {"--verify", nullptr, true,
     [](Command_line &c, const QString &, const QString &v) { return action(c, Batch_action::verify, v); }},
    {"--read", nullptr, true,
     [](Command_line &c, const QString &, const QString &v) { return action(c, Batch_action::read, v); }},
    {"--fuse", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         if (!config_word(v))
             return Tr::tr("%1 takes a 12-bit hexadecimal word, not '%2'").arg(name, v);
         return action(c, Batch_action::fuse, v.trimmed());
     }},
    {"--fusex", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         if (!config_word(v))
             return Tr::tr("%1 takes a 12-bit hexadecimal word, not '%2'").arg(name, v);
         return action(c, Batch_action::fusex, v.trimmed());
     }},
    {"--serial", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         Serial_plan plan;
         const QString error = parse_serial_plan(v, plan);
         if (!error.isEmpty())
             return error;
         return once(c.options.serial, name, plan);
     }},
    {"--serial-bytes", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         int n = 0;
         if (!whole_number(v, 1, 4, n))
             return Tr::tr("--serial-bytes takes 1, 2, 3 or 4, not '%1'").arg(v);
         return once(c.options.serial_bytes, name, n);
     }},
    {"--serial-file", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         const QString problem = needs_value(name, v);
         return problem.isEmpty() ? once(c.options.serial_file, name, v) : problem;
     }},
    {"--serial-free", nullptr, true,
     [](Command_line &c, const QString &name, const QString &v) { return release(c, name, v, false); }},
    {"--serial-used", nullptr, true,
     [](Command_line &c, const QString &name, const QString &v) { return release(c, name, v, true); }},
    {"--log-csv", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         const QString problem = needs_value(name, v);
         return problem.isEmpty() ? once(c.options.log_csv, name, v) : problem;
     }},
    {"--boards", nullptr, true, [](Command_line &c, const QString &name, const QString &v) {
         int n = 0;
         if (!whole_number(v, 1, 99, n))
             return Tr::tr("--boards takes a number of boards from 1 to 99, not '%1'").arg(v);
         return once(c.options.boards, name, n);
     }},
    {"--watch", nullptr, false, [](Command_line &c, const QString &, const QString &) { c.options.watch = true; return QString(); }},
};

const Option_row *row_of(const QString &argument)
{
    for (const Option_row &r : rows)
        if (argument == QLatin1String(r.name) || (r.alias && argument == QLatin1String(r.alias)))
            return &r;
    return nullptr;
}

// What is wrong with the batch options taken together; empty when nothing.
QString combination_problem(const Batch_options &o)
{
    const auto programs = std::count_if(o.actions.begin(), o.actions.end(),
                                        [](const Batch_action &a) { return a.kind == Batch_action::program; });
    if (!o.releases.empty()) {
        if (!o.serial_file)
            return Tr::tr("--serial-free and --serial-used need --serial-file FILE");
        if (!o.actions.empty() || o.serial || !o.ports.isEmpty() || o.log_csv || o.watch)
            return Tr::tr("--serial-free and --serial-used go only with --serial-file: they touch no board");
        return {};
    }
    if (o.actions.empty())
        return Tr::tr("no action given");
    if ((o.serial_bytes || o.serial_file) && !o.serial)
        return Tr::tr("--serial-bytes and --serial-file go with --serial");
    if (o.serial && !o.serial_file)
        return Tr::tr("--serial needs --serial-file FILE to keep the next number in");
    if (o.serial && programs == 0)
        return Tr::tr("--serial needs --program");
    if (o.serial && !serial_fits(o.serial->start, o.serial->bytes))
        return Tr::tr("the serial number %1 does not fit in %2").arg(o.serial->start).arg(byte_count(o.serial->bytes));
    if (o.boards && !(o.ports.size() == 1 && o.ports[0].compare(QLatin1String("all"), Qt::CaseInsensitive) == 0))
        return Tr::tr("--boards goes with --port all");
    if (o.watch && programs != 1)
        return Tr::tr("--watch needs exactly one --program FILE to watch");
    if (o.ports.size() > 1 && o.ports.contains(QStringLiteral("all"), Qt::CaseInsensitive))
        return Tr::tr("--port all stands alone: it takes every port with a board");
    if (o.ports.size() > 1 && o.ports.contains(QStringLiteral("auto"), Qt::CaseInsensitive))
        return Tr::tr("--port auto finds one board; --port all takes every board");
    for (const QString &p : o.ports)
        if (o.ports.count(p) > 1)
            return Tr::tr("the port %1 is given twice").arg(p);
    return {};
}

} // namespace

Command_line parse_command_line(const QStringList &args)
{
    Command_line c;
    c.batch = args.contains(QStringLiteral("--batch"));
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const Option_row *row = row_of(a);
        QString problem;
        if (!row && !c.batch && c.file.isEmpty() && !a.startsWith('-')) {
            c.file = a;
        } else if (!row) {
            problem = Tr::tr("unknown argument '%1'").arg(a);
        } else if (row->takes_value && i + 1 >= args.size()) {
            problem = Tr::tr("%1 needs a value").arg(a);
        } else {
            const QString value = row->takes_value ? args[++i] : QString();
            problem = row->apply(c, a, value);
        }
        // A window run passes over what it does not know; batch mode stops at the first problem.
        if (!problem.isEmpty() && c.batch) {
            c.error = problem;
            return c;
        }
    }
    if (c.options.serial && c.options.serial_bytes)
        c.options.serial->bytes = *c.options.serial_bytes;
    if (c.batch && !c.help)
        c.error = combination_problem(c.options);
    return c;
}

bool several_boards(const Batch_options &o)
{
    return o.ports.size() > 1
           || (o.ports.size() == 1 && o.ports[0].compare(QLatin1String("all"), Qt::CaseInsensitive) == 0);
}

QString program_usage()
{
    return Tr::tr(
        "Usage: qorvil [--lang ja|en] [--trace FILE] [PROGRAM.hex]\n"
        "       qorvil --batch [options] ACTION...\n"
        "\n"
        "Host program for the SX18AC/SX28AC in-system programmer board.\n"
        "It opens the main window and the connection dialog, then PROGRAM.hex when\n"
        "given; other arguments are ignored.\n"
        "\n"
        "  --batch ...   run operations without a window ('qorvil --batch --help')\n"
        "  --lang ja|en  the language of this run (Japanese unless chosen otherwise)\n"
        "  --trace FILE  append one line per exchange with the board to FILE\n"
        "  --help-path   print where the help document is found\n"
        "  --help        show this text\n"
        "  --version     show the version\n");
}

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
           + Tr::tr("\n"
                    "Several boards (a gang) and production runs:\n"
                    "  --port P --port Q..., --ports P,Q,...\n"
                    "                       run every action on every board at the same time, one\n"
                    "                       line per board and step, then a table of the results\n"
                    "  --port all           every port where the programmer answers\n"
                    "  --boards N           with --port all: fewer answering boards is an error\n"
                    "                       (exit status 2) before any board is touched\n"
                    "  --trace FOLDER       with several boards: one trace file per board in FOLDER\n"
                    "  --read FILE.hex      with several boards: one file per board, the port in its\n"
                    "                       name (FILE-COM1.hex)\n"
                    "  --serial ADDR:START[:STEP]\n"
                    "                       write a serial number into each chip at program word\n"
                    "                       ADDR as RETW words, low byte first (decimal or 0x hex)\n"
                    "  --serial-bytes N     1 to 4 bytes (RETW words), 2 by default\n"
                    "  --serial-file FILE   where the next number is kept (created with START);\n"
                    "                       a number is used up only by a board that programmed and\n"
                    "                       verified\n"
                    "  --serial-free N, --serial-used N\n"
                    "                       with --serial-file alone: settle the pending number N that\n"
                    "                       a killed run left (back to free, or in a chip)\n"
                    "  --log-csv FILE       append one row per board and run: time, port, device,\n"
                    "                       image, CRC-32, serial number, result, seconds\n"
                    "  --watch              after the run, program again every time the --program\n"
                    "                       file changes, until Ctrl-C\n"
                    "\n"
                    "Ctrl-C, SIGTERM, SIGHUP, a closed output and the end of the parent process stop\n"
                    "every board through the abort path: the chip leaves ISP mode, the number goes\n"
                    "back, the log gets the row and the run reports it (exit status 2).\n");
}

} // namespace batch
