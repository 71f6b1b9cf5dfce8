#include "image/device_image.h"

#include "image/tr.h"

#include "fuse/fuse_words.h"
#include "image/dump_format.h"
#include "state/status_bar.h"
#include "platform/files.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringDecoder>


namespace image {
namespace {

const QString dump_name = QStringLiteral("sx_hex.txt");

void report(const QString &what, const QString &reason)
{
    state::Set_status_text(3, what.arg(dump_name, reason));
}

// Writes the dump file; on failure says so on status panel 3.
bool write_dump()
{
    state::FrmMain &w = state::frmMain();
    const QString reason = platform::write_text_lines(
        dump_path(), dump_lines(state::Mem_buffer, state::Last_address, w.Label_fuse_word->text(),
                                w.Label_fusex_word->text()));
    if (!reason.isEmpty()) {
        report(Tr::tr("%1を書き込めません: %2"), reason);
        return false;
    }
    return true;
}

// Shows the dump file in the memory view; the view keeps what it had if the file cannot
// be read.
void load_view(bool hide_while_loading)
{
    QFile f(dump_path());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        report(Tr::tr("%1を読み込めません: %2"), f.errorString());
        return;
    }
    auto decode = QStringDecoder(QStringConverter::System);
    const QString text = decode(f.readAll());
    QPlainTextEdit *view = state::frmMain().RTextBox_memory;
    if (hide_while_loading)
        view->hide();
    view->setPlainText(text);
    if (hide_while_loading)
        view->show();
}

} // namespace

QString dump_path() { return platform::work_folder() + dump_name; }

void Clear_image()
{
    state::FrmMain &w = state::frmMain();
    state::Last_address = 2047;
    state::Mem_buffer.assign(state::image_size, state::blank_word);
    state::Read_buffer.assign(state::image_size, state::blank_word);
    state::Address_pc = 0xFFF;
    const QString hex = QString::number(uint16_t(state::Address_pc), 16).toUpper();
    w.address_pc->setText(QStringLiteral("0x") + hex.right(3));

    w.Label_fuse_word->setText(QStringLiteral("0FFF"));
    w.Label_fuse_word_bin->setText(QStringLiteral("111111111111"));
    w.Label_fusex_word->setText(QStringLiteral("0FFF"));
    w.Label_fusex_word_bin->setText(QStringLiteral("111111111111"));
    w.Label_device_word->setText(QStringLiteral("0FFE"));
    w.Label_device_word_bin->setText(QStringLiteral("111111111110"));

    fuse::Fuse_word_to_panel();
    fuse::Fusex_word_to_panel();
    fuse::Device_word_to_panel();
}

void Dump_image()
{
    if (write_dump())
        load_view(true);
}

void Clear_and_dump()
{
    Clear_image();
    if (write_dump())
        load_view(false);
}

} // namespace image
