// Opening a HEX file: the open dialog, the import of records into the image and the
// FUSE/FUSEX labels and panel, and the reports of unusable files.

#include "hex_fixture.h"

#include "image/file_commands.h"
#include "image/hex_import.h"
#include "shell/busy.h"

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace hextest;

namespace {

class Import : public Hex {
protected:
    // Opens `file` through the open button, answering the dialog with it.
    void open(const QString &file)
    {
        test::File_script files;
        files.answers << file;
        w->Command_open->click();
        ASSERT_EQ(files.asked.size(), 1u);
    }
    test::Message_script boxes;
};

TEST_F(Import, TheOpenDialogGetsItsSettings)
{
    test::File_script files;
    w->Command_open->click();
    ASSERT_EQ(files.asked.size(), 1u);
    const platform::File_request &r = files.asked[0];
    EXPECT_FALSE(r.save);
    EXPECT_EQ(r.folder, "");
    EXPECT_EQ(r.filter, "HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|");
    EXPECT_EQ(r.file_name, "*.hex;*.sxh");

    test::store(QStringLiteral("OPEN_DIR"), QStringLiteral("/srv/sx projects"));
    w->mnuFileOpen->trigger();
    ASSERT_EQ(files.asked.size(), 2u);
    EXPECT_EQ(files.asked[1].folder, "/srv/sx projects");
}

TEST_F(Import, CancellingTheDialogChangesNothing)
{
    state::Mem_buffer[3] = QStringLiteral("0123");
    for (const QString &answer : {QString(), QStringLiteral("*.hex;*.sxh")}) {
        test::File_script files;
        files.answers << answer;
        w->Command_open->click();
        EXPECT_EQ(panel(3), "ファイル開く 中止。");
        EXPECT_EQ(state::Open_file_name, "");
        EXPECT_EQ(state::Mem_buffer[3], "0123");
        EXPECT_EQ(w->windowTitle(), title);
        EXPECT_EQ(test::stored(QStringLiteral("OPEN_DIR")), "");
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Import, OpeningAFileLoadsItAndNamesIt)
{
    state::Mem_buffer[100] = QStringLiteral("0123");
    const QString file = hex_file(QStringLiteral("prog.hex"),
                                  {word_record(0, {0xC12, 0x028, 0xA00}), word_record(0x10, {0x8AB}),
                                   word_record(0x1010, {0xF7F, 0xFBF}), end_record()});
    open(file);

    EXPECT_EQ(state::Open_file_name, file);
    EXPECT_EQ(w->windowTitle(), title + "    " + file);
    EXPECT_EQ(test::stored(QStringLiteral("OPEN_DIR")), dir.path());
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_EQ(state::Mem_buffer[0], "0C12");
    EXPECT_EQ(state::Mem_buffer[1], "0028");
    EXPECT_EQ(state::Mem_buffer[2], "0A00");
    EXPECT_EQ(state::Mem_buffer[3], "0FFF");
    EXPECT_EQ(state::Mem_buffer[0x10], "08AB");
    EXPECT_EQ(state::Mem_buffer[100], "0FFF");  // cleared before the import
    EXPECT_EQ(state::Mem_buffer[0x1010], "0F7F");
    EXPECT_EQ(state::Mem_buffer[0x1011], "0FBF");
    EXPECT_EQ(w->Label_fuse_word->text(), "0F7F");
    EXPECT_EQ(w->Label_fuse_word_bin->text(), "111101111111");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FBF");
    EXPECT_EQ(w->Label_fusex_word_bin->text(), "111110111111");
    EXPECT_TRUE(boxes.shown.empty());  // both words found: no warning
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);

    // The dump shows the new image.
    const QString dump = QString::fromUtf8(file_bytes(image::dump_path()));
    EXPECT_TRUE(dump.startsWith("0000: 0C12 0028 0A00 0FFF")) << dump.left(80).toStdString();
    EXPECT_TRUE(dump.contains("FUSE  =0F7F\r\nFUSEX =0FBF\r\n"));
    EXPECT_TRUE(w->RTextBox_memory->toPlainText().startsWith("0000: 0C12 0028 0A00"));
}

TEST_F(Import, CancellingAfterAnOpenKeepsTheEarlierDocument)
{
    const QString file = hex_file(QStringLiteral("first.hex"), {word_record(0x1010, {0xFFF, 0xFFF}), end_record()});
    open(file);
    open(QString());
    EXPECT_EQ(panel(3), "ファイル開く 中止。");
    EXPECT_EQ(state::Open_file_name, file);
    EXPECT_EQ(w->windowTitle(), title + "    " + file);
}

TEST_F(Import, AFileThatCannotBeOpenedBecomesTheDocumentButLeavesTheImage)
{
    state::Mem_buffer[7] = QStringLiteral("0123");
    for (const QString &bad : {path(QStringLiteral("missing.hex")), dir.path()}) {
        open(bad);
        EXPECT_EQ(panel(3), "ファイル開く 中止。");
        EXPECT_EQ(state::Open_file_name, bad);
        EXPECT_EQ(state::Mem_buffer[7], "0123");
        EXPECT_EQ(w->windowTitle(), title);
        EXPECT_EQ(test::stored(QStringLiteral("OPEN_DIR")), "");
    }
    EXPECT_FALSE(image::File_exists(path(QStringLiteral("missing.hex"))));
    EXPECT_FALSE(image::File_exists(QString()));
    EXPECT_TRUE(image::File_exists(hex_file(QStringLiteral("there.hex"), {end_record()})));
}

TEST_F(Import, JapaneseFolderAndFileNames)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("作業フォルダ/ＳＸ２８")));
    const QString folder = path(QStringLiteral("作業フォルダ/ＳＸ２８"));
    const QString file = folder + QStringLiteral("/点滅プログラム.hex");
    ASSERT_TRUE(write_bytes(file, (word_record(5, {0x123}) + "\r\n" + word_record(0x1010, {0xFFF, 0xFFF}) + "\r\n"
                                   + end_record() + "\r\n")
                                      .toLatin1()));
    EXPECT_TRUE(image::File_exists(file));
    open(file);
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_EQ(state::Mem_buffer[5], "0123");
    EXPECT_EQ(test::stored(QStringLiteral("OPEN_DIR")), folder);
    EXPECT_EQ(w->windowTitle(), title + "    " + file);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Import, MissingConfigurationWordsBringTheFuseTabWithAWarningEveryTime)
{
    const QString file = hex_file(QStringLiteral("nofuse.hex"), {word_record(0, {0x123}), end_record()});
    for (int rev : {1, 0, 1}) {
        state::Rev_mode = int16_t(rev);
        w->SSTab1->setCurrentIndex(3);
        state::Link.comxx_Display_mode = false;
        const size_t before = boxes.shown.size();
        open(file);
        ASSERT_EQ(boxes.shown.size(), before + 1);
        const platform::Message &m = boxes.shown.back();
        EXPECT_EQ(m.icon, platform::Icon::exclamation);
        EXPECT_EQ(m.title, "FUSE設定");
        EXPECT_EQ(m.text, fuse_warning_text);
        EXPECT_EQ(m.buttons, platform::Buttons::ok);
        EXPECT_EQ(w->SSTab1->currentIndex(), rev == 0 ? 0 : 1);
        EXPECT_TRUE(state::Fuse_tab_shown);
        EXPECT_TRUE(state::Link.comxx_Display_mode);
        EXPECT_EQ(panel(3), "ファイル開く 完了。");
    }
}

