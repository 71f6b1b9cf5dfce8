// How the program meets the desktop: links into the help document, one instance that a
// second start brings to the front.

#include "support.h"

#include "platform/process.h"
#include "shell/frm_about.h"
#include "shell/windows.h"
#include "state/frm_what.h"
#include "state/windows.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The About box's support button and the revision window's data-sheet address lead to
// sections of the help document that sits beside the program in the build tree.
TEST(Desktop, SupportButtonAndDataSheetAddressOpenSectionsOfTheHelpDocument)
{
    test::fresh_program();
    QStringList opened;
    platform::set_web_address_opener([&](const QString &address) { opened << address; });
    const QString help = QCoreApplication::applicationDirPath() + "/qorvil_help.html";
    const QString support = QUrl::fromLocalFile(help).toString() + "#support";
    const QString datasheet = QUrl::fromLocalFile(help).toString() + "#datasheet";

    shell::FrmAbout &about = shell::frmAbout();
    EXPECT_EQ(about.lblDisclaimer->text(), "ｻﾎﾟｰﾄﾍﾟｰｼﾞ : " + support);
    about.Command1->click();

    QLabel *label = state::frmWhat().Label9;
    EXPECT_TRUE(label->text().contains(datasheet)) << label->text().toStdString();
    const QPointF at(label->width() / 2.0, label->height() / 2.0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, label->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &click);
    }
    EXPECT_EQ(opened, (QStringList{support, datasheet}));
    platform::set_web_address_opener({});

    QFile document(help);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(document.readAll());
    EXPECT_TRUE(text.contains(R"(<h2 id="support">)") && text.contains(R"(<h2 id="datasheet">)"));
    test::fresh_program();
}

// This test process is the running instance; the real program started beside it (same
// runtime folder) is the second one.
TEST(Desktop, SecondStartEndsAndBringsTheRunningInstanceToTheFront)
{
    ASSERT_TRUE(platform::claim_single_instance());
    int raised = 0;
    platform::on_second_instance([&] { ++raised; });

    QProcess second;
    second.start(QCoreApplication::applicationDirPath() + "/qorvil", QStringList{});
    ASSERT_TRUE(test::wait_until([&] { return raised == 1 && second.state() == QProcess::NotRunning; }, 20000))
        << "raised " << raised << " times";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAll().isEmpty());
    platform::on_second_instance({});
}

} // namespace
