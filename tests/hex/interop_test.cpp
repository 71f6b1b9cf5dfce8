// Files no one here wrote: HEX files made by the gputils assembler are imported, and every
// file Qorvil writes is checked and read back by the srecord tools.

#include "hex_fixture.h"

#include "image/hex_export.h"

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>

using namespace hextest;

namespace {

struct Tool_run {
    int exit_code = -1;
    QString output;  // stdout and stderr together
};

// The full path of a tool that the setup script installs; a missing tool fails the test.
QString tool(const QString &name, const char *package)
{
    const QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        ADD_FAILURE() << name.toStdString() << " not found on PATH: install the Debian package " << package
                      << " (scripts/setup does)";
    return found;
}

Tool_run run(const QString &program, const QStringList &args, const QString &folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Tool_run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(5000);
        r.output = QStringLiteral("did not finish: ") + p.errorString();
        return r;
    }
    r.output = QString::fromLocal8Bit(p.readAll());
    r.exit_code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

class Interop : public Hex {
protected:
    void SetUp() override
    {
        Hex::SetUp();
        gpasm = tool(QStringLiteral("gpasm"), "gputils");
        srec_cat = tool(QStringLiteral("srec_cat"), "srecord");
        srec_info = tool(QStringLiteral("srec_info"), "srecord");
    }

    // Assembles `source` for `processor` into a HEX file of the given format.
    QString assemble(const QString &name, const QString &processor, const QString &format, const QString &source)
    {
        const QString asm_file = path(name + QStringLiteral(".asm"));
        const QString hex = path(name + QStringLiteral(".hex"));
        EXPECT_TRUE(write_bytes(asm_file, source.toLatin1()));
        const Tool_run r = run(gpasm, {QStringLiteral("-p"), processor, QStringLiteral("-a"), format, QStringLiteral("-o"), hex, asm_file},
                          dir.path());
        EXPECT_EQ(r.exit_code, 0) << r.output.toStdString();
        EXPECT_TRUE(QFile::exists(hex)) << r.output.toStdString();
        return hex;
    }

    void open(const QString &file)
    {
        test::File_script files;
        files.answers << file;
        w->Command_open->click();
    }

    QString save_as(const QString &name)
    {
        test::File_script files;
        const QString file = path(name);
        files.answers << file;
        w->mnuFileSaveAs->trigger();
        EXPECT_EQ(panel(3), "ファイル保存完了。");
        return file;
    }

    // What srecord reads from `hex` between byte addresses `from` and `to`, as bytes.
    QByteArray srec_bytes(const QString &hex, int from, int to)
    {
        const QString out = path(QStringLiteral("range.bin"));
        QFile::remove(out);
        const Tool_run r = run(srec_cat, {hex, QStringLiteral("-Intel"), QStringLiteral("-crop"), QString::number(from),
                                     QString::number(to), QStringLiteral("-offset"), QString::number(-from),
                                     QStringLiteral("-o"), out, QStringLiteral("-Binary")},
                          dir.path());
        EXPECT_EQ(r.exit_code, 0) << r.output.toStdString();
        return file_bytes(out);
    }

    // Checks `hex` the way srecord sees it: valid records and checksums, and exactly the
    // program words and configuration words of the image.
    void expect_srecord_agrees(const QString &hex)
    {
        const Tool_run info = run(srec_info, {hex, QStringLiteral("-Intel")}, dir.path());
        ASSERT_EQ(info.exit_code, 0) << info.output.toStdString();
        const int bytes = (state::Last_address + 1) * 2;
        EXPECT_TRUE(info.output.contains(QStringLiteral("0000 - %1").arg(bytes - 1, 4, 16, QLatin1Char('0')).toUpper()))
            << info.output.toStdString();
        EXPECT_TRUE(info.output.contains(QStringLiteral("2020 - 2023"))) << info.output.toStdString();

        QByteArray program;
        for (int a = 0; a <= state::Last_address; ++a) {
            const uint word = state::Mem_buffer[size_t(a)].toUInt(nullptr, 16);
            program += char(word & 0xFF);
            program += char(word >> 8);
        }
        EXPECT_EQ(srec_bytes(hex, 0, bytes), program);

        QByteArray config;
        for (QLabel *label : {w->Label_fuse_word, w->Label_fusex_word}) {
            const uint word = label->text().toUInt(nullptr, 16);
            config += char(word & 0xFF);
            config += char(word >> 8);
        }
        EXPECT_EQ(srec_bytes(hex, 0x2020, 0x2024), config);
    }