TEST_F(Import, FuseAtTheOldPlaceAloneStillWarnsAboutFusex)
{
    // Byte address 0x1FFE: word address 0xFFF.
    const QString file = hex_file(QStringLiteral("oldfuse.hex"), {word_record(0xFFF, {0xFF7, 0x111}), end_record()});
    open(file);
    EXPECT_EQ(w->Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(w->Label_fuse_word_bin->text(), "111111110111");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFF");  // 0x1000 is not a configuration place
    EXPECT_EQ(state::Mem_buffer[0xFFF], "0FF7");
    EXPECT_EQ(state::Mem_buffer[0x1000], "0111");
    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);  // FUSE decoded into both layouts
    EXPECT_EQ(w->Check_CP->checkState(), Qt::Checked);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, fuse_warning_text);
}

TEST_F(Import, BothWordsAreDecodedIntoThePanel)
{
    // FUSEX 0x5B6 (A layout): trim "001", OPTION/stack extension off, carry on, BOR 3,
    // BOR trim 1, program memory pages 2. FUSE 0x3F7: turbo, sync, code protect on.
    state::Irctrim_edited = true;
    const QString file =
        hex_file(QStringLiteral("both.hex"), {word_record(0x1010, {0x3F7, 0x5B6}), end_record()});
    open(file);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);
    EXPECT_EQ(w->Check_TURBOa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "001");
    EXPECT_EQ(w->Check_OPT_STa->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Check_CFa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Combo_BORa->currentIndex(), 3);
    EXPECT_EQ(w->Combo_BORTRa->currentIndex(), 1);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 2);
    EXPECT_FALSE(state::Irctrim_edited);
}

