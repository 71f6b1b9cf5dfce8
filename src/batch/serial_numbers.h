#pragma once
// Serial numbers for production runs: what `--serial ADDR:START[:STEP]` says, the RETW words
// that carry a number in the chip, and the file that hands the numbers out.
//
// The numbers file is a short text file:
//
//     # comment lines
//     next 1005
//     free 1002
//     pending 1004 COM3, process 4711, 2026-12-01T10:00:00+01:00
//
// A number is taken from the free ones (lowest first), else it is `next` (and `next` moves
// on by STEP); it is then listed as pending until its board has finished. A board that
// programmed and verified uses it up (the line goes); any other outcome puts it back as
// free. So every number below `next` is in exactly one place: a chip, a free line or a
// pending line, and no number is handed out twice. A pending line that stays names a run
// that was killed without a chance to report: the number may or may not be in a chip.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace batch {

// A whole number as the options and the numbers file give it: decimal digits, or with
// `hex_allowed` also "0x" and hexadecimal digits; blanks around it do not count, a sign or
// anything else makes it no number.
std::optional<std::uint64_t> parse_number(const QString &text, bool hex_allowed = true);

struct Serial_plan {
    int address = 0;         // program word address of the first RETW word
    std::uint64_t start = 0;
    std::uint64_t step = 1;
    int bytes = 2;           // RETW words, 1 to 4
};

// Reads "ADDR:START[:STEP]" (each decimal, or hexadecimal with 0x). Returns an empty text,
// or what is wrong.
QString parse_serial_plan(const QString &text, Serial_plan &plan);

// "1 byte", "2 bytes".
QString byte_count(int bytes);

// Whether `number` fits in `bytes` bytes.
bool serial_fits(std::uint64_t number, int bytes);

// The words that carry `number`: one RETW (0x800 | byte) per byte, low byte first.
std::vector<int> retw_words(std::uint64_t number, int bytes);

// Why the number cannot go at plan.address of an image whose memory ends at `last_address`
// and whose word at address a is `word_at(a)`; empty when it can.
QString serial_target_problem(const Serial_plan &plan, int last_address, const std::function<int(int)> &word_at);

struct Serial_pool {
    std::uint64_t next = 0;
    std::vector<std::uint64_t> free;
    struct Pending {
        std::uint64_t number;
        QString owner;
    };
    std::vector<Pending> pending;
};

// Reads the numbers file: `text` is what it holds, none when it does not exist (the numbers
// then start at `start`). The whole file is checked: comments and blank lines, exactly one
// "next N", and "free N" and "pending N …" lines whose numbers lie below N, each number in one
// line only. Returns an empty text, or what is wrong with the file, naming its line.
QString parse_serial_pool(const QByteArray *text, std::uint64_t start, Serial_pool &pool);
QByteArray format_serial_pool(const Serial_pool &pool);

// Changes the numbers file at `path` under its lock: `change` gets the numbers read from it and
// returns an empty text to have them written back, or why not. Returns why the file could not
// be read, changed or written; empty when it was. `give_up` may end the wait for the lock.
QString change_serial_file(const QString &path, std::uint64_t start, const std::function<QString(Serial_pool &)> &change,
                           const std::function<bool()> &give_up = {});

// Hands out the next number (lowest free, else next) and lists it as pending for `owner`;
// nothing when that number does not fit in `bytes` bytes.
std::optional<std::uint64_t> take_serial(Serial_pool &pool, std::uint64_t step, int bytes, const QString &owner);

// Ends a pending number: used up, or back among the free ones. Returns false when the number
// is not pending.
bool settle_serial(Serial_pool &pool, std::uint64_t number, bool used);

} // namespace batch
