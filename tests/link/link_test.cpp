// The board commands one at a time against the simulated board served in-process: what each
// shows, how it fails, and the pauses some keep between their bytes.

#include "board_port.h"
#include "core_kit.h"

#include "fuse/option_tables.h"
#include "image/device_image.h"
#include "link/commands.h"
#include "link/identification.h"
#include "link/serial_link.h"
#include "link/trace.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace comm;

struct Routine {
    comm::Routine run;
    const char *name;
    const char *extra;  // the report's lines after "CommEvent:"
};

const Routine routines[] = {
    {cor_rease, "cor_rease", ""}, {cor_read_DEVICE_word, "cor_read_DEVICE_word", ""},
    {cor_read_FUSEX, "cor_read_FUSEX", ""}, {cor_program_FUSEX_word, "cor_program_FUSEX_word", ""},
    {cor_load_data_word, "cor_load_data_word", ""}, {cor_program_data, "cor_program_data", ""},
    {cor_read_data, "cor_read_data", "InBufferCount:  0\rN:  0\r"},
    {cor_increment_address, "cor_increment_address", "N:  0\r"}, {cor_entry_ISP, "cor_entry_ISP", ""},
    {cor_exit_ISP, "cor_exit_ISP", nullptr},  // reports nothing
    {cor_mode_18pin, "cor_mode_18pin", ""}, {cor_mode_28pin, "cor_mode_28pin", ""},
    {cor_version, "cor_version", ""}, {cor_reaset_wait, "cor_reaset_wait", ""},
};

class Link : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.set_listener(&heard);
        fuse::Combo_init(s);
        image::Clear_image(s);
        s.Text_pgm_wait = "45";
    }
    session::Session s;
    test::Recorder heard;
    QString fields() const { return s.text_in_hi + '|' + s.text_in_low + '|' + s.text_in_trm; }
};

TEST_F(Link, EveryRoutineReportsAClosedPortByName)
{
    test::Board_port &port = test::install_board(s);
    port.close();
    EXPECT_EQ(fault_report_title(), "通信ｴﾗｰ");
    for (const Routine &r : routines) {
        heard.faults.clear();
        s.Link.comxx_error = 0;
        r.run(s);
        EXPECT_EQ(s.Link.comxx_error, 1) << r.name;
        if (!r.extra) {
            EXPECT_TRUE(heard.faults.empty());
            continue;
        }
        ASSERT_EQ(heard.faults.size(), 1) << r.name;
        EXPECT_EQ(heard.faults[0], QStringLiteral("通信エラーが発生しました。\rLOCATION:   ") + r.name
                                       + "\rERR.NUMBER: 8002\rCommEvent:  0\r" + r.extra);
    }
}

