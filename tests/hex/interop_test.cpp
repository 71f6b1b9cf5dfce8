// Files no one here wrote: HEX files made by the gputils assembler are imported, and the
// file Qorvil writes of them is read back by srecord.

#include "hex_fixture.h"

#include <QProcess>
#include <QStandardPaths>

using namespace hextest;

namespace {

class Interop : public Hex {
protected:
    // Runs gpasm or srec_cat in the scratch folder with options written as one text.
    void run(const QString &tool, const QString &options, const QStringList &more = {})
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStandardPaths::findExecutable(tool), more + options.split(' ', Qt::SkipEmptyParts));
        EXPECT_TRUE(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            << tool.toStdString() << " (Debian packages gputils, srecord): " << p.readAllStandardError().toStdString();
    }

    // Assembles `source` for `processor` into `name`.hex in the given format.
    QString assemble(const QString &name, const QString &processor, const QString &format, const QString &source)
    {
        EXPECT_TRUE(test::write_file(path(name + ".asm"), source.toLatin1()));
        run(QStringLiteral("gpasm"), QStringLiteral("-p %1 -a %2 -o %3.hex %3.asm").arg(processor, format, name));
        return path(name + ".hex");
    }

    // Checks a file Qorvil saved the way srecord sees it (srec_cat checks every record and
    // checksum): exactly the program words up to Last_address and the FUSE and FUSEX labels.
    void expect_srecord_agrees(const QString &hex)
    {
        run(QStringLiteral("srec_cat"), QStringLiteral("-Intel -fill 0xFF 0 0x2024 -o words.bin -Binary"), {hex});
        // Each word's last two digits (its low byte) first, the gap up to 0x2020 filled.
        QString expected;
        for (int a = 0; a <= test::S().Last_address; ++a)
            expected += test::S().Mem_buffer[size_t(a)].right(2) + test::S().Mem_buffer[size_t(a)].left(2);
        expected += QStringLiteral("FF").repeated(0x2020 - expected.size() / 2);
        for (const QString &word : {w->Label_fuse_word->text(), w->Label_fusex_word->text()})
            expected += word.right(2) + word.left(2);
        EXPECT_EQ(test::read_file(path(QStringLiteral("words.bin"))).toHex().toUpper(), expected.toLatin1());
    }
};

TEST_F(Interop, ProgramsFromGpasm)
{
    const QString hex = assemble(QStringLiteral("blink28"), QStringLiteral("sx28"), QStringLiteral("inhx32"),
                                 QStringLiteral("        org 0\nstart:  movlw 0x12\n        goto start\n"
                                                "        org 0x100\n        data 0x123, 0x456, 0xFFE\n"
                                                "        org 0x7FF\n        goto start\n"
                                                "        org 0x1010\n        data 0x0F7F, 0x0FBF\n        end\n"));
    EXPECT_TRUE(test::read_file(hex).contains(":02000004"));  // with an extended linear address record
    open(hex);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(memory({0, 1, 0x100, 0x101, 0x102, 0x7FF}), "0C12 0A00 0123 0456 0FFE 0A00 0F7F 0FBF");
    EXPECT_EQ(std::count(test::S().Mem_buffer.begin(), test::S().Mem_buffer.begin() + 2048, QStringLiteral("0FFF")), 2042);
    EXPECT_TRUE(w->Check_IRCa->isChecked());  // 0F7F: internal RC
    expect_srecord_agrees(save_as(path(QStringLiteral("blink28_saved.hex"))));

    // SX18 programs with FUSE at its old place and no FUSEX: the warning and the fuse tab of
    // the revision, every time.
    for (const auto &[rev, format] : {std::pair{0, "inhx8m"}, {1, "inhx32"}}) {
        test::S().Rev_mode = int16_t(rev);
        open(assemble(QStringLiteral("sx18_") + format, QStringLiteral("sx18"), QString::fromLatin1(format),
                      QStringLiteral("        org 0x1FF\n        goto 0x005\n        org 0x005\n        retlw 0x3C\n"
                                     "        org 0xFFF\n        data 0x0F7A\n        end\n")));
        EXPECT_EQ(memory({0x1FF, 5, 0xFFF}) + ' ' + QString::number(w->SSTab1->currentIndex()) + ' ' + shown(),
                  "0A05 083C 0F7A 0F7A 0FFF " + QString::number(rev) + ' ' + fuse_warning) << format;
        w->SSTab1->setCurrentIndex(3);
    }
}

} // namespace
