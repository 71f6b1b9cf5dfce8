// Entry of every test program of the core and the command line: no display, settings and
// work files in temporary folders so that a user's own settings are never touched.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/run").toUtf8());
    qputenv("QORVIL_WORK_DIR", (home.path() + "/work").toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Qorvil"));
    QCoreApplication::setOrganizationName(QStringLiteral("Qorvil"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