TEST_F(Link, WhatEachCommandShows)
{
    sim::Board_options options;
    options.sync = 201;
    test::Board_port &port = test::install_board(s, options);
    port.board.set_fusex(0x0F7D);  // memory field 01: 512 words on this revision
    port.board.set_fuse(0x0FF7);
    port.board.set_word(0, 0x123);
    s.Link.comxx_Display_mode = true;

    cor_version(s);
    EXPECT_EQ(s.Label_version + '|' + s.Board_version + '|' + s.status_text(session::Panel::firmware),
              " SX QORVIL V1.02|V1.02|QORVIL V1.02");
    cor_entry_ISP(s);
    EXPECT_EQ(fields() + '|' + s.Label_sync_value + '|' + s.Sync_Label, "C9|K||201|同期幅10.04us 25cycle ");
    cor_read_DEVICE_word(s);
    EXPECT_EQ(fields(), "F|FE|\r");
    EXPECT_EQ(s.Label_device_word + ' ' + s.Label_device_word_bin, "0FFE 111111111110");
    cor_read_FUSEX(s);
    EXPECT_EQ(s.Label_fusex_word + ' ' + s.Label_fusex_word_bin + ' ' + s.Read_fusex_word + ' '
                  + QString::number(s.Last_address),
              "0F7D 111101111101 0F7D 511");
    cor_read_data(s);  // the counter stands at 0xFFF: FUSE
    EXPECT_EQ(s.Label_fuse_word + ' ' + s.Read_data_word + ' ' + s.Read_buffer[0xFFF] + ' ' + fields(),
              "0FF7 0FF7 0FF7 F|F7|\r");
    cor_increment_address(s);
    EXPECT_EQ(QString::number(s.Address_pc) + ' ' + fields(), "0 K||");
    cor_read_data(s);
    EXPECT_EQ(s.Label_read_data + ' ' + s.Label_read_data_bin + ' ' + s.Label_fuse_word,
              "0123 000100100011 0FF7");

    s.text_out_hi = "a";  // one digit counts as "0a"
    s.text_out_low = "5c";
    cor_load_data_word(s);
    EXPECT_EQ(port.board.loaded_word(), 0x0A5C);
    cor_program_data(s);
    EXPECT_EQ(port.board.word(0), 0x0A5C & 0x123);
    cor_program_FUSEX_word(s);
    EXPECT_EQ(port.board.fusex(), 0x0A5C & 0xF7D);
    cor_mode_28pin(s);
    EXPECT_EQ(port.board.pins(), 28);
    cor_mode_18pin(s);
    EXPECT_EQ(port.board.pins(), 18);
    s.Text_pgm_wait = "200";
    cor_reaset_wait(s);
    EXPECT_EQ(port.board.program_wait(), 200);
    cor_rease(s);
    EXPECT_EQ(port.board.word(0), 0xFFF);
    cor_exit_ISP(s);
    EXPECT_FALSE(port.board.isp());
    EXPECT_EQ(s.Link.comxx_error, 0);
}

TEST_F(Link, SilenceLeavesTheFieldsAndShowsNothing)
{
    sim::Board_options options;
    options.silent_after = 0;
    test::install_board(s, options);
    QTemporaryDir dir;
    ASSERT_EQ(start_trace(s, dir.path() + "/trace.log"), "");
    heard.faults.clear();
    s.text_in_hi = "before";
    s.Sync_Label = "old";
    for (comm::Routine r : {cor_version, cor_entry_ISP}) {
        s.Link.comxx_error = 0;
        r(s);
        EXPECT_EQ(s.Link.comxx_error, 1);
    }
    EXPECT_TRUE(heard.faults.empty());
    EXPECT_EQ(s.text_in_hi, "before");
    // What comes before the wait has been done.
    EXPECT_EQ(s.Label_version + s.Sync_Label + s.Label_sync_value + s.Board_version, "0");
    // A stop request ends a wait at once; the trace tells it from a time-out.
    s.stop_requested = true;
    cor_mode_18pin(s);
    stop_trace(s);
    EXPECT_EQ(test::trace_lines(dir.path() + "/trace.log", 1900).mid(2, 2),
              QStringList({"cor_entry_ISP sent 39 got - time-out after N ms", "cor_mode_18pin sent 3B got - stopped"}));
}

TEST_F(Link, ExtraBytesShowNoDataAndAreAllRead)
{
    sim::Board_options options;
    options.extra_bytes = true;
    test::install_board(s, options);
    s.Link.comxx_Display_mode = true;
    cor_mode_18pin(s);
    EXPECT_EQ(fields(), "No data||");
    cor_version(s);  // the left-over bytes were flushed: 15 + 2 bytes, the last five kept
    EXPECT_TRUE(s.Link.comxx_Get_buffer.size() == 17 && s.Board_version == ".02\r\n" && !load_needs_pauses(s));
}

