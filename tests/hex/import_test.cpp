// Opening a HEX file: the open dialog, the import of records into the image and the
// FUSE/FUSEX labels and panel, and the reports of unusable files.

#include "hex_fixture.h"

#include "image/file_commands.h"
#include "state/busy.h"

#include <QDir>
#include <QPlainTextEdit>

using namespace hextest;

namespace {

using Import = Hex;

TEST_F(Import, TheOpenDialogAndOpensThatEndEarly)
{
    test::store(QStringLiteral("OPEN_DIR"), QStringLiteral("/srv/sx projects"));
    const QString earlier = hex_file(QStringLiteral("first.hex"), {word_record(0x1010, {0xFFF, 0xFFF}), end_record});
    open(earlier);
    state::Mem_buffer[3] = QStringLiteral("0123");
    // Cancelled, the pattern itself, a missing file, a folder: the document, the image and the
    // caption stay.
    for (const QString &answer : {QString(), QStringLiteral("*.hex;*.sxh"), path(QStringLiteral("missing.hex")), dir.path()}) {
        files.answers << answer;
        answer.isEmpty() ? w->mnuFileOpen->trigger() : w->Command_open->click();  // the menu item too
        EXPECT_EQ(panel(3), "ファイル開く 中止。");
        EXPECT_EQ(state::Open_file_name, earlier);
        EXPECT_EQ(w->windowTitle(), title + "    " + earlier);
        EXPECT_EQ(state::Mem_buffer[3], "0123");
    }
    ASSERT_EQ(files.asked.size(), 5u);
    const platform::File_request &r = files.asked[0];
    EXPECT_FALSE(r.save);
    EXPECT_EQ(r.folder, "/srv/sx projects");
    EXPECT_EQ(r.filter, "HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|");
    EXPECT_EQ(r.file_name, "*.hex;*.sxh");
    EXPECT_EQ(test::stored(QStringLiteral("OPEN_DIR")), dir.path());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Import, OpeningAFileLoadsItNamesItAndDecodesBothWords)
{
    // FUSEX 0x5B6 (A layout): trim "001", BOR 3, program memory pages 2. FUSE 0x3F7: turbo on.
    state::Irctrim_edited = true;
    state::Mem_buffer[100] = QStringLiteral("0123");
    const QString file = hex_file(QStringLiteral("prog.hex"),
                                  {word_record(0, {0xC12, 0x028, 0xA00}), word_record(0x10, {0x8AB}),
                                   word_record(0x1010, {0x3F7, 0x5B6}), end_record});
    open(file);
    EXPECT_EQ(state::Open_file_name, file);
    EXPECT_EQ(w->windowTitle(), title + "    " + file);
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    expect_image({{0x10, "08AB"}, {100, "0FFF"}}, "03F7", "05B6");  // cleared before the import
    EXPECT_EQ(w->Label_fusex_word_bin->text(), "010110110110");
    EXPECT_TRUE(boxes.shown.empty());  // both words found: no warning
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);
    EXPECT_EQ(w->Check_TURBOa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "001");
    EXPECT_EQ(w->Combo_BORa->currentIndex(), 3);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 2);
    EXPECT_FALSE(state::Irctrim_edited);

    // The dump and the memory view show the new image.
    const QString dump = QString::fromUtf8(file_bytes(image::dump_path()));
    EXPECT_TRUE(dump.startsWith("0000: 0C12 0028 0A00 0FFF")) << dump.left(80).toStdString();
    EXPECT_TRUE(dump.contains("FUSE  =03F7\r\nFUSEX =05B6\r\n"));
    EXPECT_TRUE(w->RTextBox_memory->toPlainText().startsWith("0000: 0C12 0028 0A00"));
}

TEST_F(Import, JapaneseFolderAndFileNames)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("作業フォルダ/ＳＸ２８")));
    const QString folder = path(QStringLiteral("作業フォルダ/ＳＸ２８"));
    const QString file = folder + QStringLiteral("/点滅プログラム.hex");
    state::Mem_buffer[5] = QStringLiteral("0123");
    save_as(file);
    image::Clear_image();
    open(file);
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_EQ(state::Mem_buffer[5], "0123");
    EXPECT_EQ(test::stored(QStringLiteral("OPEN_DIR")), folder);
    EXPECT_EQ(w->windowTitle(), title + "    " + file);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Import, WithoutFusexTheFuseTabComesWithAWarningEveryTime)
{
    const QString file = hex_file(QStringLiteral("nofuse.hex"), {word_record(0, {0x123}), end_record});
    for (int rev : {1, 0, 1}) {
        state::Rev_mode = int16_t(rev);
        w->SSTab1->setCurrentIndex(3);
        state::Link.comxx_Display_mode = false;
        open(file);
        expect_box(platform::Icon::exclamation, QStringLiteral("FUSE設定"), fuse_warning_text, platform::Buttons::ok);
        EXPECT_EQ(w->SSTab1->currentIndex(), rev == 0 ? 0 : 1);
        EXPECT_TRUE(state::Fuse_tab_shown);
        EXPECT_TRUE(state::Link.comxx_Display_mode);
        EXPECT_EQ(panel(3), "ファイル開く 完了。");
    }
}

