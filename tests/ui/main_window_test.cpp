// The main window after start-up, its menus and small windows, and how the program ends.

#include "window_kit.h"

#include "connection_dialog/frm_com.h"
#include "platform/files.h"
#include "shell/frm_about.h"
#include "shell/help_viewer.h"
#include "shell/language.h"
#include "shell/main_actions.h"
#include "shell/windows.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_what.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <set>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { test::start_program([](comm::FrmCom &d) { d.Command_cancel->click(); }); }
    void TearDown() override { test::fresh_program(); }
    shell::FrmMain &w = (test::fresh_program(), shell::frmMain());
};

QString menu_text(const QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + '=' + a->text());
    return menu->title() + ": " + out.join(' ');
}

TEST_F(MainWindow, WhatStartUpShows)
{
    QStringList texts{w.windowTitle()};
    for (int i = 0; i < w.SSTab1->count(); ++i)
        texts << w.SSTab1->tabText(i);
    for (QPushButton *b : {w.Command_open, w.Command_save, w.Command_Com, w.Command_cancel, w.Command_erase,
                           w.Command_verify, w.Command_program, w.Command_read})
        texts << b->objectName() + '=' + b->text();
    for (const QLabel *panel : w.findChild<QWidget *>("sbStatusBar")->findChildren<QLabel *>())
        texts << panel->text() + '/' + panel->toolTip();
    for (const QMenu *m : {w.mnuFile, w.mnuOptionMain, w.mnuHelp})
        texts << menu_text(m);
    for (const QLabel *l : w.SSTab1->widget(2)->findChildren<QLabel *>())  // the command tab's captions and values
        texts << l->text();
    EXPECT_EQ(texts.join('\n').toStdString(),
              "Qorvil Version 1.6.40\nFUSE 旧ﾚﾋﾞｼﾞｮﾝ\nFUSE Aﾚﾋﾞｼﾞｮﾝ\nコマンドﾞ実行\nメモリダンプ\n"
              "Command_open=開く\nCommand_save=名前を付けて保存\nCommand_Com=初期設定\nCommand_cancel=キャンセル\n"
              "Command_erase=ERASE\nCommand_verify=ベリファイ\nCommand_program=書き込み\nCommand_read=読み出し\n"
              "Firmware Version/ファームウエアバージョン\n進行状況/進行状況\n処理内容/処理内容\n処理時間/処理時間\n"
              "設定内容/現在の設定内容\n"
              "ファイル(&F): mnuFileOpen=開く(&O)... - mnuFileSave=上書き保存(&S) mnuFileSaveAs=名前を付けて保存...(&A) - "
              "mnuFileExit=終了(&X)\n"
              "オプション(&O): mnuInit=初期設定画面(&I) mnuOption=オプション画面(&O) nmuBufClear=PCバッファメモリクリア(&C) mnuTrace=通信ログを保存... "
              "mnuLanguage=Language / 言語\n"
              "ヘルプ(&H): nmuRev=レビジョンについて(&R) - nmuHelp=ヘルプ(&H) mnuHelpAbout=バージョン情報(&A)\n"
              "0xFFF\nAddress\nLoad DATA (Hi / Low)\n16進で入力。　　　　　Hiﾊﾞｲﾄは下位4bitのみ。）\n1byte目\n2byte目\n3byte目\n"
              "Read DATA\n\n\nVersion\n\n\n\nSync\nFUSE\n0FFF\n111111111111\nFUSEX\n0FFF\n111111111111\n"
              "DEVICE\n0FFE\n111111111110\n\nPrograming time = 45x1.06ms= 47ms\nPGM_wait");
    EXPECT_TRUE(w.SSTab1->currentIndex() == 3 && w.SSTab1->isVisible() && w.Command_cancel->isHidden());
    // The address label and the reply fields wait for the command tab; the whole memory is shown.
    EXPECT_TRUE(w.address_pc->isHidden() && w.text_in_hi->isHidden() && w.text_in_low->isHidden()
                && w.text_in_trm->isHidden() && test::S().Last_address == 2047);
}

// Closing deletes the dump and closes the port; size, place and tab come back at the next start,
// and a language switch on the way leaves the size the user gave.
TEST_F(MainWindow, ClosingKeepsSizePlaceAndTabForTheNextStart)
{
    const QString dump = platform::work_folder() + "sx_hex.txt";
    ASSERT_TRUE(QFile::exists(dump));
    const QRect place(w.pos() + QPoint(40, 30), w.size() + QSize(120, 60));
    w.move(place.topLeft());
    w.resize(place.size());
    w.SSTab1->setCurrentIndex(1);
    for (const char *language : {"en", "ja"})
        shell::apply_language(language);
    EXPECT_EQ(w.size(), place.size());
    w.close();
    EXPECT_FALSE(QFile::exists(dump) || test::S().port().is_open());
    shell::unload_all_windows();
    shell::reset_exit_state();
    test::start_program([](comm::FrmCom &d) { d.Command_cancel->click(); });
    EXPECT_EQ(QRect(shell::frmMain().pos(), shell::frmMain().size()), place);
    EXPECT_EQ(shell::frmMain().SSTab1->currentIndex(), 1);
}

// A screen reader finds a name for every control of every window, on every tab, in the language
// shown: its caption, the label beside it, or a name of its own.
TEST_F(MainWindow, EveryControlHasAnAccessibleName)
{
    const std::set<QAccessible::Role> containers{QAccessible::Client, QAccessible::Pane, QAccessible::Grouping,
                                                QAccessible::Separator, QAccessible::Window, QAccessible::Dialog,
                                                QAccessible::StatusBar, QAccessible::MenuBar, QAccessible::PageTab,
                                                QAccessible::LayeredPane, QAccessible::ScrollBar, QAccessible::List,
                                                QAccessible::Grip};
    QStringList nameless;
    for (const char *language : {"ja", "en"}) {
        shell::apply_language(language);
        for (int tab = 0; tab < w.SSTab1->count(); ++tab) {
            w.SSTab1->setCurrentIndex(tab);
            for (QWidget *window : std::initializer_list<QWidget *>{&w, &shell::frmCom(), &shell::frmAbout(),
                                                                    &shell::frmWhat(), &shell::frmMsg()})
                for (QWidget *c : window->findChildren<QWidget *>()) {
                    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
                    const auto *label = qobject_cast<QLabel *>(c);
                    if (c->isHidden() || !a || containers.count(a->role()) || (label && label->text().isEmpty()))
                        continue;
                    if (a->text(QAccessible::Name).trimmed().isEmpty())
                        nameless << QString("%1 (%2)").arg(c->objectName(), language);
                }
        }
    }
    nameless.removeDuplicates();
    EXPECT_EQ(nameless.join(' '), "");
    for (auto [field, name] : {std::pair{w.text_out_hi, "Load data, high byte"}, {w.Text_pgm_wait, "Program wait"}})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), name);
    shell::apply_language("ja");
}

} // namespace
