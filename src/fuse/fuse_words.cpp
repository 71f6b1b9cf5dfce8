#include "fuse/fuse_words.h"

#include "fuse/check_state.h"
#include "fuse/fuse_codec.h"
#include "image/word_text.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace fuse {
namespace {

// Which widget holds which panel value, in the order the decoders set them.
template <class Panel> struct Binding {
    int Panel::*value;
    QComboBox *state::Fuse_controls::*combo;
    QCheckBox *state::Fuse_controls::*check;
};

template <class Panel> constexpr Binding<Panel> in_combo(int Panel::*v, QComboBox *state::Fuse_controls::*c)
{
    return {v, c, nullptr};
}
template <class Panel> constexpr Binding<Panel> in_check(int Panel::*v, QCheckBox *state::Fuse_controls::*c)
{
    return {v, nullptr, c};
}

using C = state::Fuse_controls;
using F = Fuse_panel;
using X = Fusex_panel;
using D = Device_panel;

const std::array<Binding<F>, 17> fuse_bindings = {{
    in_combo(&F::Combo_FOSC, &C::Combo_FOSC),
    in_check(&F::Check_WDTE, &C::Check_WDTE),
    in_check(&F::Check_CP, &C::Check_CP),
    in_combo(&F::Combo_DIV, &C::Combo_DIV),
    in_check(&F::Check_IRC, &C::Check_IRC),
    in_check(&F::Check_STACKX, &C::Check_STACKX),
    in_check(&F::Check_OPTIONX, &C::Check_OPTIONX),
    in_check(&F::Check_SYNC, &C::Check_SYNC),
    in_check(&F::Check_TURBO, &C::Check_TURBO),
    in_combo(&F::Combo_FOSCa, &C::Combo_FOSCa),
    in_check(&F::Check_WDTEa, &C::Check_WDTEa),
    in_check(&F::Check_CPa, &C::Check_CPa),
    in_combo(&F::Combo_DIVa, &C::Combo_DIVa),
    in_check(&F::Check_IFBDa, &C::Check_IFBDa),
    in_check(&F::Check_IRCa, &C::Check_IRCa),
    in_check(&F::Check_SYNCa, &C::Check_SYNCa),
    in_check(&F::Check_TURBOa, &C::Check_TURBOa),
}};

// The trim fields are handled beside these: old after Check_CF, A at the end.
const std::array<Binding<X>, 4> fusex_old_bindings = {{
    in_combo(&X::Combo_MEM, &C::Combo_MEM),
    in_combo(&X::Combo_RAM, &C::Combo_RAM),
    in_combo(&X::Combo_BOR, &C::Combo_BOR),
    in_check(&X::Check_CF, &C::Check_CF),
}};

const std::array<Binding<X>, 5> fusex_a_bindings = {{
    in_combo(&X::Combo_BPXa, &C::Combo_BPXa),
    in_combo(&X::Combo_BORTRa, &C::Combo_BORTRa),
    in_combo(&X::Combo_BORa, &C::Combo_BORa),
    in_check(&X::Check_CFa, &C::Check_CFa),
    in_check(&X::Check_OPT_STa, &C::Check_OPT_STa),
}};

const std::array<Binding<D>, 4> device_bindings = {{
    in_combo(&D::Combo_RAM_DEVICE, &C::Combo_RAM_DEVICE),
    in_combo(&D::Combo_RAM_DEVICEa, &C::Combo_RAM_DEVICEa),
    in_combo(&D::Combo_MEM_DEVICE, &C::Combo_MEM_DEVICE),
    in_combo(&D::Combo_MEM_DEVICEa, &C::Combo_MEM_DEVICEa),
}};

template <class Panel, size_t N> void read_widgets(const C &c, const std::array<Binding<Panel>, N> &bindings, Panel &p)
{
    for (const Binding<Panel> &b : bindings)
        p.*b.value = b.combo ? (c.*b.combo)->currentIndex() : check_value(c.*b.check);
}

template <class Panel, size_t N> void write_widgets(C &c, const std::array<Binding<Panel>, N> &bindings, const Panel &p)
{
    for (const Binding<Panel> &b : bindings) {
        if (b.combo)
            (c.*b.combo)->setCurrentIndex(p.*b.value);
        else
            set_check_value(c.*b.check, p.*b.value);
    }
}

Fuse_panel read_fuse_panel(const C &c)
{
    Fuse_panel p;
    read_widgets(c, fuse_bindings, p);
    return p;
}

Fusex_panel read_fusex_panel(const C &c)
{
    Fusex_panel p;
    read_widgets(c, fusex_old_bindings, p);
    p.Text_IRCTRIM = c.Text_IRCTRIM->text();
    read_widgets(c, fusex_a_bindings, p);
    p.Text_IRCTRIMa = c.Text_IRCTRIMa->text();
    return p;
}

void write_word(QLabel *hex_label, QLabel *bin_label, int word)
{
    const QString hex = image::Num_to_hex4(word);
    hex_label->setText(hex);
    bin_label->setText(image::Hex_to_bin_text(hex));
}

// Last_address follows the memory combo of the active revision.
void set_last_address(const C &c)
{
    const QComboBox *mem = state::Rev_mode == 0 ? c.Combo_MEM : c.Combo_BPXa;
    if (const std::optional<int> last = last_address_for(mem->currentIndex(), state::Rev_mode))
        state::Last_address = int16_t(*last);
}

} // namespace

void Fuse_word_to_panel()
{
    state::FrmMain &w = state::frmMain();
    Fuse_panel p = read_fuse_panel(w);
    decode_fuse(w.Label_fuse_word_bin->text(), p);
    write_widgets(w, fuse_bindings, p);
}

void Fusex_word_to_panel()
{
    state::FrmMain &w = state::frmMain();
    Fusex_panel p = read_fusex_panel(w);
    decode_fusex(w.Label_fusex_word_bin->text(), p);
    write_widgets(w, fusex_old_bindings, p);
    w.Text_IRCTRIM->setText(p.Text_IRCTRIM);
    write_widgets(w, fusex_a_bindings, p);
    w.Text_IRCTRIMa->setText(p.Text_IRCTRIMa);
    set_last_address(w);
}

void Device_word_to_panel()
{
    state::FrmMain &w = state::frmMain();
    Device_panel p;
    read_widgets(w, device_bindings, p);
    decode_device(w.Label_device_word_bin->text(), p);
    write_widgets(w, device_bindings, p);
}

void Fuse_panel_to_word()
{
    state::FrmMain &w = state::frmMain();
    if (const std::optional<int> word = encode_fuse(read_fuse_panel(w), state::Rev_mode))
        write_word(w.Label_fuse_word, w.Label_fuse_word_bin, *word);
}

void Fusex_panel_to_word()
{
    state::FrmMain &w = state::frmMain();
    const std::optional<int> word = encode_fusex(read_fusex_panel(w), state::Rev_mode, state::Pin_mode);
    if (!word)
        return;
    write_word(w.Label_fusex_word, w.Label_fusex_word_bin, *word);
    set_last_address(w);
}

} // namespace fuse
