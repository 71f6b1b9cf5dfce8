// Replies and effects of every board command.

#include "sim/board_model.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>

namespace {

using sim::Board_model;
using sim::Board_options;
using sim_test::reply_to;
using sim_test::word_of;

const std::string ack = "K";

std::string read_reply(unsigned word)
{
    return {static_cast<char>((word >> 8) & 0x0F), static_cast<char>(word & 0xFF), '\r'};
}

std::string load(unsigned word)
{
    return {'4', static_cast<char>((word >> 8) & 0x0F), static_cast<char>(word & 0xFF)};
}

Board_model isp_board(Board_options options = {})
{
    Board_model model(options);
    reply_to(model, "9");
    return model;
}

TEST(BoardCommands, VersionReplyCarriesIdentificationAndFirmware)
{
    Board_model model(Board_options{});
    const std::string reply = reply_to(model, "=");
    ASSERT_EQ(reply.size(), 15u);
    EXPECT_EQ(reply, "SX QORVIL V1.02");
    EXPECT_EQ(reply.substr(3, 6), "QORVIL");
    EXPECT_EQ(reply[9], ' ');
    EXPECT_EQ(reply.substr(10), "V1.02");
}

TEST(BoardCommands, FirmwareTextIsPaddedOrCutToFiveCharacters)
{
    Board_options options;
    options.firmware = "V2";
    Board_model short_text(options);
    EXPECT_EQ(reply_to(short_text, "="), "SX QORVIL V2   ");

    options.firmware = "V1.03-beta";
    Board_model long_text(options);
    EXPECT_EQ(reply_to(long_text, "="), "SX QORVIL V1.03");
}

TEST(BoardCommands, EnterIspAnswersSyncCountAndStatus)
{
    Board_model model(Board_options{});
    EXPECT_FALSE(model.isp());
    const std::string reply = reply_to(model, "9");
    ASSERT_EQ(reply.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(reply[0]), 200);
    EXPECT_EQ(reply[1], 'K');
    EXPECT_TRUE(model.isp());
    EXPECT_EQ(model.address_counter(), 0xFFF);

    Board_options options;
    options.sync = 17;
    Board_model other(options);
    EXPECT_EQ(reply_to(other, "9"), std::string("\x11K"));
}

TEST(BoardCommands, EnterIspPutsTheCounterBackOnFuse)
{
    Board_model model = isp_board();
    reply_to(model, "777");
    EXPECT_EQ(model.address_counter(), 2);
    reply_to(model, "9");
    EXPECT_EQ(model.address_counter(), 0xFFF);
}

TEST(BoardCommands, ExitIspAcknowledgesAndLeavesIspMode)
{
    Board_model model = isp_board();
    reply_to(model, "77");
    EXPECT_EQ(reply_to(model, ":"), ack);
    EXPECT_FALSE(model.isp());
    EXPECT_EQ(model.address_counter(), 0xFFF);
}

TEST(BoardCommands, ReadDeviceAnswersTheDeviceWord)
{
    Board_model model = isp_board();
    EXPECT_EQ(reply_to(model, "1"), read_reply(0x0FFE));

    Board_options options;
    options.device = 0x0A5C;
    Board_model other = isp_board(options);
    EXPECT_EQ(reply_to(other, "1"), std::string("\x0A\x5C\r"));
}

TEST(BoardCommands, ReadFusexAnswersFusex)
{
    Board_options options;
    options.revision = sim::Chip_revision::old_revision;
    Board_model old_chip = isp_board(options);
    EXPECT_EQ(reply_to(old_chip, "2"), read_reply(0x0FFF));

    Board_model a_chip = isp_board();  // factory trim in bits 11-8
    EXPECT_EQ(reply_to(a_chip, "2"), read_reply(0x0DFF));

    a_chip.set_fusex(0x0123);
    EXPECT_EQ(reply_to(a_chip, "2"), read_reply(0x0123));
}

TEST(BoardCommands, ReadWordAtCounterFffIsFuse)
{
    Board_model model = isp_board();
    model.set_fuse(0x0ABC);
    model.set_word(0, 0x0123);
    EXPECT_EQ(reply_to(model, "6"), read_reply(0x0ABC));
    reply_to(model, "7");
    EXPECT_EQ(reply_to(model, "6"), read_reply(0x0123));
}

TEST(BoardCommands, ReadReplyHighByteHasUpperNibbleClear)
{
    Board_model model = isp_board();
    const std::string reply = reply_to(model, "6");
    ASSERT_EQ(reply.size(), 3u);
    EXPECT_EQ(static_cast<unsigned char>(reply[0]) & 0xF0, 0);
    EXPECT_EQ(reply[2], '\r');
}

TEST(BoardCommands, IncrementWalksProgramMemoryAndWraps)
{
    Board_model model = isp_board();
    EXPECT_EQ(reply_to(model, "7"), ack);
    EXPECT_EQ(model.address_counter(), 0x000);

    model.set_address_counter(0x7FF);
    model.set_word(0x7FF, 0x0111);
    EXPECT_EQ(word_of(reply_to(model, "6")), 0x111u);
    reply_to(model, "7");
    EXPECT_EQ(model.address_counter(), 0x800);
    EXPECT_EQ(reply_to(model, "6"), read_reply(0x0FFF)) << "no memory beyond 2047";

    model.set_address_counter(0xFFE);
    reply_to(model, "7");
    EXPECT_EQ(model.address_counter(), 0xFFF);
    reply_to(model, "7");
    EXPECT_EQ(model.address_counter(), 0x000);
}

TEST(BoardCommands, LoadWordAnswersOnlyAfterBothPayloadBytes)
{
    Board_model model(Board_options{});
    EXPECT_TRUE(model.receive("4").empty());
    EXPECT_TRUE(model.receive(std::string(1, '\x01')).empty());
    EXPECT_EQ(reply_to(model, "\x23"), ack);
    EXPECT_EQ(model.loaded_word(), 0x123);
    EXPECT_EQ(model.command_count(), 1);
}

TEST(BoardCommands, LoadWordIgnoresTheUpperNibbleOfTheHighByte)
{
    Board_model model(Board_options{});
    reply_to(model, std::string("4\xF1\x23"));
    EXPECT_EQ(model.loaded_word(), 0x123);
}

TEST(BoardCommands, PayloadBytesThatLookLikeCommandsAreData)
{
    Board_model model = isp_board();
    // "4" with payload "9" "=": must not enter ISP again nor answer a version.
    EXPECT_EQ(reply_to(model, "4" "9="), ack);
    EXPECT_EQ(model.loaded_word(), 0x93D);
}

TEST(BoardCommands, ProgramWordStoresOldAndNew)
{
    Board_model model = isp_board();
    reply_to(model, "7");
    model.set_word(0, 0x0F0F);
    EXPECT_EQ(reply_to(model, load(0x3C3) + "5"), ack + ack);
    EXPECT_EQ(model.word(0), 0x0F0F & 0x3C3);

    // Without an erase the bits cannot come back.
    reply_to(model, load(0xFFF) + "5");
    EXPECT_EQ(model.word(0), 0x0F0F & 0x3C3);
}

TEST(BoardCommands, ProgramWordAtCounterFffProgramsFuse)
{
    Board_model model = isp_board();
    reply_to(model, load(0x0F7E) + "5");
    EXPECT_EQ(model.fuse(), 0x0F7E);
    for (int address = 0; address < sim::program_words; ++address)
        ASSERT_EQ(model.word(address), sim::blank_word);
}

TEST(BoardCommands, ProgramWordBeyondMemoryChangesNothing)
{
    Board_model model = isp_board();
    model.set_address_counter(0x900);
    const sim::Chip before = model.chip();
    EXPECT_EQ(reply_to(model, load(0x000) + "5"), ack + ack);
    EXPECT_EQ(model.chip(), before);
}

TEST(BoardCommands, ProgramFusexUsesTheLoadedWord)
{
    Board_model model = isp_board();
    EXPECT_EQ(reply_to(model, load(0x0B3A) + "3"), ack + ack);
    EXPECT_EQ(model.fusex(), 0x0DFF & 0x0B3A);
    EXPECT_EQ(model.fuse(), sim::blank_word);
}

TEST(BoardCommands, EraseBlanksMemoryFuseAndFusex)
{
    Board_model model = isp_board();
    model.set_word(5, 0x123);
    model.set_word(2047, 0x000);
    model.set_fuse(0x456);
    model.set_fusex(0x789);
    EXPECT_EQ(reply_to(model, "0"), ack);
    EXPECT_EQ(model.chip(), sim::Chip{});
}

TEST(BoardCommands, PackageModeCommands)
{
    Board_model model(Board_options{});
    EXPECT_EQ(model.pins(), 18);
    EXPECT_EQ(reply_to(model, "<"), ack);
    EXPECT_EQ(model.pins(), 28);
    EXPECT_EQ(reply_to(model, ";"), ack);
    EXPECT_EQ(model.pins(), 18);

    Board_options options;
    options.pins = 28;
    EXPECT_EQ(Board_model(options).pins(), 28);
}

TEST(BoardCommands, ProgramWaitTakesOnePayloadByte)
{
    Board_model model(Board_options{});
    EXPECT_EQ(model.program_wait(), 45);
    EXPECT_TRUE(model.receive(">").empty());
    EXPECT_EQ(reply_to(model, "\xF0"), ack);
    EXPECT_EQ(model.program_wait(), 240);

    Board_options options;
    options.revision = sim::Chip_revision::old_revision;
    EXPECT_EQ(Board_model(options).program_wait(), 240);
}

TEST(BoardCommands, CommandEightAndUnknownBytesGetNoReply)
{
    Board_model model = isp_board();
    const sim::Chip before = model.chip();
    EXPECT_TRUE(model.receive("8").empty());
    EXPECT_TRUE(model.receive("A").empty());
    EXPECT_TRUE(model.receive(std::string(1, '\x80')).empty());
    EXPECT_EQ(model.command_count(), 4);  // "9" and the three above
    EXPECT_EQ(model.chip(), before);
    EXPECT_EQ(reply_to(model, "7"), ack) << "the board still answers afterwards";
}

TEST(BoardCommands, ChipCommandsOutsideIspDoNotReachTheChip)
{
    Board_model model(Board_options{});
    model.set_word(0, 0x123);
    model.set_fuse(0x456);
    const sim::Chip before = model.chip();

    EXPECT_EQ(reply_to(model, "6"), read_reply(0));
    EXPECT_EQ(reply_to(model, "1"), read_reply(0));
    EXPECT_EQ(reply_to(model, "2"), read_reply(0));
    EXPECT_EQ(reply_to(model, "7"), ack);
    EXPECT_EQ(model.address_counter(), 0xFFF);
    EXPECT_EQ(reply_to(model, "0"), ack);
    EXPECT_EQ(reply_to(model, load(0) + "5" + "3"), ack + ack + ack);
    EXPECT_EQ(model.chip(), before);
    EXPECT_EQ(model.chip_changes(), 0u);
}

TEST(BoardCommands, TooShortProgramWaitLeavesTheWordUnchanged)
{
    Board_options options;
    options.min_wait = 20;
    Board_model model = isp_board(options);
    reply_to(model, std::string(">\x13") + "7" + load(0x000) + "5");
    EXPECT_EQ(model.word(0), sim::blank_word);
    reply_to(model, std::string(">\x14") + "5");
    EXPECT_EQ(model.word(0), 0x000);

    Board_model any_pulse = isp_board();  // no minimum by default
    reply_to(any_pulse, std::string(">\x01") + load(0x0AA) + "5");
    EXPECT_EQ(any_pulse.fuse(), 0x0AA);
}

TEST(BoardCommands, ChipChangesCountRealChangesOnly)
{
    Board_options options;
    options.revision = sim::Chip_revision::old_revision;  // a blank FUSEX
    Board_model model = isp_board(options);
    EXPECT_EQ(model.chip_changes(), 0u);
    reply_to(model, "0");
    EXPECT_EQ(model.chip_changes(), 0u) << "erasing a blank chip changes nothing";
    reply_to(model, "7" + load(0x123) + "5");
    EXPECT_EQ(model.chip_changes(), 1u);
    reply_to(model, "5");
    EXPECT_EQ(model.chip_changes(), 1u);
    reply_to(model, "0");
    EXPECT_EQ(model.chip_changes(), 2u);
}

// The byte stream of a small Program run: every command sent at once must
// give the same replies and the same chip as the bytes sent one by one.
TEST(BoardCommands, FeedingByteByByteMatchesFeedingAtOnce)
{
    std::string session = "<=>";
    session += '\x2D';
    session += "92";
    session += "0:9" + load(0x4FF) + "3:9";
    for (unsigned word : {0x123u, 0x0FFu, 0xA5Au}) {
        session += "7";
        if (word != 0x0FF)
            session += load(word) + "5";
    }
    session += ":9" + load(0xF7E) + "5";
    session += "9" "6" "7" "6" "7" "6" "7" "6" ":";

    Board_model whole(Board_options{});
    const std::string whole_reply = reply_to(whole, session);

    Board_model pieces(Board_options{});
    std::string pieces_reply;
    for (const char byte : session)
        pieces_reply += reply_to(pieces, std::string(1, byte));

    EXPECT_EQ(whole_reply, pieces_reply);
    EXPECT_EQ(whole.chip(), pieces.chip());
    EXPECT_EQ(whole.command_count(), pieces.command_count());
    EXPECT_EQ(pieces.word(0), 0x123);
    EXPECT_EQ(pieces.word(1), sim::blank_word);
    EXPECT_EQ(pieces.word(2), 0xA5A);
    EXPECT_EQ(pieces.fuse(), 0xF7E);
    EXPECT_EQ(pieces.fusex(), 0x4FF);
    // The read-back at the end: FUSE, then words 0 to 2, then the exit ack.
    const std::string tail = whole_reply.substr(whole_reply.size() - (4 * 3 + 3 + 1 + 2));
    EXPECT_EQ(tail, std::string("\xC8K") + read_reply(0xF7E) + ack + read_reply(0x123) + ack +
                        read_reply(0x0FFF) + ack + read_reply(0xA5A) + ack);
}

}  // namespace