TEST_F(Link, LateReplyIsDroppedByTheNextCommand)
{
    sim::Board_options options;
    options.late_ms = 1300;  // after the 1-second limit of the ISP exit
    test::Board_port &port = test::install_board(s, options);
    cor_exit_ISP(s);
    EXPECT_EQ(s.Link.comxx_error, 1);
    EXPECT_LE(port.waits, 12);  // the wait blocks on the port rather than polling, 100 ms at a time
    ASSERT_TRUE(test::wait_until([this] { return s.port().bytes_waiting() == 1; }, 5000));
    send_command(s, '6');
    EXPECT_EQ(s.port().bytes_waiting(), 0);
}

TEST_F(Link, PausesBetweenBytes)
{
    test::Board_port &port = test::install_board(s);
    auto gaps = [&](comm::Routine routine) {
        port.writes.clear();
        routine(s);
        std::vector<double> out;
        for (size_t i = 1; i < port.writes.size(); ++i)
            out.push_back(port.writes[i].first - port.writes[i - 1].first);
        return out;
    };
    s.Board_version = "V1.02";
    for (double gap : gaps(cor_load_data_word))
        EXPECT_GE(gap, 0.003);
    for (double gap : gaps(cor_reaset_wait))
        EXPECT_GE(gap, 0.010);
    s.Board_version = "V1.03";
    const std::vector<double> none = gaps(cor_load_data_word);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_LT(none[0] + none[1], 0.5);  // no pause (a generous bound for a busy machine)
}

TEST_F(Link, BadProgramWaitSendsNothing)
{
    test::Board_port &port = test::install_board(s);
    for (const char *text : {"256", "-1", "abc", "12.5", "1e2"}) {
        heard.faults.clear();
        port.writes.clear();
        s.Link.comxx_error = 0;
        s.Text_pgm_wait = text;
        cor_reaset_wait(s);
        EXPECT_TRUE(port.writes.empty()) << text;
        EXPECT_EQ(s.Link.comxx_error, 1);
        ASSERT_EQ(heard.faults.size(), 1);
        EXPECT_EQ(heard.faults[0], "通信エラーが発生しました。\rLOCATION:   cor_reaset_wait\rERR.NUMBER: 13\r"
                                       "CommEvent:  0\r");
    }
}

TEST_F(Link, DeviceGoneInAnExchangeIsReported)
{
    sim::Board_options options;
    options.hangup_after = 2;
    test::install_board(s, options);
    heard.faults.clear();
    cor_version(s);
    cor_read_data(s);  // the device goes away with this one
    ASSERT_EQ(heard.faults.size(), 1);
    EXPECT_EQ(heard.faults[0], "通信エラーが発生しました。\rLOCATION:   cor_read_data\rERR.NUMBER: 8010\r"
                                   "CommEvent:  1010\rInBufferCount:  0\rN:  1\r");
    // Identifying the board afterwards gets no answer; the trace gives the first fault's reason.
    QTemporaryDir dir;
    ASSERT_EQ(start_trace(s, dir.path() + "/trace.log"), "");
    EXPECT_EQ(identify_board(s).outcome, Identification::no_answer);
    stop_trace(s);
    EXPECT_TRUE(test::read_file(dir.path() + "/trace.log").contains(" identify sent 3D got - port fault: Input/output error\n"));
}

// Only entering ISP mode and the two package commands let window events run while they wait.
TEST_F(Link, ThreeRoutinesYieldWhileTheyWait)
{
    sim::Board_options options;
    options.late_ms = 20;
    test::install_board(s, options);
    s.Text_pgm_wait = "1";
    QString yielded;
    for (const Routine &r : routines) {
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        r.run(s);
        yielded += fired ? '1' : '0';
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(yielded, "00000000101100");  // in the order of `routines`
}

TEST_F(Link, OnlyYieldingWaitsLetWindowEventsRun)
{
    test::install_board(s);
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    start_reply_clock(s);
    EXPECT_TRUE(wait_reply(s, 1, 0.1, false) == Wait::timed_out && !fired);
    EXPECT_TRUE(wait_reply(s, 1, 0.2, true) == Wait::timed_out && fired);
}

} // namespace