TEST_F(Import, AFusexWithASmallMemoryShortensTheImage)
{
    // FUSEX 0xFFC: memory field 00, 512 words in both revisions.
    const QString file = hex_file(QStringLiteral("small.hex"), {word_record(0x1010, {0xFFF, 0xFFC}), end_record()});
    open(file);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 0);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 0);
    EXPECT_EQ(state::Last_address, 511);
    const QString dump = QString::fromUtf8(file_bytes(image::dump_path()));
    EXPECT_EQ(dump.count("\r\n"), 64 + 2);
}

TEST_F(Import, ANonHexFileStopsAtTheBadLine)
{
    const QString file = hex_file(QStringLiteral("text.hex"),
                                  {word_record(0x1010, {0xFF7, 0xFFF}), word_record(0, {0x123}),
                                   QStringLiteral("this is not a record"), word_record(1, {0x456}), end_record()});
    open(file);
    EXPECT_EQ(panel(1), "HEXﾌｧｲﾙの形式ではありません");
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_EQ(state::Mem_buffer[0], "0123");
    EXPECT_EQ(state::Mem_buffer[1], "0FFF");
    EXPECT_EQ(w->Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Unchecked);  // not decoded
    EXPECT_TRUE(boxes.shown.empty());                        // no warning either
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);
}

TEST_F(Import, ABinaryFileIsNotHex)
{
    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk += char((i * 37 + 11) & 0xFF);
    junk[0] = 0x7F;
    const QString file = path(QStringLiteral("junk.sxh"));
    ASSERT_TRUE(write_bytes(file, junk));
    open(file);
    EXPECT_EQ(panel(1), "HEXﾌｧｲﾙの形式ではありません");
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_TRUE(boxes.shown.empty());
}

void expect_reading_error(const test::Message_script &boxes)
{
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::information);
    EXPECT_EQ(boxes.shown[0].title, "Qorvil");
    EXPECT_EQ(boxes.shown[0].text, reading_error_text);
    EXPECT_EQ(boxes.shown[0].buttons, platform::Buttons::ok);
}

TEST_F(Import, AWordAddressBeyondTheImageIsAReadingError)
{
    // Word address 5000 is the last one the image holds; 5001 is one too many.
    const QString file = hex_file(QStringLiteral("far.hex"),
                                  {word_record(0, {0x321}), word_record(4999, {0x111, 0x222, 0x333}),
                                   word_record(0x1010, {0xFFF, 0xFFF}), end_record()});
    open(file);
    expect_reading_error(boxes);
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_EQ(state::Mem_buffer[0], "0321");
    EXPECT_EQ(state::Mem_buffer[4999], "0111");
    EXPECT_EQ(state::Mem_buffer[5000], "0222");
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);  // no FUSE warning after a reading error
}

TEST_F(Import, ABadChecksumIsAReadingError)
{
    QString broken = word_record(8, {0x555, 0x666});
    broken[broken.size() - 1] = broken.back() == '0' ? '1' : '0';
    const QString file = hex_file(QStringLiteral("sum.hex"), {word_record(0, {0x444}), broken, end_record()});
    open(file);
    expect_reading_error(boxes);
    EXPECT_EQ(state::Mem_buffer[0], "0444");
    EXPECT_EQ(state::Mem_buffer[8], "0FFF");  // nothing of the broken record is stored
    EXPECT_EQ(state::Mem_buffer[9], "0FFF");
}

TEST_F(Import, ALineShorterThanItsByteCountIsAReadingError)
{
    const QString whole = word_record(8, {0x555, 0x666});
    const QString file =
        hex_file(QStringLiteral("short.hex"), {word_record(0, {0x444}), whole.left(whole.size() - 4), end_record()});
    open(file);
    expect_reading_error(boxes);
    EXPECT_EQ(state::Mem_buffer[0], "0444");
    EXPECT_EQ(state::Mem_buffer[8], "0FFF");
}

TEST_F(Import, MalformedRecordsAreReadingErrors)
{
    const QStringList bad = {
        QStringLiteral(":"),                                  // no header
        QStringLiteral(":0200000"),                           // header cut short
        record(0, 0, {0x12, 0x03, 0x45}),                     // odd byte count
        QStringLiteral(":02000000G20CE0"),                    // not a hex digit in the data
        QStringLiteral(":02000000120CEZ"),                    // nor in the checksum
        QStringLiteral(":0X000000120CE0"),                    // nor in the header
        QStringLiteral(":") + QString(2000, QLatin1Char('0')) // overlong
    };
    for (const QString &line : bad) {
        boxes.shown.clear();
        const QString file = hex_file(QStringLiteral("bad.hex"), {word_record(0, {0x444}), line, end_record()});
        open(file);
        ASSERT_EQ(boxes.shown.size(), 1u) << line.left(40).toStdString();
        EXPECT_EQ(boxes.shown[0].text, reading_error_text);
        EXPECT_EQ(state::Mem_buffer[0], "0444");
        EXPECT_EQ(panel(3), "ファイル開く 完了。");
    }
}

