// How the program meets the desktop: Qt's own texts in Japanese.

#include "test_support.h"

#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QMessageBox>
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

} // namespace
