// Saving the image as Intel HEX: the records written, the save and save-as commands, and
// what happens when the file cannot be written.

#include "hex_fixture.h"

#include "image/file_commands.h"
#include "image/hex_export.h"
#include "image/hex_import.h"
#include "shell/busy.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

using namespace hextest;

namespace {

class Export : public Hex {
protected:
    // Saves through Save-as, answering the dialog with `file` and any question with `answer`.
    void save_as(const QString &file, platform::Answer answer = platform::Answer::ok)
    {
        test::File_script files;
        files.answers << file;
        boxes.fallback = answer;
        w->Command_save->click();
        ASSERT_EQ(files.asked.size(), 1u);
    }
    void open(const QString &file)
    {
        test::File_script files;
        files.answers << file;
        w->mnuFileOpen->trigger();
    }
    test::Message_script boxes;
};

const QString blank_record_data = QStringLiteral("FF0F").repeated(8);

TEST_F(Export, ACleanImageIsWrittenRecordByRecord)
{
    state::Pin_mode = 28;  // FUSEX stays 0FFF in the A revision
    const QString file = path(QStringLiteral("blank.hex"));
    save_as(file);
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_TRUE(boxes.shown.empty());

    bool all_crlf = false;
    const QStringList lines = crlf_lines(file, &all_crlf);
    EXPECT_TRUE(all_crlf);
    ASSERT_EQ(lines.size(), 256 + 2);
    EXPECT_EQ(lines[0], ":10000000" + blank_record_data + "80");
    EXPECT_EQ(lines[1], ":10001000" + blank_record_data + "70");
    EXPECT_EQ(lines[255], ":100FF000" + blank_record_data + "81");
    EXPECT_EQ(lines[256], ":04202000FF0FFF0FA0");
    EXPECT_EQ(lines[257], ":00000001FF");
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(lines[i].size(), 43) << i;
        ASSERT_EQ(lines[i].mid(3, 4), QStringLiteral("%1").arg(i * 16, 4, 16, QLatin1Char('0')).toUpper()) << i;
    }
}

TEST_F(Export, WordsGoLowByteFirstAndChecksumsKeepTheirLeadingZero)
{
    for (int i = 0; i < 8; ++i)
        state::Mem_buffer[size_t(i)] = QStringLiteral("0000");
    state::Mem_buffer[0] = QStringLiteral("00E1");  // sum 0x10 + 0xE1 = 0xF1: checksum 0F
    for (int i = 8; i < 16; ++i)
        state::Mem_buffer[size_t(i)] = QStringLiteral("0000");
    state::Mem_buffer[8] = QStringLiteral("00E0");  // 0x10 + 0x10 + 0xE0 = 0x100: checksum 00
    state::Mem_buffer[16] = QStringLiteral("0ABC");
    state::Mem_buffer[17] = QStringLiteral("0def");  // written in upper case
    const QString file = path(QStringLiteral("sums.hex"));
    save_as(file);
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
        const QString file = path(QStringLiteral("size.hex"));
        QFile::remove(file);
        save_as(file);
        const QStringList lines = crlf_lines(file);
        ASSERT_EQ(lines.size(), c.records + 2) << c.rev << " " << c.index;
        EXPECT_TRUE(lines[c.records].startsWith(":04202000"));
        EXPECT_EQ(state::Last_address, c.records * 8 - 1);
    }
}

TEST_F(Export, TheConfigurationRecordCarriesTheEncodedPanel)
{
    state::Rev_mode = 1;
    state::Pin_mode = 18;
    w->Check_CPa->setCheckState(Qt::Checked);  // FUSE 0FF7
    const QString file = path(QStringLiteral("cfg.hex"));
    save_as(file);
    EXPECT_EQ(w->Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(w->Label_fusex_word->text(), "0BFF");  // bit 10 follows the 18-pin package
    const QStringList lines = crlf_lines(file);
    ASSERT_EQ(lines.size(), 258);
    // 04 + 20 + 20 + 00 + F7 + 0F + FF + 0B = 0x254: checksum AC
    EXPECT_EQ(lines[256], ":04202000F70FFF0BAC");
}

TEST_F(Export, ExportThenImportGivesBackTheImage)
{
    QRandomGenerator random(4711);
    for (int rev : {1, 0}) {
        image::Clear_image();
        state::Rev_mode = int16_t(rev);
        for (int i = 0; i < 2048; ++i)
            state::Mem_buffer[size_t(i)] = QStringLiteral("%1").arg(random.bounded(0x1000), 4, 16, QLatin1Char('0')).toUpper();
        if (rev == 1) {
            w->Check_CPa->setCheckState(Qt::Checked);
            w->Combo_BORa->setCurrentIndex(1);
            w->Text_IRCTRIMa->setText(QStringLiteral("010"));
        } else {
            w->Check_TURBO->setCheckState(Qt::Checked);
            w->Combo_RAM->setCurrentIndex(2);
            w->Text_IRCTRIM->setText(QStringLiteral("100"));
        }
        const std::vector<QString> words(state::Mem_buffer.begin(), state::Mem_buffer.begin() + 2048);
        const QString file = path(QStringLiteral("round%1.hex").arg(rev));
        save_as(file);
        const QString fuse = w->Label_fuse_word->text();
        const QString fusex = w->Label_fusex_word->text();
        EXPECT_NE(fuse, "0FFF");
        EXPECT_NE(fusex, "0FFF");

        image::Clear_and_dump();
        open(file);
        EXPECT_TRUE(boxes.shown.empty());
        for (int i = 0; i < 2048; ++i)
            ASSERT_EQ(state::Mem_buffer[size_t(i)], words[size_t(i)]) << i;
        EXPECT_EQ(w->Label_fuse_word->text(), fuse);
        EXPECT_EQ(w->Label_fusex_word->text(), fusex);
        if (rev == 1) {
            EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);
            EXPECT_EQ(w->Combo_BORa->currentIndex(), 1);
            EXPECT_EQ(w->Text_IRCTRIMa->text(), "010");
        } else {
            EXPECT_EQ(w->Check_TURBO->checkState(), Qt::Checked);
            EXPECT_EQ(w->Combo_RAM->currentIndex(), 2);
            EXPECT_EQ(w->Text_IRCTRIM->text(), "100");
        }
    }
}

