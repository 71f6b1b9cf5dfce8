// Files no one here wrote: HEX files made by the gputils assembler are imported, and every
// file Qorvil writes is checked and read back by the srecord tools.

#include "hex_fixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

using namespace hextest;

namespace {

struct Tool_run {
    int exit_code = -1;  // -1 when it did not finish in time or crashed
    QString output;      // stdout and stderr together
};

// Options written as one text, split at blanks.
QStringList options(const QString &text) { return text.split(QLatin1Char(' ')); }

class Interop : public Hex {
protected:
    void SetUp() override
    {
        Hex::SetUp();
        gpasm = QStandardPaths::findExecutable(QStringLiteral("gpasm"));
        srec_cat = QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
        srec_info = QStandardPaths::findExecutable(QStringLiteral("srec_info"));
        ASSERT_FALSE(gpasm.isEmpty() || srec_cat.isEmpty() || srec_info.isEmpty())
            << "gpasm, srec_cat or srec_info not found on PATH: install the Debian packages gputils and "
               "srecord (scripts/setup does)";
    }

    // Runs a tool in the scratch folder.
    Tool_run run(const QString &program, const QStringList &args) const
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        const bool finished = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
        return {finished ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
    }

    // Assembles `source` for `processor` into a HEX file of the given format.
    QString assemble(const QString &name, const QString &processor, const QString &format, const QString &source)
    {
        EXPECT_TRUE(write_bytes(path(name + QStringLiteral(".asm")), source.toLatin1()));
        const Tool_run r = run(gpasm, options(QStringLiteral("-p %1 -a %2 -o %3.hex %3.asm").arg(processor, format, name)));
        EXPECT_EQ(r.exit_code, 0) << r.output.toStdString();
        EXPECT_TRUE(QFile::exists(path(name + QStringLiteral(".hex")))) << r.output.toStdString();
        return path(name + QStringLiteral(".hex"));
    }

    // What srecord reads from `hex` between byte addresses `from` and `to`, as bytes.
    QByteArray srec_bytes(const QString &hex, int from, int to)
    {
        QFile::remove(path(QStringLiteral("range.bin")));
        const Tool_run r = run(srec_cat, QStringList{hex} + options(QStringLiteral("-Intel -crop %1 %2 -offset %3 -o range.bin -Binary")
                                                                        .arg(from).arg(to).arg(-from)));
        EXPECT_EQ(r.exit_code, 0) << r.output.toStdString();
        return file_bytes(path(QStringLiteral("range.bin")));
    }

    // Checks `hex` the way srecord sees it: valid records and checksums, and exactly the
    // program words and configuration words of the image.
    void expect_srecord_agrees(const QString &hex)
    {
        EXPECT_EQ(panel(3), "ファイル保存完了。");
        const Tool_run info = run(srec_info, {hex, QStringLiteral("-Intel")});
        ASSERT_EQ(info.exit_code, 0) << info.output.toStdString();
        const int bytes = (state::Last_address + 1) * 2;
        EXPECT_TRUE(info.output.contains(QStringLiteral("0000 - %1").arg(bytes - 1, 4, 16, QLatin1Char('0')).toUpper()))
            << info.output.toStdString();
        EXPECT_TRUE(info.output.contains(QStringLiteral("2020 - 2023"))) << info.output.toStdString();

        const auto low_high = [](const QString &word) {
            const uint value = word.toUInt(nullptr, 16);
            return QByteArray(1, char(value & 0xFF)) + char(value >> 8);
        };
        QByteArray program;
        for (int a = 0; a <= state::Last_address; ++a)
            program += low_high(state::Mem_buffer[size_t(a)]);
        EXPECT_EQ(srec_bytes(hex, 0, bytes), program);
        EXPECT_EQ(srec_bytes(hex, 0x2020, 0x2024), low_high(w->Label_fuse_word->text()) + low_high(w->Label_fusex_word->text()));
    }

