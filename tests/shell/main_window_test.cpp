// The main window, its menus, status bar, layout rule and exit; the About and revision
// windows; the program started as a separate process.

#include "dialog_driver.h"
#include "test_support.h"

#include "link/frm_com.h"
#include "platform/files.h"
#include "platform/serial_port.h"
#include "shell/frm_about.h"
#include "state/frm_main.h"
#include "state/frm_what.h"
#include "state/globals.h"
#include "shell/help_viewer.h"
#include "shell/main_actions.h"
#include "state/twips.h"
#include "shell/windows.h"
#include "state/windows.h"

#include <QAction>
#include <QFile>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    test::Fresh_program fresh_;
    void SetUp() override
    {
        test::start_program([](comm::FrmCom &d) { d.Command_cancel->click(); });
    }
    state::FrmMain &w = state::frmMain();
};

QStringList captions(const QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + '=' + a->text());
    return out;
}

TEST_F(MainWindow, CaptionTabsButtonsAndStatusPanels)
{
    EXPECT_EQ(w.windowTitle(), "Qorvil Version 1.6.40");
    ASSERT_EQ(w.SSTab1->count(), 4);
    EXPECT_EQ(w.SSTab1->tabText(0), "FUSE 旧ﾚﾋﾞｼﾞｮﾝ");
    EXPECT_EQ(w.SSTab1->tabText(1), "FUSE Aﾚﾋﾞｼﾞｮﾝ");
    EXPECT_EQ(w.SSTab1->tabText(2), "コマンドﾞ実行");
    EXPECT_EQ(w.SSTab1->tabText(3), "メモリダンプ");
    EXPECT_EQ(w.SSTab1->currentIndex(), 3);
    EXPECT_TRUE(w.SSTab1->isVisible());

    const std::pair<QPushButton *, const char *> buttons[] = {
        {w.Command_open, "開く"},        {w.Command_save, "名前を付けて保存"}, {w.Command_Com, "初期設定"},
        {w.Command_cancel, "キャンセル"}, {w.Command_erase, "ERASE"},          {w.Command_verify, "ベリファイ"},
        {w.Command_program, "書き込み"}, {w.Command_read, "読み出し"}};
    for (const auto &[button, caption] : buttons)
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
    EXPECT_FALSE(w.Command_cancel->isVisible());

    const char *tips[] = {"", "ファームウエアバージョン", "進行状況", "処理内容", "処理時間", "現在の設定内容"};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(w.sbPanel[size_t(i)]->toolTip(), QString::fromUtf8(tips[i]));
    EXPECT_EQ(w.sbPanel[1]->text(), "Firmware Version");

    // Start-up hides the address label and the reply fields of the command tab.
    EXPECT_TRUE(w.address_pc->isHidden());
    EXPECT_TRUE(w.text_in_hi->isHidden() && w.text_in_low->isHidden() && w.text_in_trm->isHidden());
    EXPECT_EQ(w.address_pc->text(), "0xFFF");
    EXPECT_EQ(state::Isp_mode, "OFF");
    EXPECT_EQ(state::Address_pc, 0xFFF);
}

TEST_F(MainWindow, MenuTree)
{
    const QList<QAction *> top = w.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "ファイル(&F)");
    EXPECT_EQ(top[1]->text(), "オプション(&O)");
    EXPECT_EQ(top[2]->text(), "ヘルプ(&H)");
    EXPECT_EQ(captions(w.mnuFile), (QStringList{"mnuFileOpen=開く(&O)...", "-", "mnuFileSave=上書き保存(&S)",
                                                "mnuFileSaveAs=名前を付けて保存...(&A)", "-", "mnuFileExit=終了(&X)"}));
    EXPECT_EQ(captions(w.mnuOptionMain), (QStringList{"mnuInit=初期設定画面(&I)", "mnuOption=オプション画面(&O)",
                                                      "nmuBufClear=PCバッファメモリクリア(&C)"}));
    EXPECT_EQ(captions(w.mnuHelp), (QStringList{"nmuRev=レビジョンについて(&R)", "-", "nmuHelp=ヘルプ(&H)",
                                                "mnuHelpAbout=バージョン情報(&A)"}));
}

