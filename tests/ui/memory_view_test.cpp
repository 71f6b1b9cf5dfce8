// The memory view shows the dump file; the buffer-clear menu item clears and dumps and keeps
// the document.

#include "window_kit.h"

#include "image/device_image.h"
#include "shell/frm_main.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(MemoryView, ShowsTheDumpAndTheBufferClearKeepsTheDocument)
{
    shell::FrmMain &w = test::program_at_rest();
    test::S().Mem_buffer[7] = QStringLiteral("007A");
    image::Dump_image(test::S());
    const QString shown = w.RTextBox_memory->toPlainText();
    EXPECT_EQ(shown, QString::fromUtf8(test::read_file(image::dump_path(test::S()))).replace("\r\n", "\n"));
    EXPECT_TRUE(shown.startsWith("0000: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 007A ") && !w.RTextBox_memory->isHidden()
                && w.RTextBox_memory->font().fixedPitch());

    // The buffer-clear menu item clears and dumps, and keeps the document and the caption.
    test::S().Open_file_name = QStringLiteral("/tmp/program.hex");
    w.setWindowTitle(QStringLiteral("Qorvil    /tmp/program.hex"));
    w.nmuBufClear->trigger();
    EXPECT_TRUE(w.RTextBox_memory->toPlainText().startsWith("0000: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF "));
    EXPECT_EQ(test::S().Open_file_name + '|' + w.windowTitle(), "/tmp/program.hex|Qorvil    /tmp/program.hex");

    // (A dump that cannot be written: device_image_test.)
}

} // namespace
