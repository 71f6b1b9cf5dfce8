// libFuzzer target for the HEX record reader that the open command uses. Built with
// clang++ -fsanitize=fuzzer,address,undefined from this file and image/hex_records.cpp alone.
//
// Besides "no crash, no undefined behaviour, bounded memory" it checks what the reader
// promises: every word handed over lies inside the image and is four upper-case hex
// digits, and a data record rewritten by the writer reads back the same.

#include "image/hex_records.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace image::hex;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool upper_word(const std::string &word)
{
    return word.size() == 4 && word.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

// The reader over the whole input, fed in chunks of a size taken from the first byte so
// that line ends fall on every kind of chunk boundary.
void read_whole(const std::uint8_t *data, std::size_t size)
{
    const std::size_t chunk = size == 0 ? 1 : std::size_t(data[0] % 61) + 1;
    const Byte_source text = text_source(std::string_view(reinterpret_cast<const char *>(data), size), chunk);
    std::size_t pos = 0;
    long words = 0;
    const Read_outcome outcome = read_hex(
        [&](char *buffer, long long capacity) {
            const long long n = text(buffer, capacity);
            pos += std::size_t(n);
            return n;
        },
        [&](int address, const std::string &word) {
            require(address >= 0 && address <= last_image_address && upper_word(word));
            ++words;
        });
    require((!outcome.fuse_found || upper_word(outcome.fuse_word)) && (!outcome.fusex_found || upper_word(outcome.fusex_word)));
    require(words <= long(size) && (outcome.end != Read_end::end_of_file || pos == size));
}

// One line on its own, and the writer's form of a data record read back.
void examine_alone(const std::uint8_t *data, std::size_t size)
{
    const Line_info info = examine_line(std::string_view(reinterpret_cast<const char *>(data), size));
    if (info.kind != Line_kind::data)
        return;
    require(info.byte_count % 2 == 0 && info.data.size() == std::size_t(2 * info.byte_count));
    std::string bytes;
    for (std::size_t i = 0; i < info.data.size(); i += 2) {
        require(hex_digit(info.data[i]) >= 0 && hex_digit(info.data[i + 1]) >= 0);
        bytes += char(hex_digit(info.data[i]) * 16 + hex_digit(info.data[i + 1]));
    }
    const std::string written = record_text(info.address, 0, reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
    const Line_info again = examine_line(written);  // views into `written`
    require(again.kind == Line_kind::data && again.address == info.address && again.byte_count == info.byte_count);
    for (std::size_t i = 0; i < info.data.size(); ++i)
        require(again.data[i] == std::toupper(static_cast<unsigned char>(info.data[i])));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    read_whole(data, size);
    examine_alone(data, size);
    return 0;
}
