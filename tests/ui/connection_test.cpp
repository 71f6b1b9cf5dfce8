// The connection dialog at start-up, against the simulated board on a pseudo-terminal:
// what the user sees and what is stored, for each way the attempt can go.

#include "window_kit.h"

#include "connection_dialog/frm_com.h"
#include "desktop/captions.h"
#include "shell/frm_main.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

using comm::FrmCom;

QString view(const FrmCom &d)
{
    if (!d.isVisible())
        return "closed";
    const bool frames = d.Frame_port->isVisible() && d.Frame_device->isVisible() && d.Frame_ver->isVisible();
    return frames && !d.Label_com_info->isVisible() ? "settings" : !frames && d.Label_com_info->isVisible() ? "info" : "mixed";
}

void choose(FrmCom &d, int port)
{
    d.Combo_com->setCurrentIndex(port);
    d.Command_ok->click();
}

struct Case {
    const char *name;
    std::optional<QStringList> board;   // no board at all when absent
    QStringList stored;                  // "key=value" of section Settings
    std::function<void(FrmCom &)> user;  // plays the user; the snapshot is taken right after
    std::string expected;                // the snapshot
};

// What the user sees once `user` is done, and what the program keeps.
QString snapshot(const FrmCom &d, const test::Message_script &boxes, const test::Sim_process *board)
{
    QStringList shown;
    for (const desktop::Message &m : boxes.shown)
        shown << m.title + ": " + m.text.section('\r', 0, 0);
    return QStringList{"view " + view(d), "info " + desktop::caption(d.Label_com_info), "boxes " + shown.join(" / "),
                       "panels " + shell::frmMain().sbPanel[1]->text() + " | " + shell::frmMain().sbPanel[3]->text() + " | " + shell::frmMain().sbPanel[5]->text(),
                       "stored " + test::stored("ComNo") + ',' + test::stored("Pin_mode") + ',' + test::stored("Rev_mode"),
                       "port " + QString(test::S().port().is_open() ? "open" : "closed"),
                       "sent " + (board ? board->log() : QString())}
        .join('\n');
}

const QString idle_panels = "panels Firmware Version | 処理内容 | 設定内容";

