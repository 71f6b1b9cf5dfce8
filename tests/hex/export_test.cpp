// Saving the image as Intel HEX: the records written, the save and save-as commands, and
// what happens when the file cannot be written.

#include "hex_fixture.h"

#include "image/hex_import.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace hextest;

namespace {

using Export = Hex;

TEST_F(Export, ACleanImageIsWrittenRecordByRecord)
{
    state::Pin_mode = 28;  // FUSEX stays 0FFF in the A revision
    const QString file = save_as(path(QStringLiteral("blank.hex")));
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_TRUE(file_bytes(file).endsWith("\r\n"));  // with every line checked below: CR LF only
    const QStringList lines = crlf_lines(file);
    ASSERT_EQ(lines.size(), 256 + 2);
    const QString blank_data = QStringLiteral("FF0F").repeated(8);
    EXPECT_EQ(lines[0], ":10000000" + blank_data + "80");
    EXPECT_EQ(lines[255], ":100FF000" + blank_data + "81");
    EXPECT_EQ(lines[256], ":04202000FF0FFF0FA0");
    EXPECT_EQ(lines[257], ":00000001FF");
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(lines[i].startsWith(QStringLiteral(":10%1").arg(i * 16, 4, 16, QLatin1Char('0')).toUpper()) &&
                    lines[i].size() == 43)
            << lines[i].toStdString();
}

TEST_F(Export, WordsGoLowByteFirstAndChecksumsKeepTheirLeadingZero)
{
    for (int i = 0; i < 16; ++i)
        state::Mem_buffer[size_t(i)] = QStringLiteral("0000");
    state::Mem_buffer[0] = QStringLiteral("00E1");   // sum 0x10 + 0xE1 = 0xF1: checksum 0F
    state::Mem_buffer[8] = QStringLiteral("00E0");   // 0x10 + 0x10 + 0xE0 = 0x100: checksum 00
    state::Mem_buffer[16] = QStringLiteral("0ABC");
    state::Mem_buffer[17] = QStringLiteral("0def");  // written in upper case
    const QString file = save_as(path(QStringLiteral("sums.hex")));
    const QStringList lines = crlf_lines(file);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], ":10000000E1000000000000000000000000000000" "0F");
    EXPECT_EQ(lines[1], ":10001000E0000000000000000000000000000000" "00");
    EXPECT_TRUE(lines[2].startsWith(":10002000BC0AEF0DFF0F")) << lines[2].toStdString();
}

TEST_F(Export, TheMemorySizeOptionDecidesHowManyRecords)
{
    struct Case { int rev; int index; int records; };
    for (const Case &c : {Case{1, 0, 64}, Case{1, 1, 64}, Case{1, 2, 256}, Case{0, 0, 64}, Case{0, 1, 128}, Case{0, 3, 256}}) {
        state::Rev_mode = int16_t(c.rev);
        (c.rev == 0 ? w->Combo_MEM : w->Combo_BPXa)->setCurrentIndex(c.index);
        const QString file = save_as(path(QStringLiteral("size%1%2.hex").arg(c.rev).arg(c.index)));
        const QStringList lines = crlf_lines(file);
        ASSERT_EQ(lines.size(), c.records + 2) << c.rev << " " << c.index;
        EXPECT_TRUE(lines[c.records].startsWith(":04202000"));
        EXPECT_EQ(state::Last_address, c.records * 8 - 1);
    }
}

TEST_F(Export, ExportThenImportGivesBackTheImage)
{
    QRandomGenerator random(4711);
    for (int rev : {1, 0}) {
        image::Clear_image();
        state::Rev_mode = int16_t(rev);
        for (int i = 0; i < 2048; ++i)
            state::Mem_buffer[size_t(i)] = QStringLiteral("%1").arg(random.bounded(0x1000), 4, 16, QLatin1Char('0')).toUpper();
        (rev == 1 ? w->Check_CPa : w->Check_TURBO)->setCheckState(Qt::Checked);
        (rev == 1 ? w->Text_IRCTRIMa : w->Text_IRCTRIM)->setText(QStringLiteral("010"));
        const std::vector<QString> words(state::Mem_buffer.begin(), state::Mem_buffer.begin() + 2048);
        const QString file = save_as(path(QStringLiteral("round%1.hex").arg(rev)));
        const QString fuse = w->Label_fuse_word->text();
        const QString fusex = w->Label_fusex_word->text();
        EXPECT_NE(fuse, "0FFF");
        EXPECT_NE(fusex, "0FFF");

        open(file);
        EXPECT_TRUE(boxes.shown.empty());
        for (int i = 0; i < 2048; ++i)
            ASSERT_EQ(state::Mem_buffer[size_t(i)], words[size_t(i)]) << i;
        EXPECT_EQ(w->Label_fuse_word->text(), fuse);
        EXPECT_EQ(w->Label_fusex_word->text(), fusex);
    }
}

TEST_F(Export, ImportThenSaveKeepsTheFilesFuseAndFusex)
{
    // Words each layout holds whole: for the A revision FUSE keeps bits 9, 8 and 4 set and
    // FUSEX bit 10 follows the 28-pin package; the old layout holds FUSEX bit 7 set and
    // bit 10 set with a trim bit. The memory size follows FUSEX.
    struct Case { int rev; int fuse; int fusex; int records; const char *config; };
    for (const Case &c : {Case{1, 0x3F7, 0x5B6, 256, ":04202000F703B605"}, Case{1, 0xB5B, 0xEF1, 64, ":042020005B0BF10E"},
                         Case{0, 0x5A6, 0xDB9, 128, ":04202000A605B90D"}, Case{0, 0xFFF, 0x0C2, 256, ":04202000FF0FC200"}}) {
        state::Rev_mode = int16_t(c.rev);
        state::Pin_mode = 28;
        const QString file = hex_file(QStringLiteral("keep.hex"),
                                      {word_record(0, {0x123, 0x456}), word_record(0x1010, {c.fuse, c.fusex}), end_record});
        open(file);
        w->mnuFileSave->trigger();  // back into the same file
        EXPECT_TRUE(boxes.shown.empty());  // no FUSE warning, no question
        const QStringList lines = crlf_lines(file);
        ASSERT_EQ(lines.size(), c.records + 2) << c.config;
        EXPECT_TRUE(lines[0].startsWith(":1000000023015604FF0F"));
        EXPECT_EQ(lines[c.records].left(17), c.config);
    }
}

