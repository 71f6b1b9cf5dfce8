// The chip's files: the --state file, Intel HEX images for --load-hex, and the chip the
// board starts with.

#include "sim/hex_reader.h"
#include "sim/initial_chip.h"
#include "sim/save_schedule.h"
#include "sim/state_file.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using sim_test::Temp_dir;

sim::Chip sample_chip()
{
    sim::Chip chip;
    for (int i = 0; i < sim::program_words; ++i)
        chip.words[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>((i * 37) & 0xFFF);
    chip.fuse = 0x0F7E;
    chip.fusex = 0x04BF;
    return chip;
}

TEST(StateFile, SaveAndLoadRoundTrip)
{
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    sim::Chip chip;
    std::string error;
    EXPECT_EQ(sim::load_state_file(path, chip, error), sim::State_load::missing);
    EXPECT_EQ(chip, sim::Chip{});

    ASSERT_TRUE(sim::save_state_file(path, sample_chip(), error)) << error;
    EXPECT_EQ(sim_test::read_file(path).rfind("qorvil-board-sim chip state 1\nFUSE 0F7E\nFUSEX 04BF\n000: 0000 0025", 0), 0u);
    ASSERT_EQ(sim::load_state_file(path, chip, error), sim::State_load::loaded) << error;
    EXPECT_EQ(chip, sample_chip());
}

TEST(StateFile, MalformedFileIsRejectedNamingTheLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"something else\n", "line 1"},
        {"qorvil-board-sim chip state 1\nFUSE 0FFF\n7F8: 0FFF 1000\n", "line 3"},
        {"qorvil-board-sim chip state 1\n7FF: 0FFF 0FFF\n", "past the end"}};
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    for (const auto& [text, part] : cases) {
        sim_test::write_file(path, text);
        sim::Chip chip;
        std::string error;
        EXPECT_EQ(sim::load_state_file(path, chip, error), sim::State_load::failed) << text;
        EXPECT_NE(error.find(part), std::string::npos) << error;
    }
}