const Case cases[] = {
    {"IdentifiesTheBoardAndSavesTheChoices", QStringList{}, {"Pin_mode=28", "Rev_mode=0"}, [](FrmCom &d) {
         EXPECT_TRUE(d.Option_28pin->isChecked() && d.Option_old->isChecked() && d.Combo_com->currentText() == "COM?");
         choose(d, 3);
     },
     "view closed\ninfo \r\nライターとの接続確認中.........  しばらく御待ち下さい。   \nboxes \n"
     "panels QORVIL V1.02 | 初期設定完了 | Com3 28Pin Rev:OLD\nstored 3,28,0\nport open\nsent ="},
    {"FirstRunChoosesEighteenPinsAndTheARevision", QStringList{}, {}, [](FrmCom &d) {
         EXPECT_TRUE(d.Option_18pin->isChecked() && d.Option_arev->isChecked() && !d.Option_old->isChecked());
         choose(d, 3);
     },
     "view closed\ninfo \r\nライターとの接続確認中.........  しばらく御待ち下さい。   \nboxes \n"
     "panels QORVIL V1.02 | 初期設定完了 | Com3 18Pin Rev: A \nstored 3,18,1\nport open\nsent ="},
    {"WrongIdentificationShowsTheFailureView", QStringList{"--wrong-id"}, {}, [](FrmCom &d) {
         d.Option_28pin->click();
         choose(d, 3);
     },
     "view info\ninfo プログラマとの通信に失敗しました。\r\rライターの接続を確認してください。 ：　COM3\r \nboxes \n"
     "panels Firmware Version | 初期設定失敗 | 設定内容\nstored ,,\nport closed\nsent ="},
    // Silence is asked again once, after a request that brings a board waiting for a payload back in step.
    {"ShortReplyCountsAsSilence", QStringList{"--short-id"}, {}, [](FrmCom &d) { choose(d, 3); },
     "view info\ninfo プログラマとの通信に失敗しました。\r\rライターの接続を確認してください。 ：　COM3\r \nboxes \n"
     "panels Firmware Version | 初期設定失敗 | 設定内容\nstored ,,\nport closed\nsent ==="},
    {"OkInTheFailureViewReturnsToTheSettings", QStringList{"--silent-after", "0"}, {}, [](FrmCom &d) {
         choose(d, 3);
         d.Command_ok->click();
     },
     "view settings\ninfo プログラマとの通信に失敗しました。\r\rライターの接続を確認してください。 ：　COM3\r \nboxes \n"
     "panels Firmware Version | 初期設定失敗 | 設定内容\nstored ,,\nport closed\nsent ==="},
    {"NoPackageAndNoRevisionAskNothing", QStringList{}, {"Pin_mode=20", "Rev_mode=7"}, [](FrmCom &d) {
         EXPECT_FALSE(d.Option_18pin->isChecked() || d.Option_28pin->isChecked() || d.Option_old->isChecked()
                      || d.Option_arev->isChecked());
         choose(d, 3);
     },
     "view info\ninfo デバイスモードが選択されていません。     \r\r18、28ピンのいずれかを選択してください。\r "
     "レビジョンが選択されていません。     \r\rold、A のいずれかを選択してください。\r \nboxes \n"
     "panels Firmware Version | 初期設定失敗 | 設定内容\nstored ,20,7\nport closed\nsent "},
    {"NoPortChosen", QStringList{}, {}, [](FrmCom &d) { d.Command_ok->click(); },
     "view settings\ninfo \r\nライターとの接続確認中.........  しばらく御待ち下さい。   \n"
     "boxes ﾎﾟｰﾄｵｰﾌﾟﾝ失敗: COM? のオープンに失敗しました。\n" + idle_panels.toStdString() + "\nstored ,,\nport closed\nsent "},
    {"MissingDevice", std::nullopt, {}, [](FrmCom &d) { choose(d, 4); },
     "view settings\ninfo \r\nライターとの接続確認中.........  しばらく御待ち下さい。   \n"
     "boxes ﾎﾟｰﾄｵｰﾌﾟﾝ失敗: COM4のオープンに失敗しました。\n" + idle_panels.toStdString() + "\nstored ,,\nport closed\nsent "},
    {"FollowsTheMainWindowWhenItIsPlaced", QStringList{}, {}, [](FrmCom &d) {
         // A window manager places the main window after the dialog has been placed over it.
         auto &w = shell::frmMain();
         w.move(w.pos() + QPoint(120, 80));
         EXPECT_TRUE(test::wait_until(
             [&] { return (d.geometry().center() - w.geometry().center()).manhattanLength() <= 6; }, 2000));
         choose(d, 3);
     },
     "view closed\ninfo \r\nライターとの接続確認中.........  しばらく御待ち下さい。   \nboxes \n"
     "panels QORVIL V1.02 | 初期設定完了 | Com3 18Pin Rev: A \nstored 3,18,1\nport open\nsent ="},
    {"StoredTextsThatAreNotNumbersFallBackToDefaults", QStringList{}, {"Pin_mode=eighteen", "ComNo=12"}, [](FrmCom &d) {
         EXPECT_TRUE(d.Combo_com->currentIndex() == 0 && d.Option_18pin->isChecked() && d.Option_arev->isChecked());
         d.Option_old->click();  // a revision click is saved at once, even when cancelled
         d.Command_cancel->click();
     },
     "view closed\ninfo \nboxes \n" + idle_panels.toStdString() + "\nstored 12,eighteen,0\nport closed\nsent "},
};

void PrintTo(const Case &r, std::ostream *out) { *out << r.name; }

class Connection : public ::testing::TestWithParam<Case> {};