TEST_F(Export, ImportThenSaveKeepsTheFilesFuseAndFusex)
{
    // Words each layout holds whole: for the A revision FUSE keeps bits 9, 8 and 4 set and
    // FUSEX bit 10 follows the 28-pin package; the old layout holds FUSEX bit 7 set and
    // bit 10 set with a trim bit.
    struct Case { int rev; int fuse; int fusex; int records; };
    for (const Case &c : {Case{1, 0x3F7, 0x5B6, 256}, Case{1, 0xB5B, 0xEF1, 64}, Case{0, 0x5A6, 0xDB9, 128},
                         Case{0, 0xFFF, 0x0C2, 256}}) {
        state::Rev_mode = int16_t(c.rev);
        state::Pin_mode = 28;
        const QString file = hex_file(QStringLiteral("keep.hex"),
                                      {word_record(0, {0x123, 0x456}), word_record(0x1010, {c.fuse, c.fusex}), end_record()});
        w->SSTab1->setCurrentIndex(3);
        open(file);
        ASSERT_TRUE(boxes.shown.empty());
        w->mnuFileSave->trigger();  // back into the same file, no question
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(panel(3), "ファイル保存完了。");
        const QStringList lines = crlf_lines(file);
        ASSERT_EQ(lines.size(), c.records + 2) << c.rev;
        EXPECT_TRUE(lines[0].startsWith(":1000000023015604FF0F"));
        EXPECT_EQ(lines[c.records].left(17),
                  QStringLiteral(":04202000%1%2%3%4")
                      .arg(c.fuse & 0xFF, 2, 16, QLatin1Char('0'))
                      .arg(c.fuse >> 8, 2, 16, QLatin1Char('0'))
                      .arg(c.fusex & 0xFF, 2, 16, QLatin1Char('0'))
                      .arg(c.fusex >> 8, 2, 16, QLatin1Char('0'))
                      .toUpper())
            << c.rev << " " << std::hex << c.fuse << " " << c.fusex;
    }
}

TEST_F(Export, SaveWithoutAnOpenedFileWorksAsSaveAs)
{
    test::File_script files;
    const QString file = path(QStringLiteral("new.hex"));
    files.answers << file;
    w->mnuFileSave->trigger();
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(files.asked[0].save);
    EXPECT_EQ(files.asked[0].filter, "Hex File(*.hex)|*.hex|All Files|*.*|");
    EXPECT_EQ(files.asked[0].default_suffix, "hex");
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_EQ(crlf_lines(file).size(), 258);
    EXPECT_EQ(state::Save_file_name, file);
    EXPECT_EQ(state::Open_file_name, "");
    EXPECT_EQ(w->windowTitle(), title + "    ");
}

TEST_F(Export, CancellingTheSaveDialogWritesNothing)
{
    test::File_script files;
    w->mnuFileSaveAs->trigger();
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(panel(3), "ファイル保存中止。32755");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(w->windowTitle(), title);
}

TEST_F(Export, SaveAsOntoAnExistingFileAsksFirst)
{
    const QString file = path(QStringLiteral("there.hex"));
    ASSERT_TRUE(write_bytes(file, "old contents\r\n"));

    save_as(file, platform::Answer::cancel);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "ファイルが存在します。上書きしますか？");
    EXPECT_EQ(boxes.shown[0].title, "Qorvil");
    EXPECT_EQ(boxes.shown[0].buttons, platform::Buttons::ok_cancel);
    EXPECT_EQ(panel(3), "ファイル保存中止");
    EXPECT_EQ(file_bytes(file), "old contents\r\n");

    save_as(file, platform::Answer::ok);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_EQ(crlf_lines(file).size(), 258);
}

