// The operation frame on its own: progress steps, the busy window, the abort path.

#include "fake_port.h"
#include "test_support.h"

#include "operations/operation_frame.h"
#include "state/status_bar.h"
#include "state/frm_main.h"
#include "state/frm_msg.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using namespace operations;

class Frame : public ::testing::Test {
protected:
    test::Fresh_program fresh_;
    state::FrmMain &w = state::frmMain();
};

TEST_F(Frame, ProgressMovesInStepsOfFivePercent)
{
    state::Set_status_text(3, "読み出し中.....");
    show_busy_window("読み出し中.....　しばらく御待ち下さい。");
    EXPECT_EQ(state::frmMsg().Label1->text(), "読み出し中.....　しばらく御待ち下さい。");
    EXPECT_EQ(state::Msg_shown, 1);

    QStringList panel_texts;
    state::set_status_observer([&](int panel, const QString &text) {
        if (panel == 2 && (panel_texts.isEmpty() || panel_texts.back() != text))
            panel_texts << text;
    });
    QString first_label1, first_label2;
    for (long i = 0; i <= 2047; ++i) {
        Show_progress("ON", 0, 2047, i);
        if (i == 0) {
            first_label1 = state::frmMsg().Label1->text();
            first_label2 = state::frmMsg().Label2->text();
            EXPECT_EQ(state::Msg_shown, 0);  // brought to the front once
        }
    }
    state::set_status_observer({});
    EXPECT_EQ(first_label1, "読み出し中.....");
    EXPECT_EQ(first_label2, "残り 100 %");  // an ASCII space in the window
    ASSERT_GE(panel_texts.size(), 21);
    EXPECT_EQ(panel_texts.front(), "残り　100 %");  // an ideographic space in the status bar
    for (int k = 0; k <= 20; ++k)
        EXPECT_TRUE(panel_texts.contains(QString("残り　%1 %").arg(100 - 5 * k))) << k;
    for (const QString &t : panel_texts) {
        if (!t.isEmpty()) {
            EXPECT_EQ(t.mid(3, t.size() - 5).toInt() % 5, 0) << t.toStdString();
        }
    }
    EXPECT_EQ(state::status_text(2), "");
    EXPECT_FALSE(state::frmMsg_loaded());
}

TEST_F(Frame, NothingToCountIsComplete)
{
    show_busy_window("書込み中.....　しばらく御待ち下さい。");
    Show_progress("ON", 0, 0, 0);
    EXPECT_EQ(state::status_text(2), "");
    EXPECT_FALSE(state::frmMsg_loaded());
}

TEST_F(Frame, AbortLeavesIspModeAndShowsTheCount)
{
    test::Fake_port_scope fake;
    fake.port.open_ = true;
    fake.port.on_write = [](test::Fake_port &p, const QByteArray &) { p.arrive("K"); };
    test::Message_script boxes;
    w.Command_read->setEnabled(false);
    w.Command_cancel->show();
    state::Link.comxx_error = 1;
    Abort_operation();
    EXPECT_EQ(fake.port.written(), QByteArray(":"));  // even before ISP mode was entered
    EXPECT_EQ(state::status_text(3), "処理中止 (2)");
    EXPECT_EQ(state::Link.comxx_error, 2);
    EXPECT_TRUE(w.Command_read->isEnabled());
    EXPECT_FALSE(w.Command_cancel->isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::critical);
    EXPECT_EQ(boxes.shown[0].title, "error");
    EXPECT_EQ(boxes.shown[0].text, QString("  デバイス　アクセスエラーが発生しました。  !!!　　　　  \r") + QString(28, ' ')
                                       + "\r  処理を中止しました。　");
}

TEST_F(Frame, AbortCountIsKeptWhenLeavingIspModeFails)
{
    test::Fake_port_scope fake;  // closed: leaving ISP mode faults
    test::Message_script boxes;
    state::Link.comxx_error = 2;  // Cancel clicked twice
    Abort_operation();
    EXPECT_EQ(state::status_text(3), "処理中止 (3)");
    EXPECT_EQ(state::Link.comxx_error, 3);
    EXPECT_EQ(boxes.shown.size(), 1u);  // leaving ISP mode reports nothing of its own
}

TEST_F(Frame, CancelCounts)
{
    state::Link.comxx_error = 0;
    Command_cancel_click();
    Command_cancel_click();
    EXPECT_EQ(state::Link.comxx_error, 2);
}

} // namespace
