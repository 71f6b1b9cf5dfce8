// Opening a HEX file: the open dialog, the records into the image and the FUSE/FUSEX labels
// and panel, and files that are refused as a whole.

#include "hex_fixture.h"

#include "desktop/busy.h"
#include "shell/file_commands.h"
#include "shell/recent_files.h"
#include "shell/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

using namespace hextest;

namespace {

using Import = Hex;

TEST_F(Import, TheOpenDialogAndOpensThatEndEarly)
{
    test::store(QStringLiteral("OPEN_DIR"), QStringLiteral("/srv/sx projects"));
    const QString earlier = hex_file(QStringLiteral("first.hex"), {words(0x1010, {0xFFF, 0xFFF}), end_record});
    open(earlier);
    test::S().Mem_buffer[3] = QStringLiteral("0123");
    // Cancelled, the pattern itself, a missing file, a folder: the document, the image and the
    // caption stay.
    for (const QString &answer : {QString(), QStringLiteral("*.hex;*.sxh"), path(QStringLiteral("missing.hex")), dir.path()}) {
        files.answers << answer;
        answer.isEmpty() ? w->mnuFileOpen->trigger() : w->Command_open->click();  // the menu item too
        EXPECT_EQ(QStringList({panel(3), test::S().Open_file_name, w->windowTitle(), test::S().Mem_buffer[3]}).join('|'),
                  "ファイル開く 中止。|" + earlier + '|' + title + "    " + earlier + "|0123");
    }
    const desktop::File_request &r = files.asked.at(0);
    EXPECT_EQ(QStringList({QString::number(files.asked.size()), QString::number(r.save), r.folder, r.filter, r.file_name,
                           test::stored("OPEN_DIR"), shown()}).join('|'),
              "5|0|/srv/sx projects|HEX,SXH File|*.hex;*.sxh|ALL Files|*.*||*.hex;*.sxh|" + dir.path() + '|');
}

// FUSE 0x3F7: turbo on. FUSEX 0x5B6 in the A layout: trim "001", BOR 3, program memory field 2.
TEST_F(Import, AFileIsLoadedNamedAndDecodedIntoThePanel)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("作業フォルダ")));
    const QString file = hex_file(QStringLiteral("作業フォルダ/点滅プログラム.hex"),
                                  {words(0, {0xC12, 0x028, 0xA00}), words(0x10, {0x8AB}), words(0x1010, {0x3F7, 0x5B6}),
                                   end_record});
    test::S().Irctrim_edited = true;
    test::S().Mem_buffer[100] = QStringLiteral("0123");
    open(file);
    EXPECT_EQ(QStringList({test::S().Open_file_name, w->windowTitle(), panel(3), test::stored("OPEN_DIR"), shown()}).join('|'),
              file + '|' + title + "    " + file + "|ファイル開く 完了。|" + path(QStringLiteral("作業フォルダ")) + '|');
    EXPECT_EQ(memory({0, 1, 2, 3, 0x10, 100}) + ' ' + w->Label_fuse_word_bin->text() + ' ' + w->Label_fusex_word_bin->text(),
              "0C12 0028 0A00 0FFF 08AB 0FFF 03F7 05B6 001111110111 010110110110");  // cleared before
    // Both words found: no warning, no tab change; the trim counts as not edited.
    EXPECT_EQ(QStringLiteral("%1 %2 %3 %4 %5 %6").arg(w->SSTab1->currentIndex()).arg(w->Check_TURBOa->isChecked())
                  .arg(w->Text_IRCTRIMa->text()).arg(w->Combo_BORa->currentIndex()).arg(w->Combo_BPXa->currentIndex())
                  .arg(test::S().Irctrim_edited), "3 1 001 3 2 0");
    const QString view = w->RTextBox_memory->toPlainText();
    EXPECT_TRUE(view.startsWith("0000: 0C12 0028 0A00 0FFF") && view.contains("FUSE  =03F7\nFUSEX =05B6\n"));
}

