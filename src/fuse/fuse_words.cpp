#include "fuse/fuse_words.h"

#include "fuse/fuse_codec.h"
#include "words/word_text.h"

namespace fuse {
namespace {

void write_word(session::Session &s, QString &hex, QString &bin, int word)
{
    set_word(s, hex, bin, words::Num_to_hex4(word));
}

// Last_address follows the memory field of the active revision.
void set_last_address(session::Session &s)
{
    const int mem = s.Rev_mode == 0 ? s.fusex_panel.Combo_MEM : s.fusex_panel.Combo_BPXa;
    if (const std::optional<int> last = last_address_for(mem, s.Rev_mode))
        s.Last_address = int16_t(*last);
}

} // namespace

void set_word(session::Session &s, QString &hex, QString &bin, const QString &word)
{
    hex = word;
    bin = words::Hex_to_bin_text(word);
    s.show(session::words);
}

void Fuse_word_to_panel(session::Session &s)
{
    decode_fuse(s.Label_fuse_word_bin, s.fuse_panel);
    s.show(session::panel);
}

void Fusex_word_to_panel(session::Session &s)
{
    decode_fusex(s.Label_fusex_word_bin, s.fusex_panel);
    s.show(session::panel);
    set_last_address(s);
}

void Device_word_to_panel(session::Session &s)
{
    decode_device(s.Label_device_word_bin, s.device_panel);
    s.show(session::panel);
}

void Fuse_panel_to_word(session::Session &s)
{
    if (const std::optional<int> word = encode_fuse(s.fuse_panel, s.Rev_mode))
        write_word(s, s.Label_fuse_word, s.Label_fuse_word_bin, *word);
}

void Fusex_panel_to_word(session::Session &s)
{
    const std::optional<int> word = encode_fusex(s.fusex_panel, s.Rev_mode, s.Pin_mode);
    if (!word)
        return;
    write_word(s, s.Label_fusex_word, s.Label_fusex_word_bin, *word);
    set_last_address(s);
}

void sync_words_and_panel(session::Session &s)
{
    if (s.shown_tab == session::Tab::commands) {
        Fuse_word_to_panel(s);
        Fusex_word_to_panel(s);
    } else {
        Fuse_panel_to_word(s);
        Fusex_panel_to_word(s);
    }
}

} // namespace fuse
