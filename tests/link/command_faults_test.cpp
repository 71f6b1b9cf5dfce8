// The board commands when things go wrong: silence, late, extra and missing bytes, a
// closed port, a device that goes away; and the pauses some commands keep between bytes.

#include "fake_port.h"
#include "sim_port.h"
#include "test_support.h"

#include "link/commands.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using namespace comm;

struct Routine {
    void (*run)();
    const char *name;
    char character;
};

const Routine all_routines[] = {
    {cor_rease, "cor_rease", '0'},
    {cor_read_DEVICE_word, "cor_read_DEVICE_word", '1'},
    {cor_read_FUSEX, "cor_read_FUSEX", '2'},
    {cor_program_FUSEX_word, "cor_program_FUSEX_word", '3'},
    {cor_load_data_word, "cor_load_data_word", '4'},
    {cor_program_data, "cor_program_data", '5'},
    {cor_read_data, "cor_read_data", '6'},
    {cor_increment_address, "cor_increment_address", '7'},
    {cor_entry_ISP, "cor_entry_ISP", '9'},
    {cor_exit_ISP, "cor_exit_ISP", ':'},
    {cor_mode_18pin, "cor_mode_18pin", ';'},
    {cor_mode_28pin, "cor_mode_28pin", '<'},
    {cor_version, "cor_version", '='},
    {cor_reaset_wait, "cor_reaset_wait", '>'},
};

class CommandFaults : public ::testing::Test {
protected:
    test::Fresh_program fresh_;
    void SetUp() override
    {
        state::frmMain().Text_pgm_wait->setText("45");
        fake.port.open_ = true;
    }
    test::Fake_port_scope fake;
    state::FrmMain &w = state::frmMain();
};

TEST_F(CommandFaults, ClosedPortReportsTheRoutineByName)
{
    fake.port.close();
    for (const Routine &r : all_routines) {
        test::Message_script boxes;
        state::Link.comxx_error = 0;
        r.run();
        EXPECT_EQ(state::Link.comxx_error, 1) << r.name;
        if (r.character == ':') {
            EXPECT_TRUE(boxes.shown.empty()) << "leaving ISP mode reports nothing";
            continue;
        }
        ASSERT_EQ(boxes.shown.size(), 1u) << r.name;
        EXPECT_EQ(boxes.shown[0].title, "通信ｴﾗｰ");
        EXPECT_TRUE(boxes.shown[0].text.contains(QString("LOCATION:   ") + r.name + '\r')) << r.name;
        const bool steps = r.character == '6' || r.character == '7';
        EXPECT_EQ(boxes.shown[0].text.contains("N:  0\r"), steps) << r.name;  // it failed before its first step
        EXPECT_EQ(boxes.shown[0].text.contains("InBufferCount:  "), r.character == '6') << r.name;
    }
}

TEST_F(CommandFaults, SilenceTimesOutWithoutAMessageAndLeavesTheFields)
{
    test::Message_script boxes;
    w.text_in_hi->setText("before");
    for (const Routine &r : {all_routines[0], all_routines[12]}) {
        state::Link.comxx_error = 0;
        r.run();
        EXPECT_EQ(state::Link.comxx_error, 1) << r.name;
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(w.text_in_hi->text(), "before");
    // Only what comes before the wait has been done.
    EXPECT_EQ(w.Label_version->text(), "");
    EXPECT_EQ(state::Board_version, "");
}

TEST_F(CommandFaults, EntryIspTimeOutLeavesTheSyncLabelsCleared)
{
    w.Sync_Label->setText("old");
    cor_entry_ISP();
    EXPECT_EQ(state::Link.comxx_error, 1);
    EXPECT_EQ(w.Label_sync_value->text(), "0");
    EXPECT_EQ(w.Sync_Label->text(), "");
}

TEST_F(CommandFaults, ReadFusexKeepsOnlyTwelveBits)
{
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &b) {
        if (b == "2")
            p.arrive(QByteArray("\xFF\xFF\r", 3));
    };
    cor_read_FUSEX();
    EXPECT_EQ(state::Read_fusex_word, "0FFF");
    EXPECT_EQ(w.text_in_hi->text(), "FF");
    EXPECT_EQ(w.text_in_low->text(), "FF");
    EXPECT_EQ(w.text_in_trm->text(), "\r");
}

TEST_F(CommandFaults, TwoAcknowledgesShowNoDataAndTheNextCommandSeesOnlyItsOwnReply)
{
    state::Link.comxx_Display_mode = true;
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &b) {
        if (b == "5")
            p.arrive("KK");
        if (b == "6")
            p.arrive(QByteArray("\x01\x02\r\x07\x07", 5));
    };
    cor_program_data();
    EXPECT_EQ(w.text_in_hi->text(), "No data");
    EXPECT_EQ(state::Link.comxx_error, 0);
    w.address_pc->setText("0x010");
    state::Address_pc = 0x10;
    cor_read_data();
    EXPECT_EQ(state::Link.comxx_Get_buffer.size(), 5);
    EXPECT_EQ(state::Read_buffer[0x10], "0102");
    EXPECT_EQ(w.Label_read_data->text(), "0102");
}

