// Every device operation and the manual panel through the real buttons, against the
// simulated board on a pseudo-terminal: the board's whole command log, and what the user
// sees afterwards.
//
// Logs are the command characters in order, each payload in brackets, "{xy}*n" for n
// repetitions. Each starts with "=", the identification of the connection dialog.

#include "window_kit.h"

#include "connection_dialog/frm_com.h"
#include "desktop/captions.h"
#include "image/device_image.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::pair<int, std::uint16_t>>;
constexpr int fusex = 0x1011;  // where a chip's FUSEX stands in `Words`
shell::FrmMain &W() { return shell::frmMain(); }
session::Session &S() { return shell::session(); }
// Sees the windows' session beside them while a row runs.
test::Tap *tap = nullptr;

void image(const std::vector<std::pair<int, const char *>> &words)
{
    for (const auto &[address, text] : words)
        S().Mem_buffer[size_t(address)] = QString::fromLatin1(text);
}

QStringList dump_lines()
{
    return QString::fromUtf8(test::read_file(image::dump_path(S()))).split("\r\n");
}

QString message() { return desktop::caption(W().L_pgm_msg); }

void click(const char *manual_button) { W().command_buttons.at(QString::fromLatin1(manual_button))->click(); }

// Clicks Cancel when the progress display reaches `word`.
void cancel_at(long word)
{
    tap->on_progress = ([word](long, long current) {
        if (current == word)
            W().Command_cancel->click();
    });
}

// Leaves the program from the File menu, or with the window's close box, when Read reaches
// `word`.
void close_at(long word, bool menu)
{
    tap->on_progress = ([word, menu](long, long current) {
        if (current == word)
            menu ? W().mnuFileExit->trigger() : void(W().close());
    });
    W().Command_read->click();
}

// The program has ended: the window closed, the port closed, the work file gone.
void closed(test::Message_script &)
{
    EXPECT_TRUE(test::wait_until([] { return !W().isVisible(); }, 5000));
    EXPECT_FALSE(S().port().is_open() || QFile::exists(image::dump_path(S())));
}

struct Row {
    const char *name;
    QStringList board;                       // options of the simulated board
    int pins = 18, rev = 1;
    Words chip;                              // the chip at power-on: words, FUSE 0FFF, FUSEX 0DFF unless given
    std::function<void()> act;
    const char *log;
    const char *panel3;                      // status panel 3 afterwards
    const char *panel4;                      // status panel 4 afterwards ("hh:mm:ss": an elapsed time)
    QStringList boxes;                       // titles of the message boxes shown
    const char *view = "";                   // how the memory view begins afterwards
    const char *word0 = "0FFF";              // the image's first word afterwards
    Words chip_after = {};                   // program words of the chip afterwards
    int fuse_after = -1, fusex_after = -1;
    std::function<void(test::Message_script &)> check = {};  // what else the row must show
};

const QString abort_box = QStringLiteral("error");

QString status_text(int panel) { return W().sbPanel[size_t(panel)]->text(); }
const char *const T = "hh:mm:ss";