TEST_F(MainWindow, NarrowWindowMovesOnlyTheBackground)
{
    const QPoint read_before = w.Command_read->pos();
    const QPoint tab_before = w.SSTab1->pos();
    w.resize(state::px(8000), w.height() + 40);
    test::wait_until([&] { return w.width() == state::px(8000); }, 2000);
    EXPECT_EQ(w.Command_read->pos(), read_before);
    EXPECT_EQ(w.SSTab1->pos(), tab_before);
    EXPECT_EQ(state::twips(w.Label_Back->width()), state::twips(w.centralWidget()->width()) - 30);

    // Wide again: the buttons stand right-aligned, the tab control centred left of them.
    w.resize(state::px(13000), w.height());
    test::wait_until([&] { return w.width() == state::px(13000); }, 2000);
    const int right = state::twips(w.width()) - 300;
    EXPECT_NEAR(state::twips(w.Command_read->x() + w.Command_read->width()), right, 30);
    EXPECT_NEAR(state::twips(w.Command_open->x() + w.Command_Com->width()), right, 30);
    EXPECT_NEAR(state::twips(w.SSTab1->x()), (state::twips(w.Command_read->x()) - state::twips(w.SSTab1->width())) / 2,
                30);
}

TEST_F(MainWindow, ClosingDeletesTheDumpAndClosesThePort)
{
    const QString dump = platform::work_folder() + "sx_hex.txt";
    QFile f(dump);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    w.close();
    EXPECT_FALSE(QFile::exists(dump));
    EXPECT_FALSE(platform::port().is_open());
}

TEST_F(MainWindow, AboutBoxShowsTheCaptionVersionEveryTime)
{
    for (int round = 0; round < 2; ++round) {
        QString version, title, disclaimer;
        QTimer::singleShot(0, [&] {
            shell::FrmAbout &about = shell::frmAbout();
            version = about.lblVersion->text();
            title = about.lblTitle->text();
            disclaimer = about.lblDisclaimer->text();
            about.cmdOK->click();
        });
        w.mnuHelpAbout->trigger();
        EXPECT_TRUE(w.windowTitle().endsWith(version));
        EXPECT_EQ(version, "Version 1.6.40");
        EXPECT_EQ(title, "Qorvil");
        EXPECT_TRUE(disclaimer.startsWith("ｻﾎﾟｰﾄﾍﾟｰｼﾞ : "));
    }
}

TEST_F(MainWindow, RevisionWindowTextsKeepTheirBlanks)
{
    QStringList texts;
    QTimer::singleShot(0, [&] {
        state::FrmWhat &what = state::frmWhat();
        for (QLabel *l : {what.Label1, what.Label2, what.Label3, what.Label6, what.Label7, what.Label4, what.Label5,
                          what.Label8})
            texts << l->text();
        what.Command1->click();
    });
    w.nmuRev->trigger();
    EXPECT_EQ(texts, (QStringList{"デバイスに捺印されているデートコードでリビジョンを調べます。",
                                  "old revision  → Datecode : yywwxx", " A  revision  → Datecode : Axyywwxx",
                                  "デバイスの最大動作周波数は、部品番号で調べます。", "SX18AC100    　→ 100MHz",
                                  "SX18AC75 　    → 75MHz", "SX18AC(Blank)  → 50MHz",
                                  "情報収集は、SCENIX社のホームページへ。"}));
}

TEST_F(MainWindow, HelpShowsTheProgramsOwnDocument)
{
    w.nmuHelp->trigger();
    shell::Help_viewer *viewer = shell::Help_viewer::instance();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser->toPlainText().contains("Qorvil ヘルプ"));
    viewer->close();
}

// The program itself: a second instance ends at once, arguments change nothing.
TEST(Program, SecondInstanceEndsSilentlyAndArgumentsAreIgnored)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/run");
    env.insert("QORVIL_WORK_DIR", home.path() + "/work");
    QDir().mkpath(home.path() + "/run");
    QFile::setPermissions(home.path() + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString program = QCoreApplication::applicationDirPath() + "/qorvil";

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {"--whatever", "file.hex"});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The first instance stands with its connection dialog; its dump file proves start-up ran.
    ASSERT_TRUE(test::wait_until([&] { return QFile::exists(home.path() + "/run/qorvil.lock"); }, 20000));
    EXPECT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, QStringList{});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    first.kill();
    first.waitForFinished(10000);
}

TEST(Program, VersionAndHelpOnTheCommandLine)
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + "/qorvil", {"--version"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), "Qorvil Version 1.6.40");
}

} // namespace
