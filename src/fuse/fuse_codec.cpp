#include "fuse/fuse_codec.h"

#include <array>

namespace fuse {
namespace {

// ---------------------------------------------------------------------------------------
// Bit layouts. A field sits at `width` characters of the binary text starting at
// `position` (1 = bit 11, 12 = bit 0). A combo box holds the field's value as its entry
// index; a check box is checked when its bit has the value `checked_bit` (most option bits
// are active low, the watchdog bit is active high).

enum class Kind { combo, check };

// Which A-revision oscillator group the encoder reads the field for.
enum class Group { always, internal_rc, external_osc };

template <class Panel> struct Field {
    int Panel::*value;
    Kind kind;
    int position;
    int width;
    int checked_bit;  // check boxes only
    Group group;
};

template <class Panel> constexpr Field<Panel> combo(int Panel::*v, int position, int width, Group g = Group::always)
{
    return {v, Kind::combo, position, width, 0, g};
}
template <class Panel> constexpr Field<Panel> active_low(int Panel::*v, int position, Group g = Group::always)
{
    return {v, Kind::check, position, 1, 0, g};
}
template <class Panel> constexpr Field<Panel> active_high(int Panel::*v, int position)
{
    return {v, Kind::check, position, 1, 1, Group::always};
}

using F = Fuse_panel;
using X = Fusex_panel;
using D = Device_panel;

const std::array<Field<F>, 9> fuse_old = {{
    combo(&F::Combo_FOSC, 11, 2),
    active_high(&F::Check_WDTE, 10),
    active_low(&F::Check_CP, 9),
    combo(&F::Combo_DIV, 6, 3),
    active_low(&F::Check_IRC, 5),
    active_low(&F::Check_STACKX, 4),
    active_low(&F::Check_OPTIONX, 3),
    active_low(&F::Check_SYNC, 2),
    active_low(&F::Check_TURBO, 1),
}};

// Combo_FOSCa is not in the table: its code is split over bit 5 and bits 1-0 (below).
// Bits 6 and 5 are shared by Combo_DIVa and Check_IFBDa / the oscillator code.
const std::array<Field<F>, 7> fuse_a = {{
    active_high(&F::Check_WDTEa, 10),
    active_low(&F::Check_CPa, 9),
    combo(&F::Combo_DIVa, 6, 2, Group::internal_rc),
    active_low(&F::Check_IFBDa, 6, Group::external_osc),
    active_low(&F::Check_IRCa, 5),
    active_low(&F::Check_SYNCa, 2),
    active_low(&F::Check_TURBOa, 1),
}};

const std::array<Field<X>, 4> fusex_old = {{
    combo(&X::Combo_MEM, 11, 2),
    combo(&X::Combo_RAM, 9, 2),
    combo(&X::Combo_BOR, 7, 2),
    active_low(&X::Check_CF, 6),
}};

const std::array<Field<X>, 5> fusex_a = {{
    combo(&X::Combo_BPXa, 11, 2),
    combo(&X::Combo_BORTRa, 9, 2),
    combo(&X::Combo_BORa, 7, 2),
    active_low(&X::Check_CFa, 6),
    active_low(&X::Check_OPT_STa, 5),
}};

const std::array<Field<D>, 4> device_fields = {{
    combo(&D::Combo_RAM_DEVICE, 9, 2),
    combo(&D::Combo_RAM_DEVICEa, 9, 2),
    combo(&D::Combo_MEM_DEVICE, 11, 2),
    combo(&D::Combo_MEM_DEVICEa, 11, 2),
}};

// The trim field's three characters are bits 11, 9 and 8 (character positions 1, 3, 4).
constexpr std::array<int, 3> trim_positions = {1, 3, 4};

// The oscillator code of Combo_FOSCa: code bit 2 at position 7 (bit 5), bits 1-0 at 11-12.
constexpr int fosca_high_position = 7;
constexpr int fosca_low_position = 11;

constexpr int bit_at(int position) { return 1 << (12 - position); }
constexpr int shift_of(int position, int width) { return 13 - position - width; }

// ---------------------------------------------------------------------------------------
// The one decoder and the one encoder of the tables.

// Value of `bits` when it is exactly `width` characters of "0"/"1", else none.
std::optional<int> pattern_value(const QString &bits, int width)
{
    if (bits.size() != width)
        return std::nullopt;
    int v = 0;
    for (QChar c : bits) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return std::nullopt;
        v = v * 2 + (c == QLatin1Char('1') ? 1 : 0);
    }
    return v;
}

template <class Panel, size_t N> void decode_fields(const QString &bin, const std::array<Field<Panel>, N> &table, Panel &p)
{
    for (const Field<Panel> &f : table) {
        const std::optional<int> v = pattern_value(bin.mid(f.position - 1, f.width), f.width);
        if (!v)
            continue;
        p.*f.value = f.kind == Kind::combo ? *v : (*v == f.checked_bit ? checked : unchecked);
    }
}

// A combo contributes its index when the field can hold it; a check box its bit only in
// the one state that stands for a 1 (unchecked for active-low bits, checked for
// active-high ones), so grayed contributes nothing.
template <class Panel> int field_bits(const Field<Panel> &f, const Panel &p)
{
    const int v = p.*f.value;
    if (f.kind == Kind::combo)
        return v >= 0 && v < (1 << f.width) ? v << shift_of(f.position, f.width) : 0;
    const int state_for_one = f.checked_bit == 1 ? checked : unchecked;
    return v == state_for_one ? bit_at(f.position) : 0;
}

// Fields of the oscillator group `not_read` are left out.
template <class Panel, size_t N>
int encode_fields(const std::array<Field<Panel>, N> &table, const Panel &p, Group not_read = Group::always)
{
    int word = 0;
    for (const Field<Panel> &f : table)
        if (f.group == Group::always || f.group != not_read)
            word |= field_bits(f, p);
    return word;
}

QString decode_trim(const QString &bin)
{
    QString t;
    for (int position : trim_positions)
        t += bin.mid(position - 1, 1);
    return t;
}

bool trim_char_is_one(const QString &trim, int index) { return trim.mid(index, 1) == QLatin1String("1"); }

} // namespace

