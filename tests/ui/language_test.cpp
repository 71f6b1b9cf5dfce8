// English beside Japanese: the language menu retranslates every open window and is
// remembered; an English run of Program and a fault report.

#include "window_kit.h"

#include "connection_dialog/frm_com.h"
#include "platform/language.h"
#include "shell/language.h"
#include "shell/frm_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

shell::FrmMain &W() { return shell::frmMain(); }

QString texts()
{
    auto &w = W();
    return QStringList{w.Command_program->text(), w.mnuFile->title(), w.mnuOption->text(), w.SSTab1->tabText(2),
                       w.sbPanel[2]->text(), w.sbPanel[2]->toolTip(), w.Check_CPa->text(), w.Combo_BORa->itemText(3),
                       w.command_buttons.at("Enrty_isp_mode")->text(), shell::frmCom().windowTitle(),
                       shell::frmCom().Command_cancel->text()}
        .join('|');
}

TEST(Language, TheMenuRetranslatesEveryOpenWindowAndIsRemembered)
{
    test::fresh_program();
    test::start_program([](comm::FrmCom &d) { d.Command_cancel->click(); });
    const QString japanese = texts();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");  // Qt's own texts too
    EXPECT_EQ(japanese, "書き込み|ファイル(&F)|オプション画面(&O)|コマンドﾞ実行|進行状況|進行状況|ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ|"
                        "Brown-Out disable|Entry ISP mode|初期設定画面|CANCEL");
    W().findChild<QAction *>("mnuLanguage_en")->trigger();
    EXPECT_EQ(texts(), "Program|&File|&Fuse Settings|Commands|Progress|Progress|Code protection|Brown-out reset off|"
                       "Enter ISP Mode|Connection Settings|Cancel");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") + '|' + test::stored("Language"), "Cancel|en");
    // The next start, and one run.
    EXPECT_EQ(platform::chosen_language({}) + '|' + platform::chosen_language(QString("ja")), "en|ja");
    W().findChild<QAction *>("mnuLanguage_ja")->trigger();
    EXPECT_EQ(texts(), japanese);
    test::fresh_program();
    EXPECT_EQ(platform::chosen_language({}), "ja");  // whatever the system's locale
}

TEST(Language, EnglishProgramAndFaultReport)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    const auto panels = [] {
        QStringList texts;
        for (int i = 1; i <= 5; ++i)
            texts << W().sbPanel[size_t(i)]->text();
        return texts.join('|');
    };
    shell::apply_language("en");  // every panel keeps what it says, in the new language
    EXPECT_EQ(panels(), "QORVIL V1.02|Progress|Connected|Time|COM1, 18 pins, A revision");
    test::Message_script boxes;
    test::S().Mem_buffer[0] = "0123";
    W().Command_program->click();
    EXPECT_EQ(shell::frmMain().sbPanel[3]->text(), "Completed normally.");
    test::S().port().close();
    W().command_buttons.at("version")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "Communication error");
    EXPECT_EQ(boxes.shown[0].text, "A communication error occurred.\rLOCATION:   cor_version\rERR.NUMBER: 8002\r"
                                   "CommEvent:  0\r");
}

} // namespace
