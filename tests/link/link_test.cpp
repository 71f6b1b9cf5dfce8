// The board commands one at a time against the simulated board served in-process: what each
// shows, how it fails, and the pauses some keep between their bytes.

#include "board_port.h"
#include "support.h"

#include "link/commands.h"
#include "link/identification.h"
#include "link/serial_link.h"
#include "link/trace.h"
#include "platform/clock.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/status_bar.h"
#include "state/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace comm;

struct Routine {
    void (*run)();
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
    void SetUp() override { w.Text_pgm_wait->setText("45"); }
    state::FrmMain &w = test::program_at_rest();
    QString fields() const { return w.text_in_hi->text() + '|' + w.text_in_low->text() + '|' + w.text_in_trm->text(); }
};

TEST_F(Link, EveryRoutineReportsAClosedPortByName)
{
    test::Board_port_scope board;
    board.port.close();
    for (const Routine &r : routines) {
        test::Message_script boxes;
        state::Link.comxx_error = 0;
        r.run();
        EXPECT_EQ(state::Link.comxx_error, 1) << r.name;
        if (!r.extra) {
            EXPECT_TRUE(boxes.shown.empty());
            continue;
        }
        ASSERT_EQ(boxes.shown.size(), 1u) << r.name;
        EXPECT_EQ(boxes.shown[0].title, "通信ｴﾗｰ");
        EXPECT_EQ(boxes.shown[0].icon, platform::Icon::information);
        EXPECT_EQ(boxes.shown[0].text, QStringLiteral("通信エラーが発生しました。\rLOCATION:   ") + r.name
                                           + "\rERR.NUMBER: 8002\rCommEvent:  0\r" + r.extra);
    }
}

TEST_F(Link, WhatEachCommandShows)
{
    sim::Board_options options;
    options.sync = 201;
    test::Board_port_scope board(options);
    board.port.board.set_fusex(0x0F7D);  // memory field 01: 512 words on this revision
    board.port.board.set_fuse(0x0FF7);
    board.port.board.set_word(0, 0x123);
    state::Link.comxx_Display_mode = true;

    cor_version();
    EXPECT_EQ(w.Label_version->text() + '|' + state::Board_version + '|' + state::status_text(1),
              " SX QORVIL V1.02|V1.02|QORVIL V1.02");
    cor_entry_ISP();
    EXPECT_EQ(fields() + '|' + w.Label_sync_value->text() + '|' + w.Sync_Label->text(), "C9|K||201|同期幅10.04us 25cycle ");
    cor_read_DEVICE_word();
    EXPECT_EQ(fields(), "F|FE|\r");
    EXPECT_EQ(w.Label_device_word->text() + ' ' + w.Label_device_word_bin->text(), "0FFE 111111111110");
    cor_read_FUSEX();
    EXPECT_EQ(w.Label_fusex_word->text() + ' ' + w.Label_fusex_word_bin->text() + ' ' + state::Read_fusex_word + ' '
                  + QString::number(state::Last_address),
              "0F7D 111101111101 0F7D 511");
    cor_read_data();  // the counter stands at 0xFFF: FUSE
    EXPECT_EQ(w.Label_fuse_word->text() + ' ' + state::Read_data_word + ' ' + state::Read_buffer[0xFFF] + ' ' + fields(),
              "0FF7 0FF7 0FF7 F|F7|\r");
    cor_increment_address();
    EXPECT_EQ(QString::number(state::Address_pc) + ' ' + fields(), "0 K||");
    cor_read_data();
    EXPECT_EQ(w.Label_read_data->text() + ' ' + w.Label_read_data_bin->text() + ' ' + w.Label_fuse_word->text(),
              "0123 000100100011 0FF7");

    w.text_out_hi->setText("a");  // one digit counts as "0a"
    w.text_out_low->setText("5c");
    cor_load_data_word();
    EXPECT_EQ(board.port.board.loaded_word(), 0x0A5C);
    cor_program_data();
    EXPECT_EQ(board.port.board.word(0), 0x0A5C & 0x123);
    cor_program_FUSEX_word();
    EXPECT_EQ(board.port.board.fusex(), 0x0A5C & 0xF7D);
    cor_mode_28pin();
    EXPECT_EQ(board.port.board.pins(), 28);
    cor_mode_18pin();
    EXPECT_EQ(board.port.board.pins(), 18);
    w.Text_pgm_wait->setText("200");
    cor_reaset_wait();
    EXPECT_EQ(board.port.board.program_wait(), 200);
    cor_rease();
    EXPECT_EQ(board.port.board.word(0), 0xFFF);
    cor_exit_ISP();
    EXPECT_FALSE(board.port.board.isp());
    EXPECT_EQ(state::Link.comxx_error, 0);
}

