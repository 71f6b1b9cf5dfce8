#pragma once
// Reading Intel HEX text into program words. Plain C++ without Qt, so that the reader can be
// exercised on its own (unit tests, fuzzing).
//
// What is read:
// - Lines end in LF, CR LF or CR; blank lines (also blanks and tabs only) are skipped.
// - A line that does not begin with ':' ends the reading: the file is not Intel HEX.
// - Only data records (type 00) are used; every other record type, the end record and the
//   extended-address records included, is skipped. Data records are placed by their
//   16-bit address only.
// - A data record carries little-endian byte pairs: byte k belongs to word address
//   A / 2 + k / 2 (A the record's byte address), first the low byte, then the high byte.
//   The word text is the high byte's two digits followed by the low byte's, in upper case.
// - A record of any type that is malformed (too short for its byte count, a character that
//   is not a hex digit, a wrong checksum, an overlong line; an odd byte count in a data
//   record) or a word address above `last_image_address` ends the reading with a reading
//   error.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace image::hex {

// Highest word address the image holds.
inline constexpr int last_image_address = 5000;

// Where a file may carry FUSE (two places) and FUSEX, as word addresses.
inline constexpr int fuse_address = 0xFFF;
inline constexpr int fuse_address_2 = 0x1010;
inline constexpr int fusex_address = 0x1011;

// The longest line accepted. A record carries at most 255 data bytes, which makes
// 1 + 2 + 4 + 2 + 510 + 2 = 521 characters; the rest leaves room for trailing blanks.
inline constexpr std::size_t max_line_length = 1024;

// ---- One line -------------------------------------------------------------------------

enum class Line_kind {
    blank,       // nothing but blanks: skipped
    not_hex,     // does not begin with ':'
    skipped,     // a well-formed record of a type other than data
    data,        // a data record whose length, digits and checksum are right
    bad_record,  // begins with ':' but is malformed
};

struct Line_info {
    Line_kind kind = Line_kind::blank;
    int byte_count = 0;
    int address = 0;       // byte address from the record
    int record_type = 0;
    std::string_view data; // data digits (2 * byte_count characters) of a data record
    const char *problem = ""; // what is wrong with a bad record
};

// Looks at one line (without its line end).
Line_info examine_line(std::string_view line);

// The value of one hex digit, or -1.
int hex_digit(char c);

// ---- A whole file ---------------------------------------------------------------------

enum class Read_end {
    end_of_file,    // every line read
    not_hex,        // a line did not begin with ':'
    reading_error,  // a malformed record, a word address beyond the image, or the source failed
};

struct Read_outcome {
    Read_end end = Read_end::end_of_file;
    bool fuse_found = false;
    bool fusex_found = false;
    std::string fuse_word;    // the last FUSE word found
    std::string fusex_word;   // the last FUSEX word found
    long line_number = 0;     // line where the reading stopped early (counted from 1)
    std::string problem;      // why it stopped early
};

// Fills `buffer` with up to `capacity` bytes; returns how many (0 at the end, negative
// when reading failed).
using Byte_source = std::function<long long(char *buffer, long long capacity)>;

// Takes one word: address 0 to last_image_address, text of four upper-case hex digits.
using Word_sink = std::function<void(int address, const std::string &word)>;

// A source over text held in memory (which must outlive it), at most `chunk` bytes a time.
Byte_source text_source(std::string_view text, std::size_t chunk = std::string_view::npos);

// Reads the records from `source` and hands every data word to `store`, in file order.
// Memory use does not depend on the size of the input.
Read_outcome read_hex(const Byte_source &source, const Word_sink &store);

// ---- Writing --------------------------------------------------------------------------

// The Intel HEX checksum of the bytes of a record (count, address, type, data): the two's
// complement of their sum, modulo 256.
unsigned checksum(const unsigned char *bytes, std::size_t count);

// One record as text without its line end, every digit upper case:
// ':' count address type data checksum.
std::string record_text(int address, int record_type, const unsigned char *data, std::size_t count);

} // namespace image::hex