TEST_F(CommandFaults, WithoutDisplayModeTheAcknowledgeStaysUnread)
{
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &b) {
        if (b.size() == 1 && (b == "4" || b == "7"))
            return;
        if (b.size() == 1 && b.at(0) != '4')
            p.arrive("K");
    };
    // The load's acknowledge comes after its payload.
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &b) {
        static int payload = 0;
        if (b == "4") {
            payload = 2;
            return;
        }
        if (payload > 0 && --payload == 0)
            p.arrive("K");
        if (b == "=")
            p.arrive("SX QORVIL V2.00");
    };
    w.text_in_hi->setText("untouched");
    cor_load_data_word();
    EXPECT_EQ(state::Link.comxx_error, 0);
    EXPECT_EQ(fake.port.bytes_waiting(), 1);
    EXPECT_EQ(w.text_in_hi->text(), "untouched");
    cor_version();
    EXPECT_EQ(state::Board_version, "V2.00");
}

TEST_F(CommandFaults, LateReplyIsDroppedByTheNextCommand)
{
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &b) {
        if (b == ":")
            p.arrive("K", 1.3);  // after the 1-second limit
        if (b == ";")
            p.arrive("L", 0.02);
    };
    cor_exit_ISP();
    EXPECT_EQ(state::Link.comxx_error, 1);
    ASSERT_TRUE(test::wait_until([&] { return fake.port.bytes_waiting() == 1; }, 5000));
    state::Link.comxx_error = 0;
    cor_mode_18pin();
    EXPECT_EQ(state::Link.comxx_error, 0);
    EXPECT_EQ(w.text_in_hi->text(), "L");
}

TEST_F(CommandFaults, LoadPausesOnlyForFirmwareV102)
{
    auto gaps = [&] {
        fake.port.writes.clear();
        fake.port.on_write = [](test::Fake_port &p, const QByteArray &) { p.arrive("K"); };
        cor_load_data_word();
        EXPECT_EQ(fake.port.writes.size(), 3u);
        return std::pair{fake.port.writes[1].at - fake.port.writes[0].at,
                         fake.port.writes[2].at - fake.port.writes[1].at};
    };
    state::Board_version = "V1.02";
    auto [first, second] = gaps();
    EXPECT_GE(first, 0.003);
    EXPECT_GE(second, 0.003);
    state::Board_version = "V1.03";
    std::tie(first, second) = gaps();
    // No pause: both payload bytes follow at once (a generous bound for a busy machine).
    EXPECT_LT(first + second, 0.5);
    EXPECT_EQ(fake.port.written(), QByteArray("4\x0F\xFF", 3));
}

TEST_F(CommandFaults, ProgramWaitPausesBeforeItsByte)
{
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &b) {
        if (b != ">")
            p.arrive("K");
    };
    w.Text_pgm_wait->setText("240");
    cor_reaset_wait();
    ASSERT_EQ(fake.port.writes.size(), 2u);
    EXPECT_GE(fake.port.writes[1].at - fake.port.writes[0].at, 0.010);
    EXPECT_EQ(fake.port.writes[1].bytes, QByteArray(1, char(240)));
    EXPECT_EQ(state::Link.comxx_error, 0);
}

TEST_F(CommandFaults, BadProgramWaitSendsNothingAtAll)
{
    for (const char *text : {"256", "-1", "abc", "12.5", ""}) {
        test::Message_script boxes;
        fake.port.writes.clear();
        state::Link.comxx_error = 0;
        w.Text_pgm_wait->blockSignals(true);
        w.Text_pgm_wait->setText(text);
        w.Text_pgm_wait->blockSignals(false);
        cor_reaset_wait();
        EXPECT_TRUE(fake.port.writes.empty()) << text;
        EXPECT_EQ(state::Link.comxx_error, 1) << text;
        ASSERT_EQ(boxes.shown.size(), 1u) << text;
        EXPECT_TRUE(boxes.shown[0].text.contains("LOCATION:   cor_reaset_wait\r"));
    }
}

TEST_F(CommandFaults, AddressOutsideTheImageIsAFaultAtStepTwo)
{
    test::Message_script boxes;
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &) { p.arrive(QByteArray("\x0F\xFF\r", 3)); };
    state::Address_pc = 5001;
    w.address_pc->setText("0x389");
    cor_read_data();
    EXPECT_EQ(state::Link.comxx_error, 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.endsWith("N:  2\r"));
}

TEST(CommandDeviceGone, UnpluggedDuringAnExchangeIsReportedNotACrash)
{
    test::fresh_program();
    sim::Board_options o;
    o.hangup_after = 3;
    test::Sim_port_scope sim(o);
    test::Message_script boxes;
    cor_version();
    cor_entry_ISP();
    cor_read_FUSEX();  // the board goes away with this one
    state::Link.comxx_error = 0;
    cor_read_DEVICE_word();
    EXPECT_EQ(state::Link.comxx_error, 1);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_TRUE(boxes.shown.back().text.contains("LOCATION:   cor_read_DEVICE_word"));
    test::fresh_program();
}

} // namespace
