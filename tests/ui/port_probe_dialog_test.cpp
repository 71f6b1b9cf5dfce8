// The connection dialog's 自動検出 button against simulated boards on pseudo-terminals,
// through the real serial ports, offscreen.

#include "window_kit.h"

#include "connection_dialog/frm_com.h"
#include "shell/frm_main.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

using comm::FrmCom;

QPushButton *probe_button(FrmCom &d) { return d.findChild<QPushButton *>("Command_probe"); }
QLabel *results(FrmCom &d) { return d.findChild<QLabel *>("Label_probe"); }

TEST(ProbeDialog, SelectsTheFirstAnsweringPortListsEveryPortTriedAndOkConnects)
{
    test::fresh_program();
    const QStringList silent{"--silent-after", "0"};
    // Port number, the board behind it, what the list says; COM2 is held by another program.
    const std::vector<std::tuple<int, QStringList, QString>> ports = {
        {1, silent, "応答なし"},
        {2, {}, "オープンできません：the port is in use by another program"},
        {3, {"--firmware", "V2.10"}, "応答あり　QORVIL V2.10"},
        {4, {"--wrong-id"}, "ライターではない応答"},
        {6, {}, "応答あり　QORVIL V1.02"},
    };
    std::map<int, std::unique_ptr<test::Sim_process>> boards;
    for (const auto &[n, options, outcome] : ports) {
        boards[n] = std::make_unique<test::Sim_process>(options);
        ASSERT_TRUE(boards[n]->started());
        test::map_com_port(n, boards[n]->device);
    }
    test::map_other_com_ports_away();
    const test::Port_holder other_program(boards[2]->device);
    ASSERT_TRUE(other_program.holding);

    bool hidden_at_first = false, marked = true, waiting = false, found = false, settings = false, closed = true;
    QStringList lines;
    test::start_program([&](FrmCom &d) {
        hidden_at_first = results(d)->isHidden();
        for (int n = 1; n <= 9; ++n)  // the ports mapped away have no device behind them
            marked = marked && d.Combo_com->itemData(n, Qt::FontRole).value<QFont>().bold() == (boards.count(n) > 0);
        probe_button(d)->click();
        // The ports are open while the other controls wait; only CANCEL stays live.
        waiting = test::open_here(boards[1]->device) && !d.Command_ok->isEnabled() && !d.Combo_com->isEnabled()
                  && !probe_button(d)->isEnabled() && d.Command_cancel->isEnabled();
        found = test::wait_until([&] { return d.Command_ok->isEnabled(); });
        lines = results(d)->text().split('\n');
        settings = d.Frame_port->isVisible() && d.Frame_device->isVisible() && d.Frame_ver->isVisible()
                   && d.Combo_com->currentIndex() == 3 && d.focusWidget() == d.Command_ok;
        for (const auto &[n, board] : boards)
            closed = closed && !test::open_here(board->device);
        QStringList tabs;  // the tab order, as the eye reads the dialog
        for (QWidget *w = d.Combo_com; tabs.size() < 9; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                tabs << w->objectName();
        EXPECT_EQ(tabs.join(' '), "Combo_com Command_probe Option_18pin Option_28pin Option_old Option_arev Command_what "
                                  "Command_ok Command_cancel");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);  // Enter connects
        QCoreApplication::sendEvent(d.focusWidget(), &enter);
    });
    // Hidden list at first, bold ports, controls held, found, ports closed.
    EXPECT_EQ(std::vector<bool>({hidden_at_first, marked, waiting, found, settings, closed}), std::vector<bool>(6, true));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "ライターが複数見つかりました。最初のポートを選択しました。");
    for (const auto &[n, options, outcome] : ports)
        EXPECT_TRUE(lines.contains(QString("COM%1  %2  %3").arg(n).arg(boards[n]->device, outcome)))
            << lines.join('\n').toStdString();
    // OK ran the usual sequence on the chosen port; the held port was reported, not taken.
    EXPECT_EQ(shell::frmMain().sbPanel[5]->text(), "Com3 18Pin Rev: A ");
    EXPECT_EQ(boards[3]->log(2) + '|' + boards[2]->log(), "==|");
    shell::frmCom().show_modeless();  // the next opening starts clean
    EXPECT_TRUE(results(shell::frmCom())->isHidden());
    shell::frmCom().Command_cancel->click();
}

TEST(ProbeDialog, CancelEndsTheSearchAndTheDialogWithEveryPortClosed)
{
    test::fresh_program();
    test::Sim_process board({"--silent-after", "0"});
    ASSERT_TRUE(board.started());
    test::map_com_port(1, board.device);
    test::map_other_com_ports_away();
    bool searching = false;
    test::start_program([&](FrmCom &d) {
        probe_button(d)->click();
        searching = test::open_here(board.device);
        d.Command_cancel->click();
    });
    EXPECT_TRUE(searching && !shell::frmCom().isVisible() && !test::open_here(board.device));
    EXPECT_EQ(test::S().Link.comxx_error, 1);
    shell::frmCom().show_modeless();  // opened again, everything answers
    EXPECT_TRUE(shell::frmCom().Combo_com->isEnabled() && shell::frmCom().Command_ok->isEnabled());
}

} // namespace
