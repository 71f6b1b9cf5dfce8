// How operations stop: a silent board, Cancel, a closed port, a bad package setting, and
// closing the window in the middle of a run.

#include "board_session.h"
#include "dialog_driver.h"

#include "image/device_image.h"
#include "link/frm_com.h"
#include "state/status_bar.h"
#include "platform/serial_port.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using state::status_text;

state::FrmMain &W() { return state::frmMain(); }

const QString abort_text = QStringLiteral("  デバイス　アクセスエラーが発生しました。  !!!　　　　  \r") + QString(28, ' ')
                           + QStringLiteral("\r  処理を中止しました。　");

bool idle_buttons()
{
    auto &w = W();
    return w.Command_read->isEnabled() && w.Command_verify->isEnabled() && w.Command_program->isEnabled()
           && w.Command_erase->isEnabled() && !w.Command_cancel->isVisible();
}

TEST(Abort, BoardThatStopsAnsweringMidLoop)
{
    state::Mem_buffer.assign(state::image_size, state::blank_word);
    test::Board_session s({"--silent-after", "40"});
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    W().Command_read->click();
    EXPECT_EQ(status_text(3), "処理中止 (2)");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "error");
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::critical);
    EXPECT_EQ(boxes.shown[0].text, abort_text);
    EXPECT_TRUE(idle_buttons());
    EXPECT_EQ(status_text(2), "");
    EXPECT_EQ(state::Mem_buffer[0], "0FFF");
}

TEST(Abort, IncrementNeverAnsweredInProgram)
{
    test::Board_session s({"--silent-cmd", "7"});
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    state::Mem_buffer[3] = "0123";
    W().Command_program->click();
    EXPECT_EQ(status_text(3), "処理中止 (2)");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, abort_text);
    // The run stopped at the first word: no further increment was sent.
    EXPECT_EQ(s.commands().count('7'), 1);
    EXPECT_TRUE(idle_buttons());
}

void cancel_during_read(int clicks, const char *expected)
{
    test::Board_session s({"--late-ms", "10"});
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    state::Mem_buffer[0] = "0ABC";
    QTimer::singleShot(400, [clicks] {
        for (int i = 0; i < clicks; ++i)
            W().Command_cancel->click();
    });
    W().Command_read->click();
    EXPECT_EQ(status_text(3), QString::fromUtf8(expected));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, abort_text);
    EXPECT_EQ(state::Mem_buffer[0], "0ABC");
    EXPECT_TRUE(idle_buttons());
}

TEST(Abort, CancelOnce) { cancel_during_read(1, "処理中止 (2)"); }
TEST(Abort, CancelTwice) { cancel_during_read(2, "処理中止 (3)"); }

TEST(Abort, ClosedPortAndCancelledDialog)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    platform::port().close();
    bool dialog_shown = false;
    test::when_dialog_shown([&](comm::FrmCom &d) {
        dialog_shown = true;
        d.Command_cancel->click();
    });
    W().Command_verify->click();
    EXPECT_TRUE(dialog_shown);
    EXPECT_EQ(status_text(3), "処理中止 (2)");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "error");
    EXPECT_EQ(state::Verify_running, 0);
    EXPECT_TRUE(idle_buttons());
}

TEST(Abort, ClosedPortReconnectedThroughTheDialog)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    platform::port().close();
    test::when_dialog_shown([](comm::FrmCom &d) { d.Command_ok->click(); });
    W().Command_verify->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(status_text(3), "正常終了しました。");
}

TEST(Abort, InvalidPackageShowsTheDialogAndEnds)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    state::Pin_mode = 20;
    const int before = s.board->log_lines().size();
    W().Command_read->click();
    EXPECT_TRUE(comm::frmCom().isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(status_text(3), "読み出し中.....");
    EXPECT_EQ(s.board->log_lines().size(), before);  // nothing was sent
    EXPECT_TRUE(idle_buttons());
    comm::frmCom().Command_cancel->click();
}

TEST(Abort, ClosingTheWindowDuringAnOperationCancelsItThenExits)
{
    test::Board_session s({"--late-ms", "10"});
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    const QString dump = image::dump_path();
    ASSERT_TRUE(QFile::exists(dump));
    QTimer::singleShot(400, [] { W().close(); });
    W().Command_read->click();
    EXPECT_EQ(status_text(3), "処理中止 (2)");
    ASSERT_TRUE(test::wait_until([] { return !W().isVisible(); }, 10000));
    EXPECT_FALSE(platform::port().is_open());
    EXPECT_FALSE(QFile::exists(dump));
}

} // namespace
