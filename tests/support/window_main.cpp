// Entry of every test program of the Qt side: headless, with settings and work files in
// temporary folders so that a user's own settings are never touched.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/run").toUtf8());
    qputenv("QORVIL_WORK_DIR", (home.path() + "/work").toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qorvil"));
    QApplication::setOrganizationName(QStringLiteral("Qorvil"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