    QString gpasm, srec_cat, srec_info;
    test::Message_script boxes;
};

TEST_F(Interop, TheToolsAreThere)
{
    EXPECT_FALSE(gpasm.isEmpty());
    EXPECT_FALSE(srec_cat.isEmpty());
    EXPECT_FALSE(srec_info.isEmpty());
    const Tool_run list = run(gpasm, {QStringLiteral("-l")}, dir.path());
    EXPECT_TRUE(list.output.contains(QStringLiteral("sx18"))) << list.output.toStdString();
    EXPECT_TRUE(list.output.contains(QStringLiteral("sx28"))) << list.output.toStdString();
}

TEST_F(Interop, AnSx28ProgramFromGpasmWithBothConfigurationWords)
{
    ASSERT_FALSE(gpasm.isEmpty());
    const QString hex = assemble(QStringLiteral("blink28"), QStringLiteral("sx28"), QStringLiteral("inhx32"),
                                 QStringLiteral("        org 0\n"
                                                "start:  movlw 0x12\n"
                                                "        movwf 0x08\n"
                                                "        goto start\n"
                                                "        org 0x10\n"
                                                "        retlw 0xAB\n"
                                                "        org 0x100\n"
                                                "        data 0x123, 0x456, 0xFFE\n"
                                                "        org 0x7FF\n"
                                                "        goto start\n"
                                                "        org 0x1010\n"
                                                "        data 0x0F7F, 0x0FBF\n"
                                                "        end\n"));
    // INHX32 output carries an extended linear address record.
    EXPECT_TRUE(file_bytes(hex).contains(":02000004")) << file_bytes(hex).toStdString();

    open(hex);
    EXPECT_EQ(panel(3), "ファイル開く 完了。");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(state::Mem_buffer[0], "0C12");
    EXPECT_EQ(state::Mem_buffer[1], "0028");
    EXPECT_EQ(state::Mem_buffer[2], "0A00");
    EXPECT_EQ(state::Mem_buffer[3], "0FFF");
    EXPECT_EQ(state::Mem_buffer[0x10], "08AB");
    EXPECT_EQ(state::Mem_buffer[0x100], "0123");
    EXPECT_EQ(state::Mem_buffer[0x101], "0456");
    EXPECT_EQ(state::Mem_buffer[0x102], "0FFE");
    EXPECT_EQ(state::Mem_buffer[0x7FF], "0A00");
    EXPECT_EQ(w->Label_fuse_word->text(), "0F7F");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FBF");
    EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Checked);  // 0F7F: internal RC
    int programmed = 0;
    for (int a = 0; a < 2048; ++a)
        programmed += state::Mem_buffer[size_t(a)] != "0FFF";
    EXPECT_EQ(programmed, 8);

    // Saved again, srecord reads the same words.
    expect_srecord_agrees(save_as(QStringLiteral("blink28_saved.hex")));
}

TEST_F(Interop, AnSx18ProgramFromGpasmWithFuseAtTheOldPlace)
{
    ASSERT_FALSE(gpasm.isEmpty());
    for (const QString &format : {QStringLiteral("inhx8m"), QStringLiteral("inhx32")}) {
        boxes.shown.clear();
        const QString hex = assemble(QStringLiteral("sx18_") + format, QStringLiteral("sx18"), format,
                                     QStringLiteral("        org 0x1FF\n"
                                                    "        goto 0x005\n"
                                                    "        org 0x005\n"
                                                    "        retlw 0x3C\n"
                                                    "        org 0xFFF\n"
                                                    "        data 0x0F7A\n"
                                                    "        end\n"));
        open(hex);
        EXPECT_EQ(state::Mem_buffer[0x1FF], "0A05") << format.toStdString();
        EXPECT_EQ(state::Mem_buffer[0x005], "083C");
        EXPECT_EQ(state::Mem_buffer[0xFFF], "0F7A");
        EXPECT_EQ(w->Label_fuse_word->text(), "0F7A");
        EXPECT_EQ(w->Label_fuse_word_bin->text(), "111101111010");
        // No FUSEX in the file: the warning and the fuse tab.
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, fuse_warning_text);
        EXPECT_EQ(w->SSTab1->currentIndex(), 1);
        w->SSTab1->setCurrentIndex(3);
    }
}

