// How the program meets the desktop: Qt's own texts in Japanese, one instance that a second
// start brings to the front.

#include "test_support.h"

#include "platform/process.h"
#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(Desktop, QtsOwnButtonTextsFollowTheChosenLanguage)
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    const QString english = box.button(QMessageBox::Cancel)->text();

    ASSERT_TRUE(platform::load_qt_translation(QStringLiteral("ja")));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "キャンセル");

    platform::load_qt_translation(QStringLiteral("en"));  // replaces the Japanese texts
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), english);
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