// ---------------------------------------------------------------------------------------

void decode_fuse(const QString &bin, Fuse_panel &p)
{
    decode_fields(bin, fuse_old, p);
    const QString code = bin.mid(fosca_high_position - 1, 1) + bin.mid(fosca_low_position - 1, 2);
    if (const std::optional<int> v = pattern_value(code, 3))
        p.Combo_FOSCa = *v;
    decode_fields(bin, fuse_a, p);
}

void decode_fusex(const QString &bin, Fusex_panel &p)
{
    decode_fields(bin, fusex_old, p);
    p.Text_IRCTRIM = decode_trim(bin);
    decode_fields(bin, fusex_a, p);
    p.Text_IRCTRIMa = decode_trim(bin);
}

void decode_device(const QString &bin, Device_panel &p) { decode_fields(bin, device_fields, p); }

std::optional<int> encode_fuse(const Fuse_panel &p, int rev_mode)
{
    if (rev_mode == 0)
        return encode_fields(fuse_old, p);
    if (rev_mode != 1)
        return std::nullopt;

    // Bits 9, 8 and 4 of the A-revision FUSE word are always 1.
    int word = 0x310;
    if (p.Check_IRCa == unchecked) {
        // External oscillator: the code's bit 2 goes to bit 5, its bits 1-0 to bits 1-0.
        word |= encode_fields(fuse_a, p, Group::internal_rc);
        const int i = p.Combo_FOSCa;
        if (i >= 0 && i < 8)
            word |= (i % 4) + 0x20 * (i / 4);
    } else {
        // Internal RC: bits 1-0 are 11 along with the frequency in bits 6-5.
        word |= encode_fields(fuse_a, p, Group::external_osc);
        const int j = p.Combo_DIVa;
        if (j >= 0 && j < 4)
            word |= 0x003;
    }
    return word;
}

std::optional<int> encode_fusex(const Fusex_panel &p, int rev_mode, int pin_mode)
{
    if (rev_mode == 0) {
        int word = encode_fields(fusex_old, p);
        // Bit 7 is fixed at 1, written along with Check_CF in either of its two states.
        if (p.Check_CF == unchecked || p.Check_CF == checked)
            word |= 0x080;
        // Every trim bit that is 1 also sets bit 10.
        for (int k = 0; k < 3; ++k)
            if (trim_char_is_one(p.Text_IRCTRIM, k))
                word |= bit_at(trim_positions[size_t(k)]) | 0x400;
        return word;
    }
    if (rev_mode != 1)
        return std::nullopt;
    int word = encode_fields(fusex_a, p);
    // Bit 10 tells the package: 1 for 28 pins.
    if (pin_mode == 28)
        word |= 0x400;
    for (int k = 0; k < 3; ++k)
        if (trim_char_is_one(p.Text_IRCTRIMa, k))
            word |= bit_at(trim_positions[size_t(k)]);
    return word;
}

std::optional<int> last_address_for(int mem_index, int rev_mode)
{
    // Field 11 means four pages like field 10, so it stops at 2047 too.
    static constexpr std::array<int, 4> old_revision = {511, 1023, 2047, 2047};
    static constexpr std::array<int, 4> a_revision = {511, 511, 2047, 2047};
    if (mem_index < 0 || mem_index > 3)
        return std::nullopt;
    if (rev_mode == 0)
        return old_revision[size_t(mem_index)];
    if (rev_mode == 1)
        return a_revision[size_t(mem_index)];
    return std::nullopt;
}

} // namespace fuse