const Row rows[] = {
    {"ProgramSkipsBlankWords", {}, 18, 1, {}, [] {
         image({{0, "0123"}, {1, "0ABC"}, {2, "0000"}, {4, "0FF0"}});
         W().Command_program->click();
         EXPECT_EQ(W().focusWidget()->objectName(), "Command_program");  // ready for the next chip
     },
     "=;=>[2D]9120:94[09FF]3:974[0123]574[0ABC]574[0000]5774[0FF0]5:94[0FFF]5;=9126{76}*5:",
     "正常終了しました。", T, {}, "0000: 0123 0ABC 0000 0FFF 0FF0 0FFF", "0123",
     {{0, 0x123}, {1, 0xABC}, {2, 0x000}, {3, 0xFFF}, {4, 0xFF0}, {5, 0xFFF}}, 0xFFF, 0x9FF},
    {"ProgramBlankImageWritesOnlyTheWords", {}, 28, 0, {{7, 0x555}}, [] { W().Command_program->click(); },
     "=<=>[F0]9120:94[0DFF]3:9:94[0FFF]5<=9126:", "正常終了しました。", T, {}, "0000: 0FFF", "0FFF",
     {{7, 0xFFF}}, 0xFFF, 0xDFF},
    {"ProgramWithCodeProtectionWritesFuseTwice", {}, 18, 1, {}, [] {
         image({{0, "0321"}});
         W().SSTab1->setCurrentIndex(1);
         W().Check_CPa->setCheckState(Qt::Checked);
         W().SSTab1->setCurrentIndex(3);
         W().Command_program->click();
     },
     "=;=>[2D]9120:94[09FF]3:974[0321]5:94[0FFF]5;=9126{76}*1:94[0FF7]5:", "正常終了しました。", T, {}, "", "0321",
     {{0, 0x321}}, 0xFF7, 0x9FF},
    {"ProgramFromTheCommandTabTakesTheWordLabels", {"--firmware", "V2.00"}, 18, 1, {}, [] {
         image({{1, "0800"}});
         W().SSTab1->setCurrentIndex(2);
         S().Label_fuse_word = "0F5B";  // the words as the command tab shows them
         S().Label_fusex_word = "0F7E";
         W().Text_pgm_wait->setText("7");
         W().Command_program->click();
     },
     "=;=>[07]9120:94[097E]3:9774[0800]5:94[0F5B]5;=9126{76}*2:", "正常終了しました。", T, {}, "", "0FFF",
     {{1, 0x800}}, 0xF5B, 0x97E},
    {"ProgramStopsWhenTheBoardFallsSilent", {"--silent-after", "16"}, 18, 1, {}, [] {
         image({{0, "0123"}, {1, "0ABC"}});
         W().Command_program->click();
     },
     "=;=>[2D]9120:94[09FF]3:974[0123]5:", "処理中止 (2)", "", {abort_box}, "0000: 0123", "0123"},
    {"ProgramWithAWrongWordShowsTheDifferences", {"--garbage-reads"}, 18, 0, {}, [] {
         for (int i = 0; i < 30; ++i)
             S().Mem_buffer[size_t(i)] = "0123";
         W().Command_program->click();
     },
     "=;=>[F0]9120:94[09FF]3:9{74[0123]5}*30:94[0FFF]5;=9126{76}*30:", "ベリファイ終了", T, {"ベリファイ結果"},
     "0000: 0123", "0123", {}, -1, -1, [](test::Message_script &boxes) {
         EXPECT_EQ(boxes.shown[0].icon, desktop::Icon::information);
         EXPECT_EQ(boxes.shown[0].text, "プログラムメモリ\tFUSEワード\tFUSEXワード　　 　\r< NG >\t\t< NG >\t\t< OK >\r\r"
                                        "ｴﾗｰが多発する様でしたら、基板上のJP1とJP2にｼﾞｬﾝﾊﾟを接続してください。");
         // The first twenty differences after the dump, then the note.
         const QString view = W().RTextBox_memory->toPlainText();
         EXPECT_EQ(view.count("Address=0x"), 20);
         EXPECT_GT(view.indexOf("Address=0x0000  Original=0123  Read data=0"), view.indexOf("FUSEX ="));
         EXPECT_TRUE(view.contains("Address=0x0013") && !view.contains("Address=0x0014"));
         EXPECT_TRUE(view.endsWith("これ以降もエラーが存在します。\n\n"));
     }},
    {"ProgramAfterEraseHoldsEverythingBackWhileItRuns", {}, 18, 1, {}, [] {
         W().Command_erase->click();
         image({{0, "0123"}, {1, "0456"}});
         tap->on_progress = ([](long, long current) {
             auto &w = W();
             if (current != 1 || !w.Command_cancel->isVisible())
                 return;
             for (QWidget *b : {static_cast<QWidget *>(w.Command_open), static_cast<QWidget *>(w.Command_erase),
                                static_cast<QWidget *>(w.Command_read), static_cast<QWidget *>(w.Command_Com),
                                static_cast<QWidget *>(w.command_buttons.at("version")), w.SSTab1->widget(2)})
                 if (b->isEnabled())
                     return;
             if (!w.mnuFileOpen->isEnabled() && !w.mnuInit->isEnabled() && !w.nmuBufClear->isEnabled())
                 w.Text_pgm_wait->setProperty("held back", true);
         });
         W().Command_program->click();
     },
     "=;=90:9126:;=>[2D]9120:94[0BFF]3:974[0123]574[0456]5:94[0FFF]5;=9126{76}*2:", "正常終了しました。", T,
     {"ﾃﾞﾊﾞｲｽ消去"}, "", "0123",
     {}, -1, -1, [](test::Message_script &) { EXPECT_TRUE(W().Text_pgm_wait->property("held back").toBool()); }},
    {"Read", {}, 18, 1, {{0, 0x041}, {1, 0x123}, {2, 0x07F}, {2047, 0x800}}, [] {
         // Progress in steps of five per cent: panel 2 with an ideographic space, the busy
         // window with an ASCII one, first showing the waiting text.
         QStringList panel2, window;
         tap->on_status = [&](session::Panel panel, const QString &text) {
             if (panel == session::Panel::progress && (panel2.isEmpty() || panel2.back() != text))
                 panel2 << text;
         };
         tap->on_progress = ([&](long, long current) {
             if (current == 0)
                 window << shell::frmMsg().Label1->text();
             if (current == 1)
                 window << shell::frmMsg().Label1->text() << shell::frmMsg().Label2->text()
                        << QString::number(shell::frmMsg().isVisible());
             // The bar moves with the percentage text; an instant board leaves no time to tell.
             if (current == 100 || current == 1024)
                 window << QString::number(shell::frmMsg().progress_bar->value()) + ' '
                               + shell::frmMsg().Label2->text() + ' '
                               + QString::number(!shell::frmMsg().Label_time_left->text().isEmpty());
         });
         W().Command_read->click();
         tap->on_status = {};
         QStringList steps;
         for (int r = 100; r >= 0; r -= 5)
             steps << QStringLiteral("残り　%1 %").arg(r);
         EXPECT_EQ(panel2, steps << "");
         EXPECT_EQ(window, (QStringList{"読み出し中.....　しばらく御待ち下さい。", "読み出し中.....", "残り 100 %", "1",
                                       "0 残り 100 % 0", "45 残り 55 % 0"}));
     },
     "=;=9126{76}*2048:", "読み出し終了", T, {}, "0000: 0041 0123 007F", "0041", {}, -1, -1, [](test::Message_script &) {
         EXPECT_EQ(S().Mem_buffer[2047] + ' ' + W().Label_fusex_word->text(), "0800 0DFF");
         const QStringList lines = dump_lines();
         ASSERT_EQ(lines.size(), 256 + 3);
         EXPECT_EQ(lines[0], QString("0000: 0041 0123 007F 0FFF 0FFF 0FFF 0FFF 0FFF ･A･#") + QString(12, QChar(0xFF65)));
         EXPECT_TRUE(lines[255].startsWith("07F8: 0FFF"));
         EXPECT_EQ(lines.mid(256), (QStringList{"FUSE  =0FFF", "FUSEX =0DFF", ""}));
     }},
    {"ReadOfA512WordChip", {}, 18, 1, {{511, 0x0AA}, {600, 0x0BB}, {fusex, 0xDFC}}, [] {
         S().Read_buffer[600] = "0999";
         W().Command_read->click();
     },
     "=;=9126{76}*512:", "読み出し終了", T, {}, "0000: 0FFF", "0FFF", {}, -1, -1, [](test::Message_script &) {
         // Above the chip's memory: what was read before.
         EXPECT_EQ(QString::number(S().Last_address) + ' ' + S().Mem_buffer[511] + ' ' + S().Mem_buffer[600], "511 00AA 0999");
         const QStringList lines = dump_lines();
         ASSERT_EQ(lines.size(), 64 + 3);
         EXPECT_TRUE(lines[63].startsWith("01F8: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 00AA "));
     }},
    {"ReadStopsAtASilentWord", {"--silent-after", "40"}, 18, 1, {}, [] {
         image({{0, "0ABC"}});
         W().Command_read->click();
     },
     "=;=9126{76}*17:", "処理中止 (2)", "", {abort_box}, "0000: 0FFF", "0ABC"},
    {"VerifyFromTheButtonReadsEveryWordAndTakesTheFuseTabAsItStands", {}, 18, 1, {{2, 0x222}}, [] {
         image({{2, "0222"}});
         W().SSTab1->setCurrentIndex(1);
         W().Check_CPa->setCheckState(Qt::Checked);  // FUSE 0FF7, the chip's 0FFF
         W().Command_verify->click();
     },
     "=;=9126{76}*2048:", "ベリファイ終了", T, {"ベリファイ結果"}, "0000: 0FFF 0FFF 0222"},
    {"VerifyOfABlankChipSaysWhatItProbablyMeans", {}, 18, 1, {}, [] {
         image({{0, "0123"}});
         W().Command_verify->click();
     },
     "=;=9126{76}*2048:", "ベリファイ終了", T, {"ベリファイ結果"}, "0000: 0123", "0123", {}, -1, -1, [](test::Message_script &) {
         EXPECT_TRUE(W().RTextBox_memory->toPlainText().endsWith(
             "\nAddress=0x0000  Original=0123  Read data=0FFF\nヒント: イメージにデータがあるアドレスをチップはブランク（0FFF）と"
             "読みました。書き込まれていないか、書込み中に接続が切れました。\n"));
     }},
    {"VerifyCancelledStopsAtTheNextWord", {}, 18, 1, {}, [] {
         cancel_at(10);
         W().Command_verify->click();
     },
     "=;=9126{76}*11:", "処理中止 (2)", "処理時間", {abort_box}, "", "0FFF", {}, -1, -1, [](test::Message_script &b) {
         EXPECT_EQ(b.shown[0].icon, desktop::Icon::critical);
         EXPECT_EQ(b.shown[0].text, QStringLiteral("  デバイス　アクセスエラーが発生しました。  !!!　　　　  \r")
                                        + QString(28, ' ') + QStringLiteral("\r  処理を中止しました。　"));
     }},
    {"ExitFromTheMenuDuringReadEndsItThenTheProgram", {}, 18, 1, {}, [] { close_at(5, true); },
     "=;=9126{76}*6:", "処理中止 (2)", "", {abort_box}, "", "0FFF", {}, -1, -1, closed},
    {"ClosingTheWindowDuringReadEndsItThenTheProgram", {}, 18, 1, {}, [] { close_at(5, false); },
     "=;=9126{76}*6:", "処理中止 (2)", "", {abort_box}, "", "0FFF", {}, -1, -1, closed},
    {"CancelTwiceCountsThree", {}, 18, 1, {}, [] {
         tap->on_progress = ([](long, long current) {
             if (current == 3)
                 for (int i = 0; i < 2; ++i)
                     W().Command_cancel->click();
         });
         W().Command_read->click();
     },
     "=;=9126{76}*4:", "処理中止 (3)", "", {abort_box}},
    {"VerifyReconnectsAClosedPortThroughTheDialog", {}, 18, 1, {}, [] {
         S().port().close();
         test::when_dialog_shown([](comm::FrmCom &d) { d.Command_ok->click(); });
         W().Command_verify->click();
     },
     "==;=9126{76}*2048:", "正常終了しました。", T, {}},
    {"VerifyWithAClosedPortAndTheDialogCancelled", {}, 18, 1, {}, [] {
         S().port().close();
         test::when_dialog_shown([](comm::FrmCom &d) { d.Command_cancel->click(); });
         W().Command_verify->click();
     },
     "=", "処理中止 (2)", "処理時間", {abort_box}},
    {"ReadWithAnUnknownPackageShowsTheDialogAndSendsNothing", {}, 18, 1, {}, [] {
         S().Pin_mode = 20;
         W().Command_read->click();
     },
     "=", "読み出し中.....", "", {}, "", "0FFF", {}, -1, -1, [](test::Message_script &) {
         EXPECT_TRUE(shell::frmCom().isVisible());
         shell::frmCom().Command_cancel->click();
     }},
    {"EraseReadsTheErasedChipBack", {}, 28, 1, {{0, 0x123}}, [] { W().Command_erase->click(); },
     "=<=90:9126:", "初期設定完了", T, {"ﾃﾞﾊﾞｲｽ消去"}, "", "0FFF", {{0, 0xFFF}}, 0xFFF, 0xFFF},
    {"EraseStopsWhenIspEntryIsNotAnswered", {"--silent-cmd", "9"}, 18, 1, {}, [] {
         S().Last_address = 511;
         W().Command_erase->click();
     },
     "=;=9:", "処理中止 (2)", "時間測定中", {"ﾃﾞﾊﾞｲｽ消去", abort_box}, "", "0FFF", {}, -1, -1,
     [](test::Message_script &) { EXPECT_EQ(S().Last_address, 2047); }},
    {"ManualPanelSendsOneCommandPerButton", {}, 18, 1, {}, [] {
         auto &w = W();
         w.SSTab1->setCurrentIndex(2);
         EXPECT_TRUE(w.address_pc->isVisible() && w.text_in_hi->isVisible());
         for (const char *b : {"erase", "read_DEVICE_word", "read_fusex_word", "program_fusex_word", "load_data_word",
                               "program_data", "read_data", "increment_address"})
             click(b);  // not in ISP mode: a hint, nothing sent
         EXPECT_EQ(message(), "Entry ISPを実行して下さい。");
         for (const char *b : {"version", "mode_28pin", "mode_18pin", "pgm_wait", "Enrty_isp_mode"})
             click(b);
         EXPECT_EQ(S().Isp_mode + ' ' + w.address_pc->text() + ' ' + w.Sync_Label->text(), "ON 0xFFF 同期幅10us 25cycle ");
         for (const char *b : {"read_DEVICE_word", "read_fusex_word", "read_data", "increment_address"})
             click(b);
         EXPECT_EQ(w.address_pc->text(), "0x000");
         w.text_out_hi->setText("0a");
         EXPECT_EQ(w.text_out_hi->text(), "0A");  // upper-cased at once
         w.text_out_low->setText("bc");
         for (const char *b : {"load_data_word", "program_data", "read_data"})
             click(b);
         EXPECT_EQ(w.Label_read_data->text() + ' ' + w.Label_read_data_bin->text(), "0ABC 101010111100");
         click("program_fusex_word");
         EXPECT_EQ(message(), "ﾃﾞﾊﾞｲｽのEEPROMを消去しました。!!\r"
                              "処理を続ける場合は、一度ISPﾓｰﾄﾞから抜けて、再度ISPﾓｰﾄﾞに入ってください。");
         click("erase");
         EXPECT_EQ(message(), "デバイスのEEPROMを消去しました。!!\r"
                              "処理を続ける場合は、一度ISPモードから抜けて、再度ISPﾓｰﾄﾞに入ってください。");
         click("exit_isp_mode");
         EXPECT_EQ(S().Isp_mode + ' ' + QString::number(S().Address_pc) + ' ' + w.address_pc->text(), "OFF -1 0xFFF");
     },
     "==<;>[2D]912674[0ABC]5630:", "初期設定完了", "処理時間", {}},
};

