#include "batch/serial_numbers.h"
#include "batch/tr.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace batch {
namespace {

bool number_of(const QString &text, std::uint64_t &out)
{
    bool ok = false;
    out = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toULongLong(&ok, 16)
                                                                    : text.toULongLong(&ok, 10);
    return ok && !text.startsWith('+') && !text.startsWith('-');
}

QString hex3(int value) { return QString::number(value, 16).toUpper().rightJustified(3, QLatin1Char('0')); }

} // namespace

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

QString parse_serial_pool(const QByteArray &text, std::uint64_t start, Serial_pool &pool)
{
    pool = {};
    bool next_seen = false;
    int line_number = 0;
    for (const QByteArray &raw : text.split('\n')) {
        ++line_number;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QString key = line.section(' ', 0, 0);
        std::uint64_t n = 0;
        const bool number = number_of(line.section(' ', 1, 1, QString::SectionSkipEmpty), n);
        if (key == QLatin1String("next") && number && !next_seen) {
            pool.next = n;
            next_seen = true;
        } else if (key == QLatin1String("free") && number) {
            pool.free.push_back(n);
        } else if (key == QLatin1String("pending") && number) {
            pool.pending.push_back({n, line.section(' ', 2, -1, QString::SectionSkipEmpty)});
        } else {
            return Tr::tr("line %1 is not 'next N', 'free N' or 'pending N …'").arg(line_number);
        }
    }
    if (!next_seen) {
        if (!pool.free.empty() || !pool.pending.empty())
            return Tr::tr("the line 'next N' is missing");
        pool.next = start;
    }
    return {};
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

void settle_serial(Serial_pool &pool, std::uint64_t number, bool used)
{
    const auto p = std::find_if(pool.pending.begin(), pool.pending.end(),
                                [number](const Serial_pool::Pending &e) { return e.number == number; });
    if (p == pool.pending.end())
        return;
    pool.pending.erase(p);
    if (!used)
        pool.free.push_back(number);
}

} // namespace batch