TEST_F(Export, SaveWithoutAnOpenedFileWorksAsSaveAs)
{
    test::store(QStringLiteral("OPEN_DIR"), dir.path());
    w->mnuFileSaveAs->trigger();  // first a cancelled Save-as, starting where files were opened
    EXPECT_EQ(files.asked.back().folder + '|' + files.asked.back().file_name, dir.path() + "|");
    EXPECT_EQ(panel(3), "ファイル保存中止。32755");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(w->windowTitle(), title);

    const QString file = path(QStringLiteral("new.hex"));
    files.answers << QString() << file;
    w->mnuFileSave->trigger();
    ASSERT_EQ(files.asked.size(), 2u);
    EXPECT_TRUE(files.asked[1].save);
    EXPECT_EQ(files.asked[1].filter, "Hex File(*.hex)|*.hex|All Files|*.*|");
    EXPECT_EQ(files.asked[1].default_suffix, "hex");
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_EQ(crlf_lines(file).size(), 258);
    EXPECT_EQ(state::Save_file_name, file);
    EXPECT_EQ(state::Open_file_name, "");
    EXPECT_EQ(w->windowTitle(), title + "    ");
}

TEST_F(Export, SaveAsAsksBeforeOverwritingAndKeepsTheOpenedFileAsTheDocument)
{
    const QString opened = hex_file(QStringLiteral("opened.hex"), {word_record(0x1010, {0xFFF, 0xFFF}), end_record});
    open(opened);
    const QString copy = path(QStringLiteral("copy.hex"));
    ASSERT_TRUE(write_bytes(copy, "old contents\r\n"));
    const QString question = QStringLiteral("ファイルが存在します。上書きしますか？");
    save_as(copy, platform::Answer::cancel);
    // The dialog starts beside the document, with its name.
    EXPECT_EQ(files.asked.back().folder + '|' + files.asked.back().file_name, dir.path() + "|opened.hex");
    expect_box(platform::Icon::none, QStringLiteral("Qorvil"), question, platform::Buttons::ok_cancel);
    EXPECT_EQ(panel(3), "ファイル保存中止");
    EXPECT_EQ(file_bytes(copy), "old contents\r\n");

    save_as(copy, platform::Answer::ok);
    expect_box(platform::Icon::none, QStringLiteral("Qorvil"), question, platform::Buttons::ok_cancel);
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_EQ(crlf_lines(copy).size(), 258);
    EXPECT_EQ(state::Open_file_name, opened);
    EXPECT_EQ(w->windowTitle(), title + "    " + opened);

    // A later Save goes to the opened file, not to the copy, without a question.
    state::Mem_buffer[0] = QStringLiteral("0123");
    QFile::remove(copy);
    w->mnuFileSave->trigger();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(crlf_lines(opened).first().startsWith(":100000002301"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Export, AFailedSaveIsReportedWithTheReasonAndLeavesTheOldFileWhole)
{
    const QString not_a_folder = path(QStringLiteral("plain.txt"));
    ASSERT_TRUE(write_bytes(not_a_folder, "x"));
    save_as(not_a_folder + QStringLiteral("/out.hex"));
    EXPECT_TRUE(panel(3).startsWith("ファイル保存失敗。")) << panel(3).toStdString();
    EXPECT_GT(panel(3).size(), QStringLiteral("ファイル保存失敗。").size());  // with the reason
    EXPECT_EQ(file_bytes(not_a_folder), "x");
    EXPECT_EQ(w->windowTitle(), title);

    // The opened file stands for the user's work; the new contents do not fit a file size
    // limit of 4096 bytes.
    const QString file = hex_file(QStringLiteral("work.hex"), {word_record(0, {0x321}), word_record(0x1010, {0xFFF, 0xFFF}), end_record});
    open(file);
    const QByteArray before = file_bytes(file);
    state::Mem_buffer[0] = QStringLiteral("0ABC");
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    rlimit limit = old_limit;
    limit.rlim_cur = 4096;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    w->mnuFileSave->trigger();
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_TRUE(panel(3).startsWith("ファイル保存失敗。")) << panel(3).toStdString();
    EXPECT_EQ(file_bytes(file), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"plain.txt", "work.hex"}));

    // Without the limit the same save goes through.
    w->mnuFileSave->trigger();
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_TRUE(crlf_lines(file).first().startsWith(":10000000BC0A"));

    // A device is written in place, and a full one is reported too. Where the test may make
    // device files (as root) it makes its own, so that a broken save cannot replace /dev/full.
    QString full = path(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        full = QStringLiteral("/dev/full");
    if (!image::File_exists(full))
        GTEST_SKIP() << "no full device here";
    save_as(full, platform::Answer::ok);
    EXPECT_EQ(boxes.shown.size(), 1u);  // it exists: the overwrite question
    EXPECT_TRUE(panel(3).startsWith("ファイル保存失敗。")) << panel(3).toStdString();
    EXPECT_FALSE(QFileInfo(full).isFile());  // still the device
}

} // namespace