TEST(StateFile, SaveReplacesTheFileAtomically)
{
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    std::string error;
    ASSERT_TRUE(sim::save_state_file(path, sim::Chip{}, error)) << error;
    const std::string old_text = sim_test::read_file(path);

    // The temporary name is taken by a directory, so the new file cannot be made.
    const std::string temporary = path + ".tmp." + std::to_string(::getpid());
    ASSERT_TRUE(std::filesystem::create_directory(temporary));
    EXPECT_FALSE(sim::save_state_file(path, sample_chip(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(sim_test::read_file(path), old_text);
    ASSERT_TRUE(std::filesystem::remove(temporary));

    // A second name for the old file: an in-place rewrite would change it too.
    ASSERT_EQ(::link(path.c_str(), dir.file("old.state").c_str()), 0);
    ASSERT_TRUE(sim::save_state_file(path, sample_chip(), error)) << error;
    EXPECT_EQ(sim_test::read_file(dir.file("old.state")), old_text);
    EXPECT_EQ(sim_test::read_file(path), sim::format_state(sample_chip()));
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.path), {});
    EXPECT_EQ(entries, 2) << "no temporary file is left behind";
}

TEST(SaveSchedule, CoalescesChangesUntilTheDelayRunsOut)
{
    sim::Save_schedule schedule(0.5);
    EXPECT_FALSE(schedule.due(100.0));
    schedule.changed(10.0);
    schedule.changed(10.3);  // does not push the deadline
    EXPECT_FALSE(schedule.due(10.4));
    EXPECT_TRUE(schedule.due(10.5));
    schedule.saved();
    EXPECT_FALSE(schedule.deadline());
    schedule.changed(11.0);
    EXPECT_DOUBLE_EQ(*schedule.deadline(), 11.5);
}

TEST(InitialChip, FreshChipThenStateFileThenHexImage)
{
    Temp_dir dir;
    sim::Board_options options;
    options.revision = sim::Chip_revision::old_revision;
    options.state_path = dir.file("chip.state");
    std::string error;
    EXPECT_EQ(sim::initial_chip(options, error).value(), sim::Chip{}) << "no state file yet";
    options.revision = sim::Chip_revision::a_revision;
    EXPECT_EQ(sim::initial_chip(options, error).value().fusex, 0x0DFF);

    ASSERT_TRUE(sim::save_state_file(options.state_path, sample_chip(), error)) << error;
    EXPECT_EQ(sim::initial_chip(options, error).value(), sample_chip());

    // A HEX image fills the fresh chip; the state file is not read.
    options.load_hex_path = dir.file("image.hex");
    sim_test::write_file(options.load_hex_path, ":020000002301DA\n:00000001FF\n");
    sim::Chip expected = sim::fresh_chip(sim::Chip_revision::a_revision);
    expected.words[0] = 0x123;
    EXPECT_EQ(sim::initial_chip(options, error).value(), expected);

    options.load_hex_path.clear();
    sim_test::write_file(options.state_path, "garbage\n");
    EXPECT_FALSE(sim::initial_chip(options, error));
    EXPECT_NE(error.find("chip.state"), std::string::npos) << error;
}

TEST(HexReader, ReadsWordsFuseAndFusexAndIgnoresTheRest)
{
    const std::string text = "\n"
                             ":040000002301BC0A12\r\n"      // words 0 and 1, low byte first
                             ":0200100045f6b3\n"            // word 8, upper nibble dropped
                             ":020000040000FA\n"            // other record types
                             ":020000021000EC\n"
                             ":0400000500000000F7\n"
                             ":021200000000EC\n"            // word 0x900: not on the chip
                             ":042020007E0FBF046C\n"        // FUSE and FUSEX
                             ":00000001FF\n"
                             "this is not read\n";
    sim::Chip chip;
    std::string error;
    ASSERT_TRUE(sim::read_intel_hex(text, chip, error)) << error;
    sim::Chip expected;
    expected.words[0] = 0x123;
    expected.words[1] = 0xABC;
    expected.words[8] = 0x645;
    expected.fuse = 0xF7E;
    expected.fusex = 0x4BF;
    EXPECT_EQ(chip, expected);

    ASSERT_TRUE(sim::read_intel_hex(":021FFE001203CC\n:020FFE000000F1\n", chip, error)) << error;
    EXPECT_EQ(chip.fuse, 0x312) << "FUSE at its other address";
    EXPECT_EQ(chip.words[0x7FF], 0x000);
}

TEST(HexReader, MalformedRecordsAreRejectedAndTheChipKept)
{
    const std::pair<const char*, const char*> cases[] = {
        {"00000001FF", "':'"},           {":00000001F", "even number"},
        {":0000", "too short"},          {":0400000001FF", "length"},
        {":02000000ZZ00FF", "hexadecimal"}, {":0200000023010A", "checksum"}};
    for (const auto& [line, part] : cases) {
        sim::Chip chip;
        chip.words[5] = 0x321;
        const sim::Chip before = chip;
        std::string error;
        EXPECT_FALSE(sim::read_intel_hex(":020000002301DA\n" + std::string(line) + "\n", chip, error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << line << " gave: " << error;
        EXPECT_NE(error.find(part), std::string::npos) << line << " gave: " << error;
        EXPECT_EQ(chip, before) << line;
    }
}

TEST(HexReader, FileErrorsNameTheFile)
{
    Temp_dir dir;
    sim::Chip chip;
    std::string error;
    EXPECT_FALSE(sim::load_hex_file(dir.file("missing.hex"), chip, error));
    EXPECT_NE(error.find("missing.hex"), std::string::npos) << error;

    const std::string path = dir.file("bad.hex");
    sim_test::write_file(path, ":0200000023010A\n");
    EXPECT_FALSE(sim::load_hex_file(path, chip, error));
    EXPECT_NE(error.find("bad.hex: line 1"), std::string::npos) << error;
}

}  // namespace
