// Read: the chip's words become the device image, its dump and the fuse panel.

#include "operations/operations.h"

#include "operations/tr.h"

#include "image/device_image.h"
#include "image/dump_format.h"
#include "link/commands.h"
#include "operations/operation_frame.h"
#include "state/status_bar.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>

namespace operations {
namespace {
auto &W() { return state::frmMain(); }

void show_dump_file()
{
    QFile f(image::dump_path());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    auto decode = QStringDecoder(QStringConverter::System);
    W().RTextBox_memory->setPlainText(decode(f.readAll()));
}
} // namespace

void Command_read_click()
{
    if (state::busy())
        return;
    auto &w = W();
    Operation_guard guard;
    const QDateTime started = platform::wall_time();
    Operation_start start_texts;
    start_texts.running_text = Tr::tr("読み出し中.....");
    start_texts.waiting_text = Tr::tr("読み出し中.....　しばらく御待ち下さい。");
    start_texts.clear_time = start_texts.full_memory = true;
    if (!start_operation(start_texts))
        return;
    if (!run_chain({comm::cor_version, comm::cor_entry_ISP, comm::cor_read_DEVICE_word, comm::cor_read_FUSEX,
                    comm::cor_read_data}))
        return;

    // The dump file is started anew before the words are read; when it cannot be written
    // at all the run stops here, the image untouched.
    {
        QFile dump(image::dump_path());
        if (!dump.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            state::Set_status_text(3, Tr::tr("sx_hex.txtを書き込めません: ") + dump.errorString());
            state::Link.comxx_error = 1;
            stopped();
            return;
        }
    }

    std::vector<QString> words(size_t(state::Last_address) + 1, state::blank_word);
    for (int i = 0; i <= state::Last_address; ++i) {
        Show_progress(QStringLiteral("ON"), 0, state::Last_address, i);
        comm::cor_increment_address();
        comm::cor_read_data();
        if (stopped())
            return;
        words[size_t(i)] = w.Label_read_data->text();
    }
    const QString failed = platform::write_text_lines(
        image::dump_path(),
        image::dump_lines(words, state::Last_address, w.Label_fuse_word->text(), w.Label_fusex_word->text()));

    if (!run_chain({comm::cor_exit_ISP}))
        return;
    show_dump_file();
    state::Mem_buffer = state::Read_buffer;

    show_elapsed(started);
    state::Set_status_text(3, failed.isEmpty() ? Tr::tr("読み出し終了")
                                        : Tr::tr("読み出し終了 (sx_hex.txtを書き込めません: ") + failed + ')');
    end_buttons();
}

} // namespace operations
