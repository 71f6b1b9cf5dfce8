// Intel HEX images for --load-hex.

#include "sim/hex_reader.h"
#include "sim_test_support.h"

#include <cctype>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace {

// One record with a correct checksum.
std::string record(unsigned address, unsigned type, const std::vector<unsigned>& data)
{
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, ":%02X%04X%02X", static_cast<unsigned>(data.size()),
                  address, type);
    std::string line = buffer;
    for (const unsigned byte : data) {
        std::snprintf(buffer, sizeof buffer, "%02X", byte);
        line += buffer;
        sum += byte;
    }
    std::snprintf(buffer, sizeof buffer, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + buffer;
}

const std::string end_record = ":00000001FF\n";

TEST(HexReader, WordsAreLittleEndianPairsAtTwiceTheAddress)
{
    const std::string text = record(0x0000, 0, {0x23, 0x01, 0xBC, 0x0A}) +
                             record(0x0FFE, 0, {0x00, 0x00}) + end_record;
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex(text, chip, error)) << error;
    EXPECT_EQ(chip.words[0], 0x123);
    EXPECT_EQ(chip.words[1], 0xABC);
    EXPECT_EQ(chip.words[2], sim::blank_word);
    EXPECT_EQ(chip.words[0x7FF], 0x000);
}

TEST(HexReader, FuseAndFusexAddresses)
{
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex(record(0x2020, 0, {0x7E, 0x0F, 0xBF, 0x04}) + end_record,
                                    chip, error))
        << error;
    EXPECT_EQ(chip.fuse, 0xF7E);
    EXPECT_EQ(chip.fusex, 0x4BF);

    sim::Chip other;
    ASSERT_TRUE(sim::read_intel_hex(record(0x1FFE, 0, {0x12, 0x03}), other, error)) << error;
    EXPECT_EQ(other.fuse, 0x312);
}

TEST(HexReader, UpperNibbleOfTheHighByteIsDropped)
{
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex(record(0x0010, 0, {0x45, 0xF6}), chip, error)) << error;
    EXPECT_EQ(chip.words[8], 0x645);
}

TEST(HexReader, OtherRecordTypesAndAddressesAreIgnored)
{
    const std::string text = record(0, 4, {0x00, 0x00}) + record(0, 2, {0x10, 0x00}) +
                             record(0, 5, {0, 0, 0, 0}) + record(0x1200, 0, {0x00, 0x00}) +
                             record(0x0004, 0, {0x55, 0x05}) + end_record;
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex(text, chip, error)) << error;
    sim::Chip expected;
    expected.words[2] = 0x555;
    EXPECT_EQ(chip, expected);
}

TEST(HexReader, LowerCaseCrLfAndBlankLinesAreAccepted)
{
    std::string text = record(0, 0, {0xAB, 0x0C});
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    text.insert(text.size() - 1, "\r");
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex("\n" + text + "\n" + end_record, chip, error)) << error;
    EXPECT_EQ(chip.words[0], 0xCAB);
}

TEST(HexReader, NothingAfterTheEndRecordIsRead)
{
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex(end_record + "this is not a record\n", chip, error)) << error;
    EXPECT_EQ(chip, sim::Chip{});
}

TEST(HexReader, BadChecksumIsRejectedAndTheChipKept)
{
    std::string bad = record(0x0002, 0, {0x11, 0x01});
    bad[bad.size() - 2] = bad[bad.size() - 2] == '0' ? '1' : '0';
    sim::Chip chip;
    chip.words[5] = 0x321;
    const sim::Chip before = chip;
    std::string error;
    EXPECT_FALSE(sim::read_intel_hex(record(0, 0, {0x00, 0x00}) + bad + end_record, chip, error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_NE(error.find("checksum"), std::string::npos) << error;
    EXPECT_EQ(chip, before);
}

TEST(HexReader, MalformedRecordsAreRejected)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"00000001FF\n", "':'"},
        {":00000001F\n", "even number"},
        {":0000\n", "too short"},
        {":0400000001FF\n", "length"},
        {":02000000ZZ00FF\n", "hexadecimal"},
    };
    for (const auto& [text, part] : cases) {
        sim::Chip chip;
        std::string error;
        EXPECT_FALSE(sim::read_intel_hex(text, chip, error)) << text;
        EXPECT_NE(error.find(part), std::string::npos) << text << " gave: " << error;
    }
}

TEST(HexReader, FileErrorsNameTheFile)
{
    sim_test::Temp_dir dir;
    sim::Chip chip;
    std::string error;
    EXPECT_FALSE(sim::load_hex_file(dir.file("missing.hex"), chip, error));
    EXPECT_NE(error.find("missing.hex"), std::string::npos) << error;

    const std::string path = dir.file("bad.hex");
    sim_test::write_file(path, ":0200000023010A\n");
    EXPECT_FALSE(sim::load_hex_file(path, chip, error));
    EXPECT_NE(error.find("bad.hex"), std::string::npos) << error;
    EXPECT_NE(error.find("checksum"), std::string::npos) << error;

    const std::string good = dir.file("good.hex");
    sim_test::write_file(good, record(0, 0, {0x23, 0x01}) + end_record);
    ASSERT_TRUE(sim::load_hex_file(good, chip, error)) << error;
    EXPECT_EQ(chip.words[0], 0x123);
}

}  // namespace