TEST_F(Import, AHugeLineIsRefusedWithoutReadingItWhole)
{
    QByteArray huge(8 * 1024 * 1024, 'F');
    huge[0] = ':';
    const QString file = path(QStringLiteral("huge.hex"));
    ASSERT_TRUE(write_bytes(file, huge));
    open(file);
    expect_reading_error(boxes);
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
}

TEST_F(Import, LowerCaseDigitsAreStoredInUpperCase)
{
    const QString file = hex_file(QStringLiteral("lower.hex"),
                                  {record(0, 0, {0xff, 0x0f, 0xab, 0x0c}, true), record(0x2020, 0, {0x7f, 0x0f, 0xbf, 0x0f}, true),
                                   QStringLiteral(":00000001ff")});
    open(file);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(state::Mem_buffer[0], "0FFF");
    EXPECT_EQ(state::Mem_buffer[1], "0CAB");
    EXPECT_EQ(w->Label_fuse_word->text(), "0F7F");
    EXPECT_EQ(w->Label_fuse_word_bin->text(), "111101111111");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FBF");
}

TEST_F(Import, ExtendedAddressRecordsAreIgnored)
{
    const QString file = hex_file(QStringLiteral("ext.hex"),
                                  {record(0, 4, {0x00, 0x01}), word_record(2, {0x202}), record(0, 2, {0x10, 0x00}),
                                   word_record(3, {0x303}), record(0, 3, {0, 0, 0, 0}), record(0, 5, {0, 0, 0, 0}),
                                   word_record(0x1010, {0xFFF, 0xFFF}), end_record()});
    open(file);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(state::Mem_buffer[2], "0202");
    EXPECT_EQ(state::Mem_buffer[3], "0303");
}

TEST_F(Import, BlankLinesAndEveryLineEndAreAccepted)
{
    const QStringList lines = {QString(), word_record(0, {0x111}), QStringLiteral("   "), word_record(1, {0x222}) + "  ",
                               word_record(0x1010, {0xFFF, 0xFFF}), end_record(), QString(), QString()};
    for (const QString &eol : {QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r")}) {
        image::Clear_image();
        const QString file = hex_file(QStringLiteral("eol.hex"), lines, eol);
        open(file);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(state::Mem_buffer[0], "0111");
        EXPECT_EQ(state::Mem_buffer[1], "0222");
        EXPECT_EQ(panel(1), "Firmware Version");
    }
    // The last line may go without a line end.
    const QString file = path(QStringLiteral("noeol.hex"));
    ASSERT_TRUE(write_bytes(file, (word_record(0x1010, {0xFFF, 0xFFF}) + "\n" + word_record(4, {0x444})).toLatin1()));
    open(file);
    EXPECT_EQ(state::Mem_buffer[4], "0444");
}

TEST_F(Import, RecordsInAnyOrderAndLength)
{
    const QString file = hex_file(QStringLiteral("order.hex"),
                                  {word_record(0x1010, {0xFFF, 0xFFF}), word_record(0x40, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
                                   word_record(0, {0xABC}), record(6, 0, {}), end_record()});
    open(file);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(state::Mem_buffer[0], "0ABC");
    EXPECT_EQ(state::Mem_buffer[0x40], "0001");
    EXPECT_EQ(state::Mem_buffer[0x4B], "000C");
}

TEST_F(Import, NothingHappensWhileADeviceOperationRuns)
{
    test::File_script files;
    files.answers << hex_file(QStringLiteral("busy.hex"), {word_record(0, {0x123}), end_record()});
    {
        shell::Busy_scope running;
        w->Command_open->click();
        w->mnuFileOpen->trigger();
        image::Open_command();
    }
    EXPECT_TRUE(files.asked.empty());
    EXPECT_EQ(state::Mem_buffer[0], "0FFF");
    EXPECT_EQ(state::Open_file_name, "");
}

TEST_F(Import, ImportWithoutAFileNameDoesNothing)
{
    state::Mem_buffer[0] = QStringLiteral("0123");
    image::Import_hex();
    EXPECT_EQ(state::Mem_buffer[0], "0123");
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
