// How the program meets the desktop: links into the help document, one instance that a
// second start brings to the front.

#include "window_kit.h"

#include "desktop/message_box.h"
#include "desktop/single_instance.h"
#include "shell/frm_about.h"
#include "shell/windows.h"
#include "shell/frm_what.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// The About box's support button and the revision window's data-sheet address lead to
// sections of the help document that sits beside the program in the build tree.
TEST(Desktop, SupportButtonAndDataSheetAddressOpenSectionsOfTheHelpDocument)
{
    test::fresh_program();
    QStringList opened;
    desktop::set_web_address_opener([&](const QString &address) { opened << address; });
    const QString help = QCoreApplication::applicationDirPath() + "/qorvil_help.html";
    const QString support = QUrl::fromLocalFile(help).toString() + "#support";
    const QString datasheet = QUrl::fromLocalFile(help).toString() + "#datasheet";

    shell::FrmAbout &about = shell::frmAbout();
    // The addresses behind link texts.
    EXPECT_EQ(about.lblDisclaimer->text(), "ｻﾎﾟｰﾄﾍﾟｰｼﾞ : <a href=\"" + support + "\">サポート情報</a>");
    about.Command1->click();

    QLabel *label = shell::frmWhat().Label9;
    EXPECT_EQ(label->text(), "<a href=\"" + datasheet + "\">データシートの入手先</a>");
    const QPointF at(label->width() / 2.0, label->height() / 2.0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, label->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &click);
    }
    EXPECT_EQ(opened, (QStringList{support, datasheet}));
    desktop::set_web_address_opener({});

    const QString text = QString::fromUtf8(test::read_file(help));
    EXPECT_TRUE(text.contains(R"(<h2 id="support">)") && text.contains(R"(<h2 id="datasheet">)"));
    test::fresh_program();
}

// This test process is the running instance; the real program started beside it (same
// runtime folder) is the second one: it hands over the file it was given, or nothing when it
// was given none (or no file).
TEST(Desktop, SecondStartEndsAndHandsItsFileToTheRunningInstance)
{
    ASSERT_TRUE(desktop::claim_single_instance());
    QStringList asked;
    desktop::on_second_instance([&](const QString &file) { asked << file; });
    QTemporaryDir dir;
    const QString file = dir.path() + "/プログラム.hex";
    test::write_file(file, ":00000001FF\n");
    for (const QStringList &args : {QStringList{}, QStringList{file}, QStringList{"no-such-file.hex"}}) {
        QProcess second;
        second.setWorkingDirectory(dir.path());
        second.start(QCoreApplication::applicationDirPath() + "/qorvil", args);
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0 && second.readAll().isEmpty());
    }
    EXPECT_TRUE(test::wait_until([&] { return asked.size() == 3; }, 20000));
    EXPECT_EQ(asked, QStringList({"", file, ""}));
    desktop::on_second_instance({});
}

// Columns separated by tabs (the verify result) are shown as a table: they hold at every size.
TEST(Desktop, TabbedLinesAreShownAsATable)
{
    const QString table = desktop::message_markup("プログラムメモリ\tFUSEワード\r< NG >\t\t< OK >\r\rヒント");
    EXPECT_EQ(table.count("<tr>") * 10 + table.count("<td"), 4 * 10 + 6);  // 2 rows of 2 cells, an empty line, a hint
    EXPECT_TRUE(table.startsWith("<table") && table.contains(">&lt; NG &gt;</td>") && table.contains("\"9\">ヒント</td>"))
        << table.toStdString();
    EXPECT_EQ(desktop::message_markup("一\r\n二\r三"), "一\n二\n三");
}

} // namespace
