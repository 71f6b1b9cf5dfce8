// The connection dialog against the simulated board on a pseudo-terminal, through the
// real serial port.

#include "dialog_driver.h"
#include "sim_process.h"
#include "test_support.h"

#include "link/frm_com.h"
#include "platform/serial_port.h"
#include "state/captions.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using comm::FrmCom;

QString panel(int n) { return state::frmMain().sbPanel[size_t(n)]->text(); }

bool frames_shown(const FrmCom &d)
{
    return d.Frame_port->isVisible() && d.Frame_device->isVisible() && d.Frame_ver->isVisible()
           && !d.Label_com_info->isVisible();
}

bool failure_view(const FrmCom &d)
{
    return !d.Frame_port->isVisible() && !d.Frame_device->isVisible() && !d.Frame_ver->isVisible()
           && d.Label_com_info->isVisible();
}

class Connection : public ::testing::Test {
protected:
    void SetUp() override { test::fresh_program(); }
    void TearDown() override { test::fresh_program(); }
};

TEST_F(Connection, IdentifiesTheBoardAndSavesTheChoices)
{
    test::Sim_process sim({"--firmware", "V1.02"});
    ASSERT_TRUE(sim.started());
    test::map_com_port(3, sim.device);
    test::store("Pin_mode", "28");
    test::store("Rev_mode", "0");
    test::Message_script boxes;

    bool loaded_right = false;
    test::start_program([&](FrmCom &d) {
        loaded_right = d.Option_28pin->isChecked() && d.Option_old->isChecked() && state::Pin_mode == 28
                       && state::Rev_mode == 0 && d.Combo_com->currentText() == "COM?" && frames_shown(d);
        d.Combo_com->setCurrentIndex(3);
        d.Command_ok->click();
    });

    EXPECT_TRUE(loaded_right);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(comm::frmCom().isVisible());
    EXPECT_TRUE(platform::port().is_open());
    EXPECT_EQ(state::Link.comxx_error, 0);
    EXPECT_TRUE(state::Com_setup_done);
    // Characters 4 to 15 of the 15-byte identification.
    EXPECT_EQ(panel(1), "QORVIL V1.02");
    EXPECT_EQ(panel(3), "初期設定完了");
    EXPECT_EQ(panel(5), "Com3 28Pin Rev:OLD");
    EXPECT_EQ(test::stored("ComNo"), "3");
    EXPECT_EQ(test::stored("Pin_mode"), "28");
    EXPECT_EQ(test::stored("Rev_mode"), "0");
    auto &w = state::frmMain();
    EXPECT_EQ(w.Text_pgm_wait->text(), "240");
    EXPECT_EQ(w.Label_msg_a->text(), "old revisionが選択されています。");
    EXPECT_EQ(w.Label_msg->text(), "");
    EXPECT_TRUE(w.Frame_fuse_a->isHidden() && w.Frame_fusex_a->isHidden() && w.Frame_DEVICE_a->isHidden());
    EXPECT_FALSE(w.Frame_fuse->isHidden());
    EXPECT_EQ(w.SSTab1->currentIndex(), 3);  // memory dump in front
    // The board saw exactly one identification request.
    ASSERT_EQ(sim.log_lines().size(), 1);
    EXPECT_TRUE(sim.log_lines().at(0).contains("cmd '='"));
}

TEST_F(Connection, FirstRunDefaultsAndTheAStatusText)
{
    test::Sim_process sim;
    ASSERT_TRUE(sim.started());
    test::map_com_port(1, sim.device);
    bool defaults = false;
    test::start_program([&](FrmCom &d) {
        defaults = d.Combo_com->currentIndex() == 0 && d.Option_18pin->isChecked() && d.Option_arev->isChecked()
                   && !d.Option_28pin->isChecked() && !d.Option_old->isChecked();
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
    });
    EXPECT_TRUE(defaults);
    EXPECT_EQ(panel(5), "Com1 18Pin Rev: A ");
    EXPECT_EQ(state::frmMain().Text_pgm_wait->text(), "45");
    EXPECT_EQ(state::frmMain().Label_msg->text(), "A revisionが選択されています。");
}

