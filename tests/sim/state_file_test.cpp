// The --state file and the chip the board starts with.

#include "sim/initial_chip.h"
#include "sim/save_schedule.h"
#include "sim/state_file.h"
#include "sim_test_support.h"

#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

std::vector<std::string> directory_entries(const std::string& path)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    return names;
}

TEST(StateFile, FormatAndParseRoundTrip)
{
    const sim::Chip chip = sample_chip();
    const std::string text = sim::format_state(chip);
    EXPECT_EQ(text.rfind("qorvil-board-sim chip state 1\nFUSE 0F7E\nFUSEX 04BF\n000: 0000 0025", 0),
              0u);
    sim::Chip parsed;
    std::string error;
    ASSERT_TRUE(sim::parse_state(text, parsed, error)) << error;
    EXPECT_EQ(parsed, chip);
}

TEST(StateFile, SaveAndLoadRoundTrip)
{
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    std::string error;
    ASSERT_TRUE(sim::save_state_file(path, sample_chip(), error)) << error;
    sim::Chip loaded;
    ASSERT_EQ(sim::load_state_file(path, loaded, error), sim::State_load::loaded) << error;
    EXPECT_EQ(loaded, sample_chip());
}

TEST(StateFile, MissingFileIsNotAnError)
{
    Temp_dir dir;
    sim::Chip chip;
    std::string error;
    EXPECT_EQ(sim::load_state_file(dir.file("none"), chip, error), sim::State_load::missing);
    EXPECT_EQ(chip, sim::Chip{});
}

TEST(StateFile, MalformedFileIsRejected)
{
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    std::string error;
    sim::Chip chip;

    sim_test::write_file(path, "something else\n");
    EXPECT_EQ(sim::load_state_file(path, chip, error), sim::State_load::failed);
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;

    sim_test::write_file(path, "qorvil-board-sim chip state 1\nFUSE 0FFF\n7F8: 0FFF 1000\n");
    EXPECT_EQ(sim::load_state_file(path, chip, error), sim::State_load::failed);
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;

    sim_test::write_file(path, "qorvil-board-sim chip state 1\n7FF: 0FFF 0FFF\n");
    EXPECT_EQ(sim::load_state_file(path, chip, error), sim::State_load::failed);
    EXPECT_NE(error.find("past the end"), std::string::npos) << error;
    EXPECT_EQ(chip, sim::Chip{});
}

TEST(StateFile, SaveReplacesTheFileByRename)
{
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    const std::string old_name = dir.file("old.state");
    std::string error;
    ASSERT_TRUE(sim::save_state_file(path, sim::Chip{}, error)) << error;
    const std::string old_text = sim_test::read_file(path);
    // A second name for the old file: an in-place rewrite would change it too.
    ASSERT_EQ(::link(path.c_str(), old_name.c_str()), 0);

    ASSERT_TRUE(sim::save_state_file(path, sample_chip(), error)) << error;
    EXPECT_EQ(sim_test::read_file(old_name), old_text);
    EXPECT_EQ(sim_test::read_file(path), sim::format_state(sample_chip()));

    auto names = directory_entries(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"chip.state", "old.state"}))
        << "no temporary file is left behind";
}

TEST(StateFile, FailedSaveKeepsTheOldFile)
{
    Temp_dir dir;
    const std::string path = dir.file("chip.state");
    std::string error;
    ASSERT_TRUE(sim::save_state_file(path, sim::Chip{}, error)) << error;
    // The temporary name is taken by a directory, so the new file cannot be made.
    ASSERT_EQ(::mkdir((path + ".tmp." + std::to_string(::getpid())).c_str(), 0700), 0);
    EXPECT_FALSE(sim::save_state_file(path, sample_chip(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(sim_test::read_file(path), sim::format_state(sim::Chip{}));
}

TEST(SaveSchedule, CoalescesChangesUntilTheDelayRunsOut)
{
    sim::Save_schedule schedule(0.5);
    EXPECT_FALSE(schedule.deadline());
    EXPECT_FALSE(schedule.due(100.0));
    schedule.changed(10.0);
    schedule.changed(10.3);  // does not push the deadline
    EXPECT_DOUBLE_EQ(*schedule.deadline(), 10.5);
    EXPECT_FALSE(schedule.due(10.4));
    EXPECT_TRUE(schedule.due(10.5));
    schedule.saved();
    EXPECT_FALSE(schedule.deadline());
    schedule.changed(11.0);
    EXPECT_DOUBLE_EQ(*schedule.deadline(), 11.5);
}

TEST(InitialChip, FreshChipOfTheRevision)
{
    sim::Board_options options;
    std::string error;
    EXPECT_EQ(sim::initial_chip(options, error)->fusex, 0x0DFF);
    options.revision = sim::Chip_revision::old_revision;
    EXPECT_EQ(*sim::initial_chip(options, error), sim::Chip{});
}

TEST(InitialChip, StateFileWhenPresent)
{
    Temp_dir dir;
    sim::Board_options options;
    options.state_path = dir.file("chip.state");
    std::string error;
    ASSERT_TRUE(sim::initial_chip(options, error)) << error;

    ASSERT_TRUE(sim::save_state_file(options.state_path, sample_chip(), error)) << error;
    const auto chip = sim::initial_chip(options, error);
    ASSERT_TRUE(chip) << error;
    EXPECT_EQ(*chip, sample_chip());

    sim_test::write_file(options.state_path, "garbage\n");
    EXPECT_FALSE(sim::initial_chip(options, error));
    EXPECT_NE(error.find("chip.state"), std::string::npos) << error;
}

TEST(InitialChip, HexImageTakesPrecedenceOverTheStateFile)
{
    Temp_dir dir;
    sim::Board_options options;
    options.state_path = dir.file("chip.state");
    options.load_hex_path = dir.file("image.hex");
    std::string error;
    ASSERT_TRUE(sim::save_state_file(options.state_path, sample_chip(), error)) << error;
    sim_test::write_file(options.load_hex_path, ":020000002301DA\n:00000001FF\n");

    const auto chip = sim::initial_chip(options, error);
    ASSERT_TRUE(chip) << error;
    EXPECT_EQ(chip->words[0], 0x123);
    EXPECT_EQ(chip->words[1], sim::blank_word);
    EXPECT_EQ(chip->fusex, 0x0DFF);

    sim_test::write_file(options.load_hex_path, ":020000002301DB\n");
    EXPECT_FALSE(sim::initial_chip(options, error));
    EXPECT_NE(error.find("checksum"), std::string::npos) << error;
}

}  // namespace