// A file that does not read cleanly to its end changes nothing (what the reader takes and
// refuses: hex_records_test).
TEST_F(Import, AFileThatDoesNotReadCleanlyChangesNothing)
{
    const QString earlier = hex_file(QStringLiteral("good.hex"), {words(0, {0x444}), words(0x1010, {0xFF7, 0x5B6}), end_record});
    open(earlier);
    const std::pair<QString, QString> bad[] = {  // the line, panel 1 and the box afterwards
        {QStringLiteral("this is not a record"), QStringLiteral("HEXﾌｧｲﾙの形式ではありません ")},
        {QStringLiteral(":0400100055056606DD"), " " + reading_error},  // wrong checksum
        {words(4999, {0x111, 0x222, 0x333}), " " + reading_error}};   // word address 5001 is one too many
    for (const auto &[line, reported] : bad) {
        test::S().Set_status_text(session::Panel::firmware, QString());
        open(hex_file(QStringLiteral("bad.hex"), {words(0, {0x123}), words(0x1010, {0xFFF, 0xFFF}), line, end_record}));
        EXPECT_EQ(panel(1) + ' ' + shown(), reported);
        EXPECT_EQ(QStringList({panel(3), memory({0, 8}), test::S().Open_file_name, w->windowTitle()}).join('|'),
                  "ファイル開く 失敗。|0444 0FFF 0FF7 05B6|" + earlier + '|' + title + "    " + earlier);
        EXPECT_TRUE(w->Check_CPa->isChecked());  // FUSE 0FF7: code protection
    }
}

TEST_F(Import, OpenAndSaveDoNothingWhileADeviceOperationRuns)
{
    test::S().Open_file_name = path(QStringLiteral("opened.hex"));
    const desktop::Window_busy running(test::S());
    w->Command_open->click();
    shell::Save_command();
    shell::Save_as_command();
    EXPECT_TRUE(files.asked.empty() && !QFile::exists(test::S().Open_file_name) && panel(3) == "処理内容");
}

// A .hex file dropped on the window (a text field too), chosen from the recent files or named
// when the program starts opens as Open opens it; not while a device operation runs, not a
// file of another kind; a recent file that has gone leaves the list.
TEST_F(Import, ADroppedRecentOrNamedFileOpens)
{
    const QString file = hex_file(QStringLiteral("dropped.hex"), {words(0, {0x123}), words(0x1010, {0xFF7, 0x5B6}), end_record});
    const auto drop = [](const QString &dropped, QWidget *on) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QCoreApplication::sendEvent(on, &drop);
        return enter.isAccepted();
    };
    {
        const desktop::Window_busy running(test::S());
        EXPECT_FALSE(drop(file, w));
    }
    EXPECT_FALSE(drop(path(QStringLiteral("notes.txt")), w));
    EXPECT_TRUE(drop(file, w->Text_pgm_wait));
    EXPECT_EQ(test::S().Open_file_name + ' ' + memory({0}) + ' ' + shell::recent_files().join(','), file + " 0123 0FF7 05B6 " + file);

    const QString named = hex_file(QStringLiteral("named.hex"), {words(0, {0x456}), words(0x1010, {0xFF7, 0x5B6}), end_record});
    test::when_dialog_shown([](comm::FrmCom &) {});
    shell::run_startup(false, named);
    EXPECT_EQ(test::S().Open_file_name + ' ' + shell::recent_files().join(','), named + ' ' + named + ',' + file);

    QFile::remove(file);
    emit shell::frmMain().mnuFile->aboutToShow();
    shell::frmMain().findChild<QAction *>(QStringLiteral("mnuRecent2"))->trigger();
    EXPECT_EQ(shell::recent_files(), QStringList{named});
    EXPECT_EQ(panel(3), file + " がありません。一覧から外しました。");
}

} // namespace