TEST_F(Link, SilenceLeavesTheFieldsAndShowsNothing)
{
    sim::Board_options options;
    options.silent_after = 0;
    test::Board_port_scope board(options);
    test::Message_script boxes;
    w.text_in_hi->setText("before");
    w.Sync_Label->setText("old");
    for (void (*r)() : {cor_version, cor_entry_ISP}) {
        state::Link.comxx_error = 0;
        r();
        EXPECT_EQ(state::Link.comxx_error, 1);
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(w.text_in_hi->text(), "before");
    // What comes before the wait has been done.
    EXPECT_EQ(w.Label_version->text() + w.Sync_Label->text() + w.Label_sync_value->text() + state::Board_version, "0");
}

TEST_F(Link, ExtraBytesShowNoDataAndAreAllRead)
{
    sim::Board_options options;
    options.extra_bytes = true;
    test::Board_port_scope board(options);
    state::Link.comxx_Display_mode = true;
    cor_mode_18pin();
    EXPECT_EQ(fields(), "No data||");
    cor_version();  // the left-over bytes were flushed: 15 + 2 bytes, the last five kept
    EXPECT_TRUE(state::Link.comxx_Get_buffer.size() == 17 && state::Board_version == ".02\r\n" && !load_needs_pauses());
}

TEST_F(Link, AcknowledgeStaysUnreadWithoutDisplayMode)
{
    test::Board_port_scope board;
    board.port.board.set_isp(true);
    w.text_in_hi->setText("untouched");
    cor_load_data_word();
    EXPECT_TRUE(platform::port().bytes_waiting() == 1 && w.text_in_hi->text() == "untouched");
}

TEST_F(Link, LateReplyIsDroppedByTheNextCommand)
{
    sim::Board_options options;
    options.late_ms = 1300;  // after the 1-second limit of the ISP exit
    test::Board_port_scope board(options);
    cor_exit_ISP();
    EXPECT_EQ(state::Link.comxx_error, 1);
    EXPECT_LE(board.port.waits, 5);  // the wait blocks on the port rather than polling
    ASSERT_TRUE(test::wait_until([] { return platform::port().bytes_waiting() == 1; }, 5000));
    send_command('6');
    EXPECT_EQ(platform::port().bytes_waiting(), 0);
}

TEST_F(Link, PausesBetweenBytes)
{
    test::Board_port_scope board;
    auto gaps = [&](void (*routine)()) {
        board.port.writes.clear();
        routine();
        std::vector<double> out;
        for (size_t i = 1; i < board.port.writes.size(); ++i)
            out.push_back(board.port.writes[i].first - board.port.writes[i - 1].first);
        return out;
    };
    state::Board_version = "V1.02";
    for (double gap : gaps(cor_load_data_word))
        EXPECT_GE(gap, 0.003);
    for (double gap : gaps(cor_reaset_wait))
        EXPECT_GE(gap, 0.010);
    state::Board_version = "V1.03";
    const std::vector<double> none = gaps(cor_load_data_word);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_LT(none[0] + none[1], 0.5);  // no pause (a generous bound for a busy machine)
}

TEST_F(Link, BadProgramWaitSendsNothing)
{
    test::Board_port_scope board;
    for (const char *text : {"256", "-1", "abc", "12.5", "1e2"}) {
        test::Message_script boxes;
        board.port.writes.clear();
        state::Link.comxx_error = 0;
        w.Text_pgm_wait->setText(text);
        cor_reaset_wait();
        EXPECT_TRUE(board.port.writes.empty()) << text;
        EXPECT_EQ(state::Link.comxx_error, 1);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "通信エラーが発生しました。\rLOCATION:   cor_reaset_wait\rERR.NUMBER: 13\r"
                                       "CommEvent:  0\r");
    }
}

TEST_F(Link, DeviceGoneInAnExchangeIsReported)
{
    sim::Board_options options;
    options.hangup_after = 2;
    test::Board_port_scope board(options);
    test::Message_script boxes;
    cor_version();
    cor_read_data();  // the device goes away with this one
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "通信エラーが発生しました。\rLOCATION:   cor_read_data\rERR.NUMBER: 8010\r"
                                   "CommEvent:  1010\rInBufferCount:  0\rN:  1\r");
    // Identifying the board afterwards gets no answer; the trace gives the first fault's reason.
    QTemporaryDir dir;
    ASSERT_EQ(start_trace(dir.path() + "/trace.log"), "");
    EXPECT_EQ(identify_board().outcome, Identification::no_answer);
    stop_trace();
    EXPECT_TRUE(test::read_file(dir.path() + "/trace.log").contains(" identify sent 3D got - port fault: Input/output error\n"));
}

TEST_F(Link, OnlyYieldingWaitsLetWindowEventsRun)
{
    test::Board_port_scope board;
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    start_reply_clock();
    EXPECT_FALSE(wait_reply(1, 0.1, false) || fired);
    EXPECT_TRUE(!wait_reply(1, 0.2, true) && fired);
}

} // namespace
