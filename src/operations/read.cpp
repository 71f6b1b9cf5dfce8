// Read: the chip's words become the device image, its dump and the fuse panel.

#include "operations/operations.h"

#include "image/device_image.h"
#include "image/dump_format.h"
#include "operations/operation_frame.h"
#include "operations/tr.h"
#include "platform/clock.h"
#include "platform/files.h"

#include <QFile>

namespace operations {

Outcome Read(session::Session &s)
{
    Outcome o;
    const session::Busy_scope busy(s);
    const QDateTime started = platform::wall_time();
    Operation_start start_texts;
    start_texts.running_text = [] { return Tr::tr("読み出し中....."); };
    start_texts.waiting_text = Tr::tr("読み出し中.....　しばらく御待ち下さい。");
    start_texts.clear_time = start_texts.full_memory = true;
    if (!start_operation(s, start_texts, o))
        return o;
    if (!run_chain(s, o, {comm::cor_version, comm::cor_entry_ISP, comm::cor_read_DEVICE_word, comm::cor_read_FUSEX,
                          comm::cor_read_data}))
        return o;

    // The dump file is started anew before the words are read; when it cannot be written
    // at all the run stops here, the image untouched.
    const QString dump = image::dump_path(s);
    if (!dump.isEmpty()) {
        QFile file(dump);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            s.Link.comxx_error = 1;
            stopped(s, o);
            // After the abort's own status text, so that the user sees why.
            s.Set_status_text(session::Panel::activity, [reason = file.errorString()] { return Tr::tr("sx_hex.txtを書き込めません: ") + reason; });
            return o;
        }
    }

    std::vector<QString> words(size_t(s.Last_address) + 1, session::blank_word);
    start_word_loop(s, std::vector<session::Step_cost>(size_t(s.Last_address) + 1, {2, 0}));
    for (int i = 0; i <= s.Last_address; ++i) {
        Show_progress(s, s.Last_address, i);
        comm::cor_increment_address(s);
        comm::cor_read_data(s);
        if (stopped(s, o))
            return o;
        words[size_t(i)] = s.Label_read_data;
    }
    const QString failed =
        dump.isEmpty() ? QString()
                       : platform::write_text_lines(
                             dump, image::dump_lines(words, s.Last_address, s.Label_fuse_word, s.Label_fusex_word));

    if (!run_chain(s, o, {comm::cor_exit_ISP}))
        return o;
    if (!dump.isEmpty())
        s.listener().dump_written(false);
    s.Mem_buffer = s.Read_buffer;

    show_elapsed(s, started);
    s.Set_status_text(session::Panel::activity, [failed] {
        return failed.isEmpty() ? Tr::tr("読み出し終了") : Tr::tr("読み出し終了 (sx_hex.txtを書き込めません: ") + failed + ')';
    });
    s.listener().phase_ended();
    return o;
}

} // namespace operations
