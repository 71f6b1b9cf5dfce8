#include "image/device_image.h"

#include "image/tr.h"

#include "fuse/fuse_words.h"
#include "image/dump_format.h"
#include "platform/files.h"

namespace image {
namespace {

const QString dump_name = QStringLiteral("sx_hex.txt");

// Writes the dump file; on failure says so on status panel 3.
bool write_dump(session::Session &s)
{
    if (dump_path(s).isEmpty())
        return false;
    const QString reason = platform::write_text_lines(
        dump_path(s), dump_lines(s.Mem_buffer, s.Last_address, s.Label_fuse_word, s.Label_fusex_word));
    if (!reason.isEmpty()) {
        s.Set_status_text(session::Panel::activity, [dump_name, reason] { return Tr::tr("%1を書き込めません: %2").arg(dump_name, reason); });
        return false;
    }
    return true;
}

} // namespace

QString dump_path(const session::Session &s) { return s.App_path.isEmpty() ? QString() : s.App_path + dump_name; }

void Clear_image(session::Session &s)
{
    s.Last_address = 2047;
    s.Mem_buffer.assign(session::image_size, session::blank_word);
    s.Read_buffer.assign(session::image_size, session::blank_word);
    s.set_address(0xFFF);
    fuse::set_word(s, s.Label_fuse_word, s.Label_fuse_word_bin, QStringLiteral("0FFF"));
    fuse::set_word(s, s.Label_fusex_word, s.Label_fusex_word_bin, QStringLiteral("0FFF"));
    fuse::set_word(s, s.Label_device_word, s.Label_device_word_bin, QStringLiteral("0FFE"));
    fuse::Fuse_word_to_panel(s);
    fuse::Fusex_word_to_panel(s);
    fuse::Device_word_to_panel(s);
}

void Dump_image(session::Session &s)
{
    if (write_dump(s))
        s.listener().dump_written(true);
}

void Clear_and_dump(session::Session &s)
{
    Clear_image(s);
    if (write_dump(s))
        s.listener().dump_written(false);
}

} // namespace image
