#include "image/hex_records.h"

#include <algorithm>
#include <vector>

namespace image::hex {
namespace {

const char upper_digits[] = "0123456789ABCDEF";

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The byte written by the two hex digits at `pos`; both must be hex digits.
int byte_at(std::string_view line, std::size_t pos) { return hex_digit(line[pos]) * 16 + hex_digit(line[pos + 1]); }

bool all_hex(std::string_view text)
{
    for (char c : text)
        if (hex_digit(c) < 0)
            return false;
    return true;
}

char upper(char c) { return (c >= 'a' && c <= 'f') ? char(c - 'a' + 'A') : c; }

Line_info bad(const char *problem)
{
    Line_info info;
    info.kind = Line_kind::bad_record;
    info.problem = problem;
    return info;
}

// Cuts a byte stream into lines of bounded length. A line longer than max_line_length is
// kept only up to that length and marked as overlong; the rest of it is read and dropped.
class Line_reader {
public:
    explicit Line_reader(const Byte_source &source) : source_(source), chunk_(64 * 1024) {}

    enum class Status { line, end, failed };

    Status next(std::string &line, bool &overlong)
    {
        line.clear();
        overlong = false;
        bool any = false;  // something of this line was read (its end included)
        for (;;) {
            if (pos_ == len_) {
                if (at_end_)
                    return any ? Status::line : Status::end;
                const long long n = source_(chunk_.data(), static_cast<long long>(chunk_.size()));
                if (n < 0 || n > static_cast<long long>(chunk_.size()))
                    return Status::failed;
                if (n == 0) {
                    at_end_ = true;
                    continue;
                }
                pos_ = 0;
                len_ = static_cast<std::size_t>(n);
            }
            const char c = chunk_[pos_++];
            if (after_cr_) {
                after_cr_ = false;
                if (c == '\n')
                    continue;  // the second half of CR LF
            }
            if (c == '\r' || c == '\n') {
                after_cr_ = c == '\r';
                return Status::line;
            }
            any = true;
            if (line.size() < max_line_length)
                line.push_back(c);
            else
                overlong = true;
        }
    }

private:
    const Byte_source &source_;
    std::vector<char> chunk_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool at_end_ = false;
    bool after_cr_ = false;
};

} // namespace

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

Line_info examine_line(std::string_view line)
{
    while (!line.empty() && is_blank(line.back()))
        line.remove_suffix(1);
    if (line.empty())
        return {};

    Line_info info;
    if (line.front() != ':') {
        info.kind = Line_kind::not_hex;
        return info;
    }
    // ':' count(2) address(4) type(2) checksum(2)
    if (line.size() < 11)
        return bad("record too short");
    if (!all_hex(line.substr(1, 8)))
        return bad("not a hex digit in the record header");

    info.byte_count = byte_at(line, 1);
    info.address = byte_at(line, 3) * 256 + byte_at(line, 5);
    info.record_type = byte_at(line, 7);

    // Every record is checked whole, whether it is used or not.
    const std::size_t data_chars = 2 * static_cast<std::size_t>(info.byte_count);
    const std::size_t needed = 9 + data_chars + 2;
    if (line.size() < needed)
        return bad("line shorter than its byte count");
    if (!all_hex(line.substr(9, data_chars + 2)))
        return bad("not a hex digit in the data or checksum");
    unsigned sum = 0;
    for (std::size_t pos = 1; pos < needed; pos += 2)
        sum += static_cast<unsigned>(byte_at(line, pos));
    if ((sum & 0xFF) != 0)
        return bad("checksum does not match");
    if (info.record_type != 0) {
        info.kind = Line_kind::skipped;
        return info;
    }
    if (info.byte_count % 2 != 0)
        return bad("odd byte count in a data record");

    info.kind = Line_kind::data;
    info.data = line.substr(9, data_chars);
    return info;
}

Byte_source text_source(std::string_view text, std::size_t chunk)
{
    return [text, chunk, at = std::size_t(0)](char *buffer, long long capacity) mutable -> long long {
        const std::size_t n = std::min({chunk, std::size_t(capacity), text.size() - at});
        text.copy(buffer, n, at);
        at += n;
        return static_cast<long long>(n);
    };
}

Read_outcome read_hex(const Byte_source &source, const Word_sink &store)
{
    Read_outcome out;
    Line_reader reader(source);
    std::string line;
    std::string word(4, '0');
    bool overlong = false;

    auto stop = [&out](Read_end end, const char *problem) {
        out.end = end;
        out.problem = problem;
        return out;
    };

    for (;;) {
        const Line_reader::Status status = reader.next(line, overlong);
        if (status == Line_reader::Status::end)
            return out;
        ++out.line_number;
        if (status == Line_reader::Status::failed)
            return stop(Read_end::reading_error, "the file could not be read");
        if (overlong) {
            if (line.front() == ':')
                return stop(Read_end::reading_error, "line too long");
            return stop(Read_end::not_hex, "not a HEX record");
        }

        const Line_info info = examine_line(line);
        switch (info.kind) {
        case Line_kind::blank:
        case Line_kind::skipped:
            continue;
        case Line_kind::not_hex:
            return stop(Read_end::not_hex, "not a HEX record");
        case Line_kind::bad_record:
            return stop(Read_end::reading_error, info.problem);
        case Line_kind::data:
            break;
        }

        const int first = info.address / 2;
        for (std::size_t i = 0; i + 4 <= info.data.size(); i += 4) {
            const int address = first + static_cast<int>(i / 4);
            if (address > last_image_address)
                return stop(Read_end::reading_error, "word address beyond the image");
            word[0] = upper(info.data[i + 2]);
            word[1] = upper(info.data[i + 3]);
            word[2] = upper(info.data[i]);
            word[3] = upper(info.data[i + 1]);
            store(address, word);
            if (address == fuse_address || address == fuse_address_2) {
                out.fuse_found = true;
                out.fuse_word = word;
            } else if (address == fusex_address) {
                out.fusex_found = true;
                out.fusex_word = word;
            }
        }
    }
}

unsigned checksum(const unsigned char *bytes, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return (256 - (sum & 0xFF)) & 0xFF;
}

std::string record_text(int address, int record_type, const unsigned char *data, std::size_t count)
{
    std::vector<unsigned char> bytes;
    bytes.reserve(count + 4);
    bytes.push_back(static_cast<unsigned char>(count & 0xFF));
    bytes.push_back(static_cast<unsigned char>((address >> 8) & 0xFF));
    bytes.push_back(static_cast<unsigned char>(address & 0xFF));
    bytes.push_back(static_cast<unsigned char>(record_type & 0xFF));
    bytes.insert(bytes.end(), data, data + count);
    bytes.push_back(static_cast<unsigned char>(checksum(bytes.data(), bytes.size())));

    std::string text(1, ':');
    text.reserve(1 + 2 * bytes.size());
    for (unsigned char b : bytes) {
        text.push_back(upper_digits[b >> 4]);
        text.push_back(upper_digits[b & 0x0F]);
    }
    return text;
}

} // namespace image::hex