TEST_F(Export, SaveAsKeepsTheOpenedFileAsTheDocument)
{
    const QString opened = hex_file(QStringLiteral("opened.hex"), {word_record(0x1010, {0xFFF, 0xFFF}), end_record()});
    open(opened);
    const QString copy = path(QStringLiteral("copy.hex"));
    save_as(copy);
    EXPECT_EQ(state::Open_file_name, opened);
    EXPECT_EQ(w->windowTitle(), title + "    " + opened);
    EXPECT_EQ(crlf_lines(copy).size(), 258);

    // A later Save goes to the opened file, not to the copy.
    state::Mem_buffer[0] = QStringLiteral("0123");
    QFile::remove(copy);
    w->mnuFileSave->trigger();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(crlf_lines(opened).first().startsWith(":100000002301"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Export, AFileUnderAPlainFileCannotBeWritten)
{
    const QString not_a_folder = path(QStringLiteral("plain.txt"));
    ASSERT_TRUE(write_bytes(not_a_folder, "x"));
    const QString target = not_a_folder + QStringLiteral("/out.hex");
    save_as(target);
    EXPECT_TRUE(panel(3).startsWith("ファイル保存失敗。")) << panel(3).toStdString();
    EXPECT_GT(panel(3).size(), QStringLiteral("ファイル保存失敗。").size());  // with the reason
    EXPECT_EQ(file_bytes(not_a_folder), "x");
    EXPECT_EQ(w->windowTitle(), title);
}

// Limits the size of files this process may write, for the life of the object.
class File_size_limit {
public:
    explicit File_size_limit(rlim_t bytes)
    {
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        ok_ = getrlimit(RLIMIT_FSIZE, &old_) == 0;
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        ok_ = ok_ && setrlimit(RLIMIT_FSIZE, &lower) == 0;
    }
    ~File_size_limit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
    bool ok_ = false;
};

TEST_F(Export, AFailedWriteLeavesTheOldFileWhole)
{
    // The opened file stands for the user's work; the new contents do not fit the limit.
    const QString file = hex_file(QStringLiteral("work.hex"), {word_record(0, {0x321}), word_record(0x1010, {0xFFF, 0xFFF}), end_record()});
    open(file);
    const QByteArray before = file_bytes(file);
    state::Mem_buffer[0] = QStringLiteral("0ABC");
    {
        File_size_limit limit(4096);
        ASSERT_TRUE(limit.ok());
        w->mnuFileSave->trigger();
    }
    EXPECT_TRUE(panel(3).startsWith("ファイル保存失敗。")) << panel(3).toStdString();
    EXPECT_EQ(file_bytes(file), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"work.hex"});

    // Without the limit the same save goes through.
    w->mnuFileSave->trigger();
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    EXPECT_TRUE(crlf_lines(file).first().startsWith(":10000000BC0A"));
}

TEST_F(Export, AFullDeviceIsReported)
{
    const QFileInfo full(QStringLiteral("/dev/full"));
    if (!full.exists() || !image::File_exists(full.filePath()))
        GTEST_SKIP() << "/dev/full is not available here";
    save_as(full.filePath(), platform::Answer::ok);
    EXPECT_EQ(boxes.shown.size(), 1u);  // it exists: the overwrite question
    EXPECT_TRUE(panel(3).startsWith("ファイル保存失敗。")) << panel(3).toStdString();
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/full")).exists());
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());  // still the device
}

TEST_F(Export, JapaneseFileNames)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("保存先")));
    const QString file = path(QStringLiteral("保存先/書き込みデータ.hex"));
    state::Mem_buffer[1] = QStringLiteral("0456");
    save_as(file);
    EXPECT_EQ(panel(3), "ファイル保存完了。");
    const QStringList lines = crlf_lines(file);
    ASSERT_EQ(lines.size(), 258);
    EXPECT_TRUE(lines[0].startsWith(":10000000FF0F5604"));
}

TEST_F(Export, NothingHappensWhileADeviceOperationRuns)
{
    test::File_script files;
    const QString file = path(QStringLiteral("busy.hex"));
    files.answers << file << file << file;
    state::Open_file_name = path(QStringLiteral("opened.hex"));
    {
        shell::Busy_scope running;
        w->Command_save->click();
        w->mnuFileSave->trigger();
        w->mnuFileSaveAs->trigger();
        image::Save_command();
        image::Save_as_command();
    }
    EXPECT_TRUE(files.asked.empty());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(state::Open_file_name));
    EXPECT_EQ(panel(3), "処理内容");
}

} // namespace