    QString gpasm, srec_cat, srec_info;
};

TEST_F(Interop, AnSx28ProgramFromGpasmWithBothConfigurationWords)
{
    const QString hex = assemble(QStringLiteral("blink28"), QStringLiteral("sx28"), QStringLiteral("inhx32"),
                                 QStringLiteral("        org 0\n"
                                                "start:  movlw 0x12\n"
                                                "        goto start\n"
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
    EXPECT_TRUE(boxes.shown.empty());
    expect_image({{0, "0C12"}, {1, "0A00"}, {0x100, "0123"}, {0x101, "0456"}, {0x102, "0FFE"}, {0x7FF, "0A00"}},
                 "0F7F", "0FBF");
    EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Checked);  // 0F7F: internal RC
    int programmed = 0;
    for (int a = 0; a < 2048; ++a)
        programmed += state::Mem_buffer[size_t(a)] != "0FFF";
    EXPECT_EQ(programmed, 6);  // and nothing else

    // Saved again, srecord reads the same words.
    expect_srecord_agrees(save_as(path(QStringLiteral("blink28_saved.hex"))));
}

TEST_F(Interop, AnSx18ProgramFromGpasmWithFuseAtTheOldPlace)
{
    for (const QString &format : {QStringLiteral("inhx8m"), QStringLiteral("inhx32")}) {
        const QString hex = assemble(QStringLiteral("sx18_") + format, QStringLiteral("sx18"), format,
                                     QStringLiteral("        org 0x1FF\n"
                                                    "        goto 0x005\n"
                                                    "        org 0x005\n"
                                                    "        retlw 0x3C\n"
                                                    "        org 0xFFF\n"
                                                    "        data 0x0F7A\n"
                                                    "        end\n"));
        open(hex);
        SCOPED_TRACE(format.toStdString());
        expect_image({{0x1FF, "0A05"}, {0x005, "083C"}, {0xFFF, "0F7A"}}, "0F7A");
        // No FUSEX in the file: the warning and the fuse tab.
        expect_box(platform::Icon::exclamation, QStringLiteral("FUSE設定"), fuse_warning_text, platform::Buttons::ok);
        EXPECT_EQ(w->SSTab1->currentIndex(), 1);
        w->SSTab1->setCurrentIndex(3);
    }
}

TEST_F(Interop, AFileWrittenBySrecordFromABinary)
{
    // Words 0x100.. as little-endian bytes, FUSE/FUSEX at 0x2020, written with extended
    // linear address records and 32-byte records.
    QByteArray words;
    for (int i = 0; i < 40; ++i) {
        words += char((i * 0x53) & 0xFF);
        words += char((i * 7) & 0x0F);
    }
    ASSERT_TRUE(write_bytes(path(QStringLiteral("words.bin")), words));
    ASSERT_TRUE(write_bytes(path(QStringLiteral("cfg.bin")), QByteArray("\xF7\x0F\xFD\x0F", 4)));
    const Tool_run r = run(srec_cat, options(QStringLiteral("words.bin -Binary -offset 0x200 cfg.bin -Binary -offset 0x2020 "
                                                            "-o from_srec.hex -Intel -address-length=4 -Output_Block_Size 32")));
    ASSERT_EQ(r.exit_code, 0) << r.output.toStdString();

    open(path(QStringLiteral("from_srec.hex")));
    EXPECT_TRUE(boxes.shown.empty());
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(state::Mem_buffer[size_t(0x100 + i)],
                  QStringLiteral("%1").arg(((i * 7) & 0x0F) * 256 + ((i * 0x53) & 0xFF), 4, 16, QLatin1Char('0')).toUpper())
            << i;
    expect_image({}, "0FF7", "0FFD");
    EXPECT_EQ(state::Last_address, 511);  // the FUSEX memory field 01 in the A revision
}

TEST_F(Interop, EveryFileQorvilWritesPassesSrecord)
{
    // The blank image.
    const QString blank = save_as(path(QStringLiteral("blank.hex")));
    expect_srecord_agrees(blank);

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
        expect_srecord_agrees(save_as(path(QStringLiteral("random_%1_%2.hex").arg(c.rev).arg(c.index))));
    }

    // Guards the check: a file with one wrong checksum is refused by srec_info.
    QByteArray data = file_bytes(blank);
    const int at = data.indexOf("\r\n") - 1;
    data[at] = data[at] == '0' ? '1' : '0';
    ASSERT_TRUE(write_bytes(blank, data));
    const Tool_run r = run(srec_info, {blank, QStringLiteral("-Intel")});
    EXPECT_NE(r.exit_code, 0) << r.output.toStdString();
}

} // namespace
