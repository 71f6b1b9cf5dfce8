// libFuzzer target for the HEX record reader that the open command uses. Built with
// clang++ -fsanitize=fuzzer,address,undefined from this file and image/hex_records.cpp alone.
//
// Besides "no crash, no undefined behaviour, bounded memory" it checks what the reader
// promises: every word handed over lies inside the image and is four upper-case hex
// digits, and a data record rewritten by the writer reads back the same.

#include "image/hex_records.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace image::hex;

bool upper_hex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void check_word(const std::string &word)
{
    require(word.size() == 4);
    for (char c : word)
        require(upper_hex(c));
}

// The reader over the whole input, fed in chunks of a size taken from the first byte so
// that line ends fall on every kind of chunk boundary.
void read_whole(const std::uint8_t *data, std::size_t size)
{
    const std::size_t chunk = size == 0 ? 1 : std::size_t(data[0] % 61) + 1;
    std::size_t pos = 0;
    long words = 0;
    const Read_outcome outcome = read_hex(
        [&](char *buffer, long long capacity) -> long long {
            require(capacity > 0);
            std::size_t n = size - pos;
            if (n > chunk)
                n = chunk;
            if (n > std::size_t(capacity))
                n = std::size_t(capacity);
            for (std::size_t i = 0; i < n; ++i)
                buffer[i] = char(data[pos + i]);
            pos += n;
            return static_cast<long long>(n);
        },
        [&](int address, const std::string &word) {
            require(address >= 0 && address <= last_image_address);
            check_word(word);
            ++words;
        });
    require(pos <= size);
    if (outcome.fuse_found)
        check_word(outcome.fuse_word);
    if (outcome.fusex_found)
        check_word(outcome.fusex_word);
    require(words <= long(size));
    if (outcome.end == Read_end::end_of_file)
        require(pos == size);
}

// One line on its own, and the writer's form of a data record read back.
void examine_alone(const std::uint8_t *data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char *>(data), size);
    const Line_info info = examine_line(line);
    if (info.kind != Line_kind::data)
        return;
    require(info.byte_count % 2 == 0);
    require(info.data.size() == std::size_t(2 * info.byte_count));

    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < info.data.size(); i += 2) {
        const int hi = hex_digit(info.data[i]);
        const int lo = hex_digit(info.data[i + 1]);
        require(hi >= 0 && lo >= 0);
        bytes.push_back(static_cast<unsigned char>(hi * 16 + lo));
    }
    const std::string again = record_text(info.address, 0, bytes.data(), bytes.size());
    const Line_info second = examine_line(again);
    require(second.kind == Line_kind::data);
    require(second.address == info.address);
    require(second.byte_count == info.byte_count);
    for (std::size_t i = 0; i < info.data.size(); ++i) {
        char c = info.data[i];
        if (c >= 'a' && c <= 'f')
            c = char(c - 'a' + 'A');
        require(second.data[i] == c);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    read_whole(data, size);
    examine_alone(data, size);
    return 0;
}