TEST_F(Interop, AFileWrittenBySrecordFromABinary)
{
    ASSERT_FALSE(srec_cat.isEmpty());
    // Words 0x100.. as little-endian bytes, FUSE/FUSEX at 0x2020, written with extended
    // linear address records and 32-byte records.
    QByteArray words;
    for (int i = 0; i < 40; ++i) {
        words += char((i * 0x53) & 0xFF);
        words += char((i * 7) & 0x0F);
    }
    ASSERT_TRUE(write_bytes(path(QStringLiteral("words.bin")), words));
    ASSERT_TRUE(write_bytes(path(QStringLiteral("cfg.bin")), QByteArray("\xF7\x0F\xFD\x0F", 4)));
    const QString hex = path(QStringLiteral("from_srec.hex"));
    const Tool_run r = run(srec_cat, {QStringLiteral("words.bin"), QStringLiteral("-Binary"), QStringLiteral("-offset"), QStringLiteral("0x200"),
                                 QStringLiteral("cfg.bin"), QStringLiteral("-Binary"), QStringLiteral("-offset"), QStringLiteral("0x2020"),
                                 QStringLiteral("-o"), hex, QStringLiteral("-Intel"), QStringLiteral("-address-length=4"),
                                 QStringLiteral("-Output_Block_Size"), QStringLiteral("32")},
                      dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.output.toStdString();

    open(hex);
    EXPECT_TRUE(boxes.shown.empty());
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(state::Mem_buffer[size_t(0x100 + i)],
                  QStringLiteral("%1").arg(((i * 7) & 0x0F) * 256 + ((i * 0x53) & 0xFF), 4, 16, QLatin1Char('0')).toUpper())
            << i;
    EXPECT_EQ(w->Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFD");
    EXPECT_EQ(state::Last_address, 511);  // the FUSEX memory field 01 in the A revision
}

TEST_F(Interop, EveryFileQorvilWritesPassesSrecord)
{
    ASSERT_FALSE(srec_info.isEmpty());
    ASSERT_FALSE(srec_cat.isEmpty());

    // The blank image.
    expect_srecord_agrees(save_as(QStringLiteral("blank.hex")));

    // Random words, each memory size, both revisions.
    QRandomGenerator random(1234);
    struct Case { int rev; int index; };
    for (const Case &c : {Case{1, 3}, Case{1, 0}, Case{0, 1}, Case{0, 2}}) {
        image::Clear_image();
        state::Rev_mode = int16_t(c.rev);
        for (int a = 0; a < 2048; ++a)
            state::Mem_buffer[size_t(a)] = QStringLiteral("%1").arg(random.bounded(0x1000), 4, 16, QLatin1Char('0')).toUpper();
        (c.rev == 0 ? w->Combo_MEM : w->Combo_BPXa)->setCurrentIndex(c.index);
        (c.rev == 0 ? w->Check_CP : w->Check_CPa)->setCheckState(Qt::Checked);
        const QString file = save_as(QStringLiteral("random_%1_%2.hex").arg(c.rev).arg(c.index));
        expect_srecord_agrees(file);
    }

    // A file of lower-case digits, imported and saved again.
    const QString lower = hex_file(QStringLiteral("lower.hex"),
                                   {record(0, 0, {0xab, 0x0c, 0xcd, 0x0e}, true), record(0x2020, 0, {0xf7, 0x0f, 0xff, 0x0f}, true),
                                    QStringLiteral(":00000001ff")});
    image::Clear_image();
    state::Rev_mode = 1;
    open(lower);
    expect_srecord_agrees(save_as(QStringLiteral("lower_saved.hex")));
}

TEST_F(Interop, SrecordDoesCheckChecksums)
{
    // Guards the check above: a file with one wrong checksum is refused by srec_info.
    ASSERT_FALSE(srec_info.isEmpty());
    const QString file = save_as(QStringLiteral("tampered.hex"));
    QByteArray data = file_bytes(file);
    const int at = data.indexOf("\r\n") - 1;
    data[at] = data[at] == '0' ? '1' : '0';
    ASSERT_TRUE(write_bytes(file, data));
    const Tool_run r = run(srec_info, {file, QStringLiteral("-Intel")}, dir.path());
    EXPECT_NE(r.exit_code, 0) << r.output.toStdString();
}

} // namespace