TEST_P(Connection, WhatTheUserSees)
{
    const Case &c = GetParam();
    test::fresh_program();
    std::unique_ptr<test::Sim_process> board;
    if (c.board) {
        board = std::make_unique<test::Sim_process>(*c.board);
        ASSERT_TRUE(board->started());
        test::map_com_port(3, board->device);
    }
    test::map_com_port(4, "/dev/qorvil-no-such-device");
    for (const QString &kv : c.stored)
        test::store(kv.section('=', 0, 0), kv.section('=', 1));
    test::Message_script boxes;
    QString seen;
    test::start_program([&](FrmCom &d) {
        c.user(d);
        seen = snapshot(d, boxes, board.get());
    });
    EXPECT_EQ(seen.toStdString(), c.expected);
    test::fresh_program();
}

INSTANTIATE_TEST_SUITE_P(Dialog, Connection, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

class Connected : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::fresh_program();
        ASSERT_TRUE(board.started());
        test::map_com_port(1, board.device);
    }
    void TearDown() override { test::fresh_program(); }
    test::Sim_process board{{"--late-ms", "300"}};
};

TEST_F(Connected, TheMainWindowFollowsTheRevisionChosen)
{
    test::store("Rev_mode", "0");
    test::start_program([](FrmCom &d) { choose(d, 1); });
    auto &w = shell::frmMain();
    EXPECT_EQ(w.Text_pgm_wait->text() + '|' + w.Label_msg_a->text() + '|' + w.Label_msg->text(), "240|old revisionが選択されています。|");
    EXPECT_TRUE(w.Frame_fuse_a->isHidden() && w.Frame_fusex_a->isHidden() && w.Frame_DEVICE_a->isHidden());
    EXPECT_FALSE(w.Frame_fuse->isHidden() || w.Frame_fusex->isHidden() || w.Frame_DEVICE->isHidden());
    EXPECT_TRUE(w.SSTab1->currentIndex() == 3 && test::S().Com_setup_done);

    shell::frmCom().show_modeless();
    shell::frmCom().Option_arev->click();
    shell::frmCom().Command_ok->click();
    EXPECT_EQ(w.Text_pgm_wait->text() + '|' + w.Label_msg->text() + '|' + w.Label_msg_a->text(), "45|A revisionが選択されています。|");
    EXPECT_TRUE(w.Frame_fuse->isHidden() && !w.Frame_fuse_a->isHidden() && test::stored("Rev_mode") == "1");
}

TEST_F(Connected, CancelDuringTheIdentificationWaitEndsTheAttempt)
{
    bool ok_held_back = false;
    test::start_program([&](FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        QTimer::singleShot(100, [&d, &ok_held_back] {
            ok_held_back = !d.Command_ok->isEnabled();
            d.Command_cancel->click();
        });
        d.Command_ok->click();
    });
    EXPECT_TRUE(ok_held_back && !shell::frmCom().isVisible() && test::S().Link.comxx_error == 1 && !test::S().port().is_open());
    EXPECT_EQ(shell::frmMain().sbPanel[3]->text() + '|' + test::stored("ComNo"), "処理内容|");
    // Start-up goes on: the program wait of the stored revision.
    EXPECT_EQ(shell::frmMain().Text_pgm_wait->text(), "45");
}

TEST_F(Connected, StatusPanelFiveReopensTheDialog)
{
    test::start_program([](FrmCom &d) { choose(d, 1); });
    auto release = [](int panel) {
        QMouseEvent e(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(shell::frmMain().sbPanel[size_t(panel)], &e);
    };
    release(3);  // nothing: its text does not begin with "Com"
    EXPECT_FALSE(shell::frmCom().isVisible());
    bool reopened = false;
    test::when_dialog_shown([&](FrmCom &d) {
        reopened = d.Combo_com->currentIndex() == 1 && d.Combo_com->count() == 10;  // the list filled afresh
        d.Command_ok->click();
    });
    release(5);
    EXPECT_TRUE(reopened && test::S().port().is_open() && board.log(2) == "==");
}

} // namespace
