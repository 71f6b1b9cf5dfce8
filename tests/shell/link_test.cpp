// The exchange primitives every board command is built from, against a port played by
// the test.

#include "fake_port.h"
#include "test_support.h"

#include "link/serial_link.h"
#include "platform/clock.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Link : public ::testing::Test {
protected:
    test::Fresh_program fresh_;
    void SetUp() override
    {
        fake.port.open_ = true;
        state::frmMain();
    }
    test::Fake_port_scope fake;
    state::FrmMain &w = state::frmMain();
};

TEST_F(Link, TimeOutBlocksOnThePortAndLateBytesAreDroppedByTheNextFlush)
{
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &) { p.arrive("K", 0.6); };
    comm::send_command('7');
    comm::start_reply_clock();
    const double start = platform::now_seconds();
    EXPECT_FALSE(comm::wait_reply(1, 0.3, false));
    const double waited = platform::now_seconds() - start;
    EXPECT_GE(waited, 0.3);
    // A blocking wait, not a loop polling thousands of times.
    EXPECT_LE(fake.port.waits, 5);

    ASSERT_TRUE(test::wait_until([&] { return fake.port.bytes_waiting() == 1; }, 5000));
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &) { p.arrive(QByteArray("\x01\x23\r\x44\x55", 5)); };
    comm::send_command('6');
    comm::start_reply_clock();
    ASSERT_TRUE(comm::wait_reply(3, 2, false));
    comm::read_reply();
    // The late acknowledge is gone; five bytes where three were expected are all read.
    EXPECT_EQ(state::Link.comxx_Get_buffer, QByteArray("\x01\x23\r\x44\x55", 5));
}

TEST_F(Link, OnlyYieldingWaitsLetWindowEventsRun)
{
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    comm::start_reply_clock();
    EXPECT_FALSE(comm::wait_reply(1, 0.1, false));
    EXPECT_FALSE(fired);
    comm::start_reply_clock();
    EXPECT_FALSE(comm::wait_reply(1, 0.1, true));
    EXPECT_TRUE(fired);
}

TEST_F(Link, FaultReportNamesTheRoutineAndItsStep)
{
    test::Message_script boxes;
    fake.port.close();
    try {
        comm::send_command('6');
        FAIL() << "writing to a closed port must fault";
    } catch (const platform::Port_fault &fault) {
        comm::report_fault(fault, "cor_read_data", {comm::bytes_waiting_or_zero(), 1});
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "通信ｴﾗｰ");
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::information);
    EXPECT_EQ(boxes.shown[0].text, QString("通信エラーが発生しました。\rLOCATION:   cor_read_data\r"
                                           "ERR.NUMBER: %1\rCommEvent:  0\rInBufferCount:  0\rN:  1\r")
                                       .arg(platform::fault_not_open));
    EXPECT_EQ(state::Link.comxx_error, 1);
}

} // namespace
