#include "batch/serial_numbers.h"
#include "batch/tr.h"
#include "platform/locked_file.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace batch {
namespace {

bool number_of(const QString &text, std::uint64_t &out)
{
    const std::optional<std::uint64_t> n = parse_number(text);
    out = n.value_or(0);
    return n.has_value();
}

bool is_digit(QChar c, int base)
{
    return (c >= '0' && c <= '9') || (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

QString hex3(int value) { return QString::number(value, 16).toUpper().rightJustified(3, QLatin1Char('0')); }

} // namespace

std::optional<std::uint64_t> parse_number(const QString &text, bool hex_allowed)
{
    QString digits = text.trimmed();
    int base = 10;
    if (hex_allowed && digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        base = 16;
    }
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [base](QChar c) { return is_digit(c, base); }))
        return std::nullopt;
    bool ok = false;
    const std::uint64_t n = digits.toULongLong(&ok, base);
    return ok ? std::optional<std::uint64_t>(n) : std::nullopt;
}

QString parse_serial_plan(const QString &text, Serial_plan &plan)
{
    const QStringList parts = text.split(':');
    std::uint64_t address = 0, start = 0, step = 1;
    if (parts.size() < 2 || parts.size() > 3 || !number_of(parts[0], address) || !number_of(parts[1], start)
        || (parts.size() == 3 && !number_of(parts[2], step)))
        return Tr::tr("--serial takes ADDR:START or ADDR:START:STEP, numbers in decimal or 0x hexadecimal, not '%1'")
            .arg(text);
    if (address > 2047)
        return Tr::tr("the serial address %1 lies beyond the largest program memory (0x7FF)").arg(parts[0]);
    if (step == 0)
        return Tr::tr("the serial step must be at least 1");
    plan.address = int(address);
    plan.start = start;
    plan.step = step;
    return {};
}

QString byte_count(int bytes) { return bytes == 1 ? Tr::tr("1 byte") : Tr::tr("%1 bytes").arg(bytes); }

bool serial_fits(std::uint64_t number, int bytes) { return bytes >= 8 || number >> (8 * bytes) == 0; }

std::vector<int> retw_words(std::uint64_t number, int bytes)
{
    std::vector<int> words;
    for (int i = 0; i < bytes; ++i)
        words.push_back(0x800 | int((number >> (8 * i)) & 0xFF));
    return words;
}

QString serial_target_problem(const Serial_plan &plan, int last_address, const std::function<int(int)> &word_at)
{
    const int end = plan.address + plan.bytes - 1;
    if (end > last_address)
        return Tr::tr("the serial number at 0x%1 to 0x%2 lies outside the chip's memory (0x000 to 0x%3)")
            .arg(hex3(plan.address), hex3(end), hex3(last_address));
    for (int a = plan.address; a <= end; ++a)
        if (word_at(a) != 0xFFF)
            return Tr::tr("the image already holds the word %1 at 0x%2, where the serial number goes")
                .arg(hex3(word_at(a)), hex3(a));
    return {};
}

QString parse_serial_pool(const QByteArray *text, std::uint64_t start, Serial_pool &pool)
{
    pool = {};
    if (!text) {
        pool.next = start;
        return {};
    }
    std::vector<std::pair<std::uint64_t, int>> listed;  // every free and pending number, with its line
    static const QRegularExpression form(QStringLiteral("^(next|free|pending)\\s+(\\S+)(?:\\s+(.*))?$"));
    int next_line = 0;
    int line_number = 0;
    for (const QByteArray &raw : text->split('\n')) {
        ++line_number;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QRegularExpressionMatch m = form.match(line);
        const std::optional<std::uint64_t> n = parse_number(m.captured(2), false);
        const QString key = m.captured(1), owner = m.captured(3);
        if (!m.hasMatch() || !n || (key != QLatin1String("pending") && !owner.isEmpty()))
            return Tr::tr("line %1 is not 'next N', 'free N', 'pending N …' or a comment").arg(line_number);
        if (key == QLatin1String("next")) {
            if (next_line)
                return Tr::tr("line %1 is a second 'next' line (the first is line %2)").arg(line_number).arg(next_line);
            pool.next = *n;
            next_line = line_number;
            continue;
        }
        if (key == QLatin1String("pending"))
            pool.pending.push_back({*n, owner});
        else
            pool.free.push_back(*n);
        listed.emplace_back(*n, line_number);
    }
    if (!next_line)
        return Tr::tr("the line 'next N' is missing (only a file that does not exist starts at %1)").arg(start);
    std::sort(listed.begin(), listed.end());
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i].first >= pool.next)
            return Tr::tr("line %1: %2 is not below 'next %3'").arg(listed[i].second).arg(listed[i].first).arg(pool.next);
        if (i > 0 && listed[i].first == listed[i - 1].first)
            return Tr::tr("line %1: %2 is listed in line %3 already")
                .arg(std::max(listed[i].second, listed[i - 1].second))
                .arg(listed[i].first)
                .arg(std::min(listed[i].second, listed[i - 1].second));
    }
    return {};
}

QString change_serial_file(const QString &path, std::uint64_t start, const std::function<QString(Serial_pool &)> &change,
                           const std::function<bool()> &give_up)
{
    QString problem;
    const QString failure = platform::change_locked(
        path,
        [&](const QByteArray *old) -> std::optional<QByteArray> {
            Serial_pool pool;
            problem = parse_serial_pool(old, start, pool);
            if (problem.isEmpty())
                problem = change(pool);
            if (!problem.isEmpty())
                return std::nullopt;
            return format_serial_pool(pool);
        },
        give_up);
    return failure.isEmpty() ? problem : failure;
}

QByteArray format_serial_pool(const Serial_pool &pool)
{
    QByteArray out = "# Qorvil serial numbers (qorvil --batch --serial). Every number below \"next\"\n"
                     "# that is not listed here has gone into a chip that programmed and verified.\n";
    out += "next " + QByteArray::number(qulonglong(pool.next)) + '\n';
    std::vector<std::uint64_t> free = pool.free;
    std::sort(free.begin(), free.end());
    for (const std::uint64_t n : free)
        out += "free " + QByteArray::number(qulonglong(n)) + '\n';
    for (const Serial_pool::Pending &p : pool.pending)
        out += "pending " + QByteArray::number(qulonglong(p.number)) + ' ' + p.owner.toUtf8() + '\n';
    return out;
}

std::optional<std::uint64_t> take_serial(Serial_pool &pool, std::uint64_t step, int bytes, const QString &owner)
{
    const auto lowest = std::min_element(pool.free.begin(), pool.free.end());
    const std::uint64_t n = lowest != pool.free.end() ? *lowest : pool.next;
    if (!serial_fits(n, bytes))
        return std::nullopt;
    if (lowest != pool.free.end())
        pool.free.erase(lowest);
    else
        pool.next += step;
    pool.pending.push_back({n, owner});
    return n;
}

bool settle_serial(Serial_pool &pool, std::uint64_t number, bool used)
{
    const auto p = std::find_if(pool.pending.begin(), pool.pending.end(),
                                [number](const Serial_pool::Pending &e) { return e.number == number; });
    if (p == pool.pending.end())
        return false;
    pool.pending.erase(p);
    if (!used)
        pool.free.push_back(number);
    return true;
}

} // namespace batch