TEST_F(Connection, WrongIdentificationShowsTheFailureViewAndSavesNothing)
{
    test::Sim_process sim({"--wrong-id"});
    ASSERT_TRUE(sim.started());
    test::map_com_port(2, sim.device);
    QString text;
    bool failure = false, port_closed = false;
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(2);
        d.Option_28pin->click();
        d.Command_ok->click();
        text = state::caption(d.Label_com_info);
        failure = failure_view(d) && d.isVisible();
        port_closed = !platform::port().is_open();
    });
    EXPECT_TRUE(failure);
    EXPECT_TRUE(port_closed);
    EXPECT_EQ(text, "プログラマとの通信に失敗しました。\r\rライターの接続を確認してください。 ：　COM2\r ");
    EXPECT_EQ(panel(3), "初期設定失敗");
    EXPECT_EQ(test::stored("ComNo"), "");
    EXPECT_EQ(test::stored("Pin_mode"), "");
    // The package click changed Pin_mode at once, and CANCEL keeps it.
    EXPECT_EQ(state::Pin_mode, 28);
    EXPECT_EQ(state::Link.comxx_error, 1);
}

TEST_F(Connection, SilentBoardFailsAfterTwoSecondsAndOkReturnsToTheSettings)
{
    test::Sim_process sim({"--silent-after", "0"});
    ASSERT_TRUE(sim.started());
    test::map_com_port(1, sim.device);
    QString text;
    bool back_to_settings = false, failure = false;
    int requests_after_second_ok = -1;
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
        failure = failure_view(d);
        text = state::caption(d.Label_com_info);
        const int before = sim.log_lines().size();
        d.Command_ok->click();  // OK in the failure view: frames again, nothing sent
        back_to_settings = frames_shown(d) && d.isVisible() && d.comxx_error == 0;
        requests_after_second_ok = sim.log_lines().size() - before;
    });
    EXPECT_TRUE(failure);
    EXPECT_TRUE(text.startsWith("プログラマとの通信に失敗しました。"));
    EXPECT_TRUE(back_to_settings);
    EXPECT_EQ(requests_after_second_ok, 0);
}

TEST_F(Connection, ShortReplyCountsAsSilence)
{
    test::Sim_process sim({"--short-id"});
    ASSERT_TRUE(sim.started());
    test::map_com_port(1, sim.device);
    QString text;
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
        text = state::caption(d.Label_com_info);
    });
    EXPECT_TRUE(text.startsWith("プログラマとの通信に失敗しました。"));
    EXPECT_EQ(panel(3), "初期設定失敗");
}

TEST_F(Connection, NoPortChosen)
{
    test::Message_script boxes;
    bool checking_view = false;
    test::start_program([&](FrmCom &d) {
        d.Command_ok->click();
        checking_view = failure_view(d) && d.isVisible();
    });
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::critical);
    EXPECT_EQ(boxes.shown[0].title, "ﾎﾟｰﾄｵｰﾌﾟﾝ失敗");
    EXPECT_EQ(boxes.shown[0].text, "COM? のオープンに失敗しました。\r\r再度、ポート番号を設定してください。");
    EXPECT_TRUE(checking_view);
    EXPECT_FALSE(platform::port().is_open());
    EXPECT_EQ(test::stored("ComNo"), "");
    EXPECT_EQ(test::stored("Rev_mode"), "");
}

TEST_F(Connection, MissingDeviceNamesThePathAndTheReason)
{
    test::map_com_port(4, "/dev/qorvil-no-such-device");
    test::Message_script boxes;
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(4);
        EXPECT_EQ(d.Label_device_path->text(), "/dev/qorvil-no-such-device");
        EXPECT_EQ(d.Combo_com->itemData(4, Qt::ToolTipRole).toString(), "/dev/qorvil-no-such-device");
        d.Command_ok->click();
    });
    ASSERT_EQ(boxes.shown.size(), 1u);
    const QString text = boxes.shown[0].text;
    EXPECT_TRUE(text.startsWith("COM4のオープンに失敗しました。\r\r再度、ポート番号を設定してください。\r\r"
                                "/dev/qorvil-no-such-device\r"))
        << text.toStdString();
    EXPECT_GT(text.size(), QString("COM4のオープンに失敗しました。\r\r再度、ポート番号を設定してください。\r\r"
                                   "/dev/qorvil-no-such-device\r")
                               .size());  // the system's reason follows
    EXPECT_EQ(test::stored("ComNo"), "");
}