void PrintTo(const Row &r, std::ostream *out) { *out << r.name; }

class Golden : public ::testing::TestWithParam<Row> {};

TEST_P(Golden, LogAndStateAfterwards)
{
    const Row &row = GetParam();
    sim::Chip chip;
    chip.fusex = 0xDFF;  // the factory trim of an A-revision chip
    for (const auto &[address, word] : row.chip)
        (address == fusex ? chip.fusex : chip.words.at(size_t(address))) = word;
    test::Board_session s(row.board, &chip, row.pins, row.rev);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    test::Tap listening;
    tap = &listening;
    row.act();
    tap = nullptr;

    const QString expected = test::expand(QString::fromUtf8(row.log));
    test::wait_until([&] { return s.board->log() == expected; }, 3000);
    EXPECT_EQ(s.board->log().toStdString(), expected.toStdString());
    EXPECT_EQ(status_text(3), QString::fromUtf8(row.panel3));
    EXPECT_EQ(boxes.titles().join('|').toStdString(), row.boxes.join('|').toStdString());

    // Back at rest, whatever happened.
    auto &w = W();
    for (QPushButton *b : {w.Command_open, w.Command_save, w.Command_Com, w.Command_erase, w.Command_verify,
                           w.Command_program, w.Command_read, w.command_buttons.at("read_data")})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    for (QAction *a : {w.mnuFileOpen, w.mnuFileSave, w.mnuFileSaveAs, w.mnuInit, w.mnuOption, w.nmuBufClear})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(w.SSTab1->tabBar()->isEnabled() && w.SSTab1->widget(0)->isEnabled());
    EXPECT_TRUE(w.Command_cancel->isHidden() && !(shell::frmMsg_loaded() && shell::frmMsg().isVisible())
                && !status_text(2).startsWith("残り") && !S().Operation_running && S().Verify_running == 0);
    const QString panel4 = status_text(4);
    EXPECT_TRUE(QLatin1String(row.panel4) == QLatin1String("hh:mm:ss") ? QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(panel4).hasMatch()
                                                                      : panel4 == QString::fromUtf8(row.panel4))
        << panel4.toStdString();
    EXPECT_TRUE(w.RTextBox_memory->toPlainText().startsWith(QString::fromUtf8(row.view)))
        << w.RTextBox_memory->toPlainText().left(60).toStdString();

    EXPECT_EQ(S().Mem_buffer[0], QString::fromLatin1(row.word0));
    if (row.fuse_after >= 0) {
        const sim::Chip after = s.chip_now();
        for (const auto &[address, word] : row.chip_after)
            EXPECT_EQ(after.words[size_t(address)], word) << address;
        EXPECT_TRUE(after.fuse == row.fuse_after && after.fusex == row.fusex_after) << after.fuse << ' ' << after.fusex;
    }
    if (row.check)
        row.check(boxes);
}

INSTANTIATE_TEST_SUITE_P(Operations, Golden, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

} // namespace