TEST_F(Import, AFileThatDoesNotReadCleanlyChangesNothing)
{
    const QString earlier = hex_file(QStringLiteral("good.hex"), {word_record(0, {0x444}), word_record(0x1010, {0xFF7, 0x5B6}), end_record});
    open(earlier);
    const QString whole = word_record(8, {0x555, 0x666});
    QString bad_sum = whole;
    bad_sum[bad_sum.size() - 1] = bad_sum.back() == '0' ? '1' : '0';
    const std::pair<QString, bool> bad[] = {  // the line, and whether the file is still a HEX file
        {QStringLiteral("this is not a record"), false},
        {bad_sum, true},                                             // wrong checksum
        {QStringLiteral(":00000001FE"), true},                       // also in a record that is not data
        {QStringLiteral(":020000040001FA"), true},
        {whole.left(whole.size() - 4), true},                        // shorter than its byte count
        {record(16, 0, {0x12, 0x03, 0x45}), true},                   // odd byte count
        {QStringLiteral(":02000000G20CE0"), true},                   // not a hex digit in the data,
        {QStringLiteral(":02000000120CEZ"), true},                   // in the checksum
        {QStringLiteral(":0X000000120CE0"), true},                   // or in the header
        {QStringLiteral(":"), true},                                 // no header
        {QStringLiteral(":0200000"), true},                          // header cut short
        {QStringLiteral(":") + QString(8 * 1024 * 1024, 'F'), true}, // huge: refused without reading it whole
        {word_record(4999, {0x111, 0x222, 0x333}), true}};           // word address 5001 is one too many
    for (const auto &[line, hex] : bad) {
        SCOPED_TRACE(line.left(40).toStdString());
        state::Set_status_text(1, QString());
        open(hex_file(QStringLiteral("bad.hex"), {word_record(0, {0x123}), word_record(0x1010, {0xFFF, 0xFFF}), line,
                                                  end_record}));
        if (hex)
            expect_box(platform::Icon::information, QStringLiteral("Qorvil"), reading_error_text, platform::Buttons::ok);
        EXPECT_EQ(panel(1), hex ? "" : "HEXﾌｧｲﾙの形式ではありません");
        EXPECT_EQ(panel(3), "ファイル開く 失敗。");
        expect_image({{0, "0444"}, {8, "0FFF"}}, "0FF7", "05B6");
        EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);  // FUSE 0FF7: code protection
        EXPECT_EQ(state::Open_file_name, earlier);
        EXPECT_EQ(w->windowTitle(), title + "    " + earlier);
        EXPECT_TRUE(boxes.shown.empty());
    }
}

TEST_F(Import, LowerCaseBlankLinesOtherRecordTypesAndAnyOrderAreRead)
{
    open(hex_file(QStringLiteral("lenient.hex"),
                  {QString(), record(0x2020, 0, {0x7f, 0x0f, 0xbf, 0x0f}, true),
                   record(0, 0, {0xff, 0x0f, 0xab, 0x0c}, true), QStringLiteral("   "),
                   // Extended address records and the other types are ignored, not read as data.
                   record(0, 4, {0x00, 0x01}), record(0, 2, {0x10, 0x00}), record(0, 3, {0, 0, 0, 0}),
                   record(0, 5, {0, 0, 0, 0}), word_record(0x40, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) + "  ",
                   record(6, 0, {}), word_record(4999, {0x111, 0x222}), QStringLiteral(":00000001ff"), QString()}));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(panel(1), "Firmware Version");
    expect_image({{0, "0FFF"}, {1, "0CAB"}, {0x40, "0001"}, {0x4B, "000C"}, {5000, "0222"}}, "0F7F", "0FBF");
    EXPECT_EQ(w->Label_fuse_word_bin->text(), "111101111111");
}

TEST_F(Import, OpenAndSaveDoNothingWhileADeviceOperationRuns)
{
    state::Open_file_name = path(QStringLiteral("opened.hex"));
    {
        state::Busy_scope running;
        w->Command_open->click();
        image::Save_command();
        image::Save_as_command();
    }
    EXPECT_TRUE(files.asked.empty());
    EXPECT_EQ(state::Open_file_name, path(QStringLiteral("opened.hex")));
    EXPECT_FALSE(QFile::exists(state::Open_file_name));
    EXPECT_EQ(panel(3), "処理内容");
}

} // namespace