TEST_F(Connection, NoPackageAndNoRevisionListBothReasonsWithoutAsking)
{
    test::Sim_process sim;
    ASSERT_TRUE(sim.started());
    test::map_com_port(1, sim.device);
    test::store("Pin_mode", "20");
    test::store("Rev_mode", "7");
    QString text;
    bool none_selected = false, port_closed = false;
    test::start_program([&](FrmCom &d) {
        none_selected = !d.Option_18pin->isChecked() && !d.Option_28pin->isChecked() && !d.Option_old->isChecked()
                        && !d.Option_arev->isChecked();
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
        text = state::caption(d.Label_com_info);
        port_closed = !platform::port().is_open();
    });
    EXPECT_TRUE(none_selected);
    EXPECT_EQ(text, "デバイスモードが選択されていません。     \r\r18、28ピンのいずれかを選択してください。\r "
                    "レビジョンが選択されていません。     \r\rold、A のいずれかを選択してください。\r ");
    EXPECT_TRUE(port_closed);
    EXPECT_TRUE(sim.log_lines().isEmpty());
}

TEST_F(Connection, StoredTextsThatAreNotNumbersFallBackToDefaults)
{
    test::store("Pin_mode", "eighteen");
    test::store("Rev_mode", "");
    test::store("ComNo", "12");
    bool defaults = false;
    test::start_program([&](FrmCom &d) {
        defaults = d.Combo_com->currentIndex() == 0 && d.Option_18pin->isChecked() && d.Option_arev->isChecked();
    });
    EXPECT_TRUE(defaults);
}

TEST_F(Connection, CancelLeavesTheMainWindowUsable)
{
    test::start_program([&](FrmCom &d) {
        d.Option_old->click();  // a revision click is saved at once, even if cancelled
        d.Command_cancel->click();
    });
    EXPECT_EQ(state::Link.comxx_error, 1);
    EXPECT_TRUE(state::frmMain().isVisible());
    EXPECT_EQ(test::stored("Rev_mode"), "0");
    EXPECT_EQ(test::stored("ComNo"), "");
    // Start-up takes the program wait of the revision now chosen.
    EXPECT_EQ(state::frmMain().Text_pgm_wait->text(), "240");
}

TEST_F(Connection, CancelDuringTheIdentificationWaitEndsTheAttempt)
{
    test::Sim_process sim({"--late-ms", "1500"});
    ASSERT_TRUE(sim.started());
    test::map_com_port(1, sim.device);
    bool ok_disabled_while_waiting = false;
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        QTimer::singleShot(200, [&d, &ok_disabled_while_waiting] {
            ok_disabled_while_waiting = !d.Command_ok->isEnabled();
            d.Command_cancel->click();
        });
        d.Command_ok->click();
    });
    EXPECT_TRUE(ok_disabled_while_waiting);
    EXPECT_FALSE(comm::frmCom().isVisible());
    EXPECT_EQ(state::Link.comxx_error, 1);
    EXPECT_FALSE(platform::port().is_open());
    EXPECT_NE(panel(3), "初期設定完了");
    EXPECT_EQ(test::stored("ComNo"), "");
}

TEST_F(Connection, ReopenedFromTheStatusPanelAfterSuccess)
{
    test::Sim_process sim;
    ASSERT_TRUE(sim.started());
    test::map_com_port(1, sim.device);
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
    });
    ASSERT_TRUE(panel(5).startsWith("Com"));

    // Panel 3 does nothing.
    bool opened_by_panel3 = false;
    QTimer::singleShot(300, [&] {
        if (comm::frmCom().isVisible()) {
            opened_by_panel3 = true;
            comm::frmCom().Command_cancel->click();
        }
    });
    QMouseEvent click3(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(state::frmMain().sbPanel[3], &click3);
    test::wait_until([] { return false; }, 400);
    EXPECT_FALSE(opened_by_panel3);

    // Panel 5 opens the dialog with the saved choice.
    bool reopened_with_com1 = false;
    test::when_dialog_shown([&](FrmCom &d) {
        reopened_with_com1 = d.Combo_com->currentIndex() == 1;
        d.Command_ok->click();
    });
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(state::frmMain().sbPanel[5], &release);
    EXPECT_TRUE(reopened_with_com1);
    EXPECT_TRUE(platform::port().is_open());
    EXPECT_EQ(sim.log_lines().size(), 2);
}

} // namespace
