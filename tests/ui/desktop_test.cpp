// How the program meets the desktop: links into the help document, one instance that a
// second start brings to the front.

#include "window_kit.h"

#include "desktop/file_dialog.h"
#include "desktop/message_box.h"
#include "desktop/single_instance.h"
#include "shell/frm_about.h"
#include "shell/windows.h"
#include "shell/frm_what.h"

#include <QApplication>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QTemporaryDir>
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
    desktop::set_web_address_opener([&](const QString &address) { opened << address; });
    const QString help = QCoreApplication::applicationDirPath() + "/qorvil_help.html";
    const QString support = QUrl::fromLocalFile(help).toString() + "#support";
    const QString datasheet = QUrl::fromLocalFile(help).toString() + "#datasheet";

    shell::FrmAbout &about = shell::frmAbout();
    EXPECT_EQ(about.lblDisclaimer->text(), "ｻﾎﾟｰﾄﾍﾟｰｼﾞ : " + support);
    about.Command1->click();

    QLabel *label = shell::frmWhat().Label9;
    EXPECT_TRUE(label->text().contains(datasheet)) << label->text().toStdString();
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
// runtime folder) is the second one.
TEST(Desktop, SecondStartEndsAndBringsTheRunningInstanceToTheFront)
{
    ASSERT_TRUE(desktop::claim_single_instance());
    int raised = 0;
    desktop::on_second_instance([&] { ++raised; });

    QProcess second;
    second.start(QCoreApplication::applicationDirPath() + "/qorvil", QStringList{});
    ASSERT_TRUE(test::wait_until([&] { return raised == 1 && second.state() == QProcess::NotRunning; }, 20000))
        << "raised " << raised << " times";
    EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0 && second.readAll().isEmpty());
    desktop::on_second_instance({});
}

// The message box itself: icon, title, text in lines, the buttons offered, and the answer that
// each way of leaving it gives.
TEST(Desktop, MessageBoxShowsTheMessageAndAnswersWithTheButtonPressed)
{
    using desktop::Answer, desktop::Buttons, desktop::Icon;
    using B = QMessageBox;
    const struct {
        Buttons buttons; Icon icon; B::Icon shown; B::StandardButtons offered; B::StandardButton press; Answer answer;
    } rows[] = {
        {Buttons::ok, Icon::information, B::Information, B::Ok, B::Ok, Answer::ok},
        {Buttons::ok, Icon::none, B::NoIcon, B::Ok, B::NoButton, Answer::ok},
        {Buttons::ok_cancel, Icon::exclamation, B::Warning, B::Ok | B::Cancel, B::Cancel, Answer::cancel},
        {Buttons::ok_cancel, Icon::critical, B::Critical, B::Ok | B::Cancel, B::Ok, Answer::ok},
        {Buttons::yes_no, Icon::question, B::Question, B::Yes | B::No, B::Yes, Answer::yes},
        {Buttons::yes_no, Icon::question, B::Question, B::Yes | B::No, B::No, Answer::no},
    };
    for (const auto &row : rows) {
        QString seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = QString("%1|%2|%3|%4").arg(box->icon()).arg(box->windowTitle(), box->text()).arg(box->standardButtons());
            QAbstractButton *button = box->button(row.press);  // none: closed with Escape
            button ? button->click() : box->reject();
        });
        poll.start(10);
        EXPECT_EQ(desktop::show_message({row.icon, "題", "一\r\n二\r三", row.buttons}), row.answer);
        EXPECT_EQ(seen, QString("%1|題|一\n二\n三|%2").arg(row.shown).arg(row.offered)) << int(row.buttons);
    }
}

// The file dialog itself: what each request sets up, and the path it answers with.
TEST(Desktop, FileDialogShowsTheRequestAndAnswersWithThePathChosen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::write_file(dir.path() + "/old.hex", ":00000001FF\n"));
    desktop::File_request save{true, "保存", dir.path(), "new", "Hex File(*.hex)|*.hex|All Files|*.*|", "hex"};
    desktop::File_request open{false, "開く", dir.path(), "*.hex;*.sxh", "HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|", ""};
    const struct { const desktop::File_request &request; const char *pick; QString seen, answer; } rows[] = {
        {save, nullptr, "保存|1|0|1|hex|Hex File (*.hex),All Files (*.*)|new.hex", dir.path() + "/new.hex"},
        {open, "old.hex", "開く|0|1|0||HEX,SXH File (*.hex *.sxh),ALL Files (*.*)|", dir.path() + "/old.hex"},
    };
    for (const auto &row : rows) {
        QString seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!d || !seen.isEmpty()) {  // anything else, or the dialog again after its answer: closed
                if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    other->reject();
                return;
            }
            const QStringList chosen = d->selectedFiles();
            seen = QStringList{d->windowTitle(), QString::number(d->acceptMode()), QString::number(d->fileMode() == QFileDialog::ExistingFile),
                               QString::number(d->testOption(QFileDialog::DontConfirmOverwrite)), d->defaultSuffix(), d->nameFilters().join(','),
                               chosen.value(0).startsWith(dir.path() + "/") ? chosen[0].mid(dir.path().size() + 1) : ""}.join('|');
            if (row.pick)
                d->findChild<QLineEdit *>("fileNameEdit")->setText(row.pick);  // typed in
            static_cast<QDialog *>(d)->accept();
        });
        poll.start(10);
        EXPECT_EQ(desktop::ask_file(row.request), row.answer);
        EXPECT_EQ(seen, row.seen);
    }
}

} // namespace
