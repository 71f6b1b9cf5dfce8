// Saving the image as Intel HEX: the records written, the save and save-as commands, and
// saves that fail.

#include "hex_fixture.h"

#include "image/hex_import.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace hextest;

namespace {

using Export = Hex;

TEST_F(Export, ImagesAreWrittenRecordByRecordLowByteFirstInUpperCase)
{
    test::S().Pin_mode = 28;  // FUSEX stays 0FFF in the A revision
    const QString file = save_as(path(QStringLiteral("blank.hex")));
    EXPECT_EQ(panel(3) + shown(), "ファイル保存完了。");
    QString expected;
    for (int a = 0; a < 2048; a += 8)
        expected += words(a, QList<int>(8, 0xFFF)) + "\r\n";
    EXPECT_TRUE(expected.startsWith(":10000000" + QStringLiteral("FF0F").repeated(8) + "80\r\n") &&
                expected.endsWith(":100FF000" + QStringLiteral("FF0F").repeated(8) + "81\r\n"));
    EXPECT_EQ(QString::fromLatin1(test::read_file(file)), expected + ":04202000FF0FFF0FA0\r\n:00000001FF\r\n");

    // Checksums keep their leading zero.
    for (int i = 0; i < 16; ++i)
        test::S().Mem_buffer[size_t(i)] = QStringLiteral("0000");
    // Sums 0x10 + 0xE1 = 0xF1 (checksum 0F) and 0x10 + 0x10 + 0xE0 = 0x100 (checksum 00).
    for (const auto &[address, word] : {std::pair{0, "00E1"}, {8, "00E0"}, {16, "0ABC"}, {17, "0def"}})
        test::S().Mem_buffer[size_t(address)] = QString::fromLatin1(word);
    EXPECT_TRUE(test::read_file(save_as(file)).startsWith(":10000000E1000000000000000000000000000000" "0F\r\n"
                                                     ":10001000E0000000000000000000000000000000" "00\r\n"
                                                     ":10002000BC0AEF0DFF0F"));
}

// Words each layout holds whole: for the A revision FUSE keeps bits 9, 8 and 4 set and FUSEX
// bit 10 follows the 28-pin package; the old layout holds FUSEX bit 7 set and bit 10 set with
// a trim bit. The memory size follows FUSEX.
TEST_F(Export, ImportThenSaveKeepsTheFilesFuseAndFusex)
{
    QStringList seen;
    for (const auto &[rev, fuse, fusex] : {std::tuple{1, 0x3F7, 0x5B6}, {1, 0xB5B, 0xEF1}, {0, 0x5A6, 0xDB9}, {0, 0xFFF, 0x0C2}}) {
        test::S().Rev_mode = int16_t(rev);
        test::S().Pin_mode = 28;
        const QString file = hex_file(QStringLiteral("keep.hex"), {words(0, {0x123, 0x456}), words(0x1010, {fuse, fusex}), end_record});
        open(file);
        w->mnuFileSave->trigger();  // back into the same file, without a question
        const QStringList lines = QString::fromLatin1(test::read_file(file)).split("\r\n");
        seen << QString::number(lines.size() - 3) + ' ' + lines[0].left(21) + ' ' + lines[lines.size() - 3] + shown();
    }
    EXPECT_EQ(seen, QStringList({"256 :1000000023015604FF0F :04202000F703B60507", "64 :1000000023015604FF0F :042020005B0BF10E57",
                                 "128 :1000000023015604FF0F :04202000A605B90D4B", "256 :1000000023015604FF0F :04202000FF0FC200EC"}));
}

// Save without a document is Save-as; Save-as asks before overwriting and keeps the opened
// file as the document, which a later Save writes without a question.
TEST_F(Export, SaveAndSaveAs)
{
    test::store(QStringLiteral("OPEN_DIR"), dir.path());
    w->mnuFileSaveAs->trigger();  // cancelled, starting where files were opened
    EXPECT_EQ(QStringList({files.asked[0].folder, files.asked[0].file_name, panel(3), w->windowTitle()}).join('|'),
              dir.path() + "||ファイル保存中止。32755|" + title);
    const QString copy = path(QStringLiteral("copy.hex"));
    files.answers << QString() << copy;
    w->mnuFileSave->trigger();
    const desktop::File_request &r = files.asked[1];
    EXPECT_EQ(QStringList({QString::number(r.save), r.filter, r.default_suffix, panel(3), test::S().Save_file_name,
                           test::S().Open_file_name, w->windowTitle(), shown()}).join('|'),
              "1|Hex File(*.hex)|*.hex|All Files|*.*||hex|ファイル保存完了。|" + copy + "||" + title + "    |");

    const QString opened = hex_file(QStringLiteral("opened.hex"), {words(0x1010, {0xFFF, 0xFFF}), end_record});
    open(opened);
    ASSERT_TRUE(test::write_file(copy, "old contents\r\n"));
    const QString question = QStringLiteral("- Qorvil: ファイルが存在します。上書きしますか？ [OK Cancel]");
    save_as(copy, desktop::Answer::cancel);
    // The dialog starts beside the document, with its name.
    EXPECT_EQ(files.asked.back().folder + '|' + files.asked.back().file_name, dir.path() + "|opened.hex");
    EXPECT_EQ(shown() + '|' + panel(3) + '|' + test::read_file(copy), question + "|ファイル保存中止|old contents\r\n");
    save_as(copy, desktop::Answer::ok);
    EXPECT_EQ(shown() + '|' + panel(3) + '|' + test::S().Open_file_name + '|' + w->windowTitle(),
              question + "|ファイル保存完了。|" + opened + '|' + title + "    " + opened);
    EXPECT_EQ(test::read_file(copy).count("\r\n"), 258);

    test::S().Mem_buffer[0] = QStringLiteral("0123");
    QFile::remove(copy);
    w->mnuFileSave->trigger();
    EXPECT_TRUE(!QFile::exists(copy) && test::read_file(opened).startsWith(":100000002301"));
    EXPECT_EQ(shown(), "");
}

TEST_F(Export, AFailedSaveIsReportedWithTheReasonAndLeavesTheOldFileWhole)
{
    const QString failed = QStringLiteral("ファイル保存失敗。");
    const QString not_a_folder = hex_file(QStringLiteral("plain.txt"), {});
    save_as(not_a_folder + QStringLiteral("/out.hex"));
    EXPECT_TRUE(panel(3).startsWith(failed) && panel(3).size() > failed.size() && w->windowTitle() == title)
        << panel(3).toStdString();  // with the reason

    // The opened file stands for the user's work; the new contents do not fit a file size
    // limit of 4096 bytes.
    const QString file = hex_file(QStringLiteral("work.hex"), {words(0, {0x321}), words(0x1010, {0xFFF, 0xFFF}), end_record});
    open(file);
    const QByteArray before = test::read_file(file);
    test::S().Mem_buffer[0] = QStringLiteral("0ABC");
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const rlimit limit{4096, old_limit.rlim_max};
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    w->mnuFileSave->trigger();
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_TRUE(panel(3).startsWith(failed) && test::read_file(file) == before) << panel(3).toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"plain.txt", "work.hex"}));
    w->mnuFileSave->trigger();  // without the limit the same save goes through
    EXPECT_TRUE(test::read_file(file).startsWith(":10000000BC0A"));

    // A device is written in place, and a full one is reported too. Where the test may make
    // device files (as root) it makes its own, so that a broken save cannot replace /dev/full.
    QString full = path(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        full = QStringLiteral("/dev/full");
    if (!image::File_exists(full))
        GTEST_SKIP() << "no full device here";
    save_as(full, desktop::Answer::ok);
    // It exists: the overwrite question; and it stays the device.
    EXPECT_TRUE(boxes.shown.size() == 1 && panel(3).startsWith(failed) && !QFileInfo(full).isFile()) << panel(3).toStdString();
}

} // namespace
