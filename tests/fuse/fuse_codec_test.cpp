// The FUSE, FUSEX and DEVICE bit layouts on their own, without widgets.

#include "fuse/fuse_codec.h"

#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace fuse;
using F = Fuse_panel;
using X = Fusex_panel;
using D = Device_panel;

constexpr int K = 9;  // a value no decoder gives: marks a value the decoder left alone

// The numeric values of a panel, in the order of the expectation tables below.
const std::vector<int F::*> fuse_values = {
    &F::Combo_FOSC,  &F::Combo_DIV,  &F::Check_TURBO,  &F::Check_SYNC,  &F::Check_OPTIONX, &F::Check_STACKX,
    &F::Check_IRC,   &F::Check_CP,   &F::Check_WDTE,   &F::Combo_FOSCa, &F::Combo_DIVa,    &F::Check_TURBOa,
    &F::Check_SYNCa, &F::Check_IRCa, &F::Check_IFBDa, &F::Check_CPa,   &F::Check_WDTEa};
const std::vector<int X::*> fusex_values = {&X::Combo_MEM,  &X::Combo_RAM,   &X::Combo_BOR,
                                            &X::Check_CF,   &X::Combo_BPXa,  &X::Combo_BORTRa,
                                            &X::Combo_BORa, &X::Check_CFa,   &X::Check_OPT_STa};
const std::vector<int D::*> device_values = {&D::Combo_RAM_DEVICE, &D::Combo_RAM_DEVICEa, &D::Combo_MEM_DEVICE,
                                             &D::Combo_MEM_DEVICEa};

template <class Panel> std::vector<int> values(const Panel &p, const std::vector<int Panel::*> &fields)
{
    std::vector<int> v;
    for (int Panel::*f : fields)
        v.push_back(p.*f);
    return v;
}

// A panel holding K everywhere, decoded from `bin`.
template <class Panel>
Panel decoded(const char *bin, const std::vector<int Panel::*> &fields, void (*decode)(const QString &, Panel &))
{
    Panel p;
    for (int Panel::*f : fields)
        p.*f = K;
    decode(QString::fromLatin1(bin), p);
    return p;
}

TEST(FuseCodec, FuseFieldsOfBothLayoutsAndIncompleteTexts)
{
    struct Case {
        const char *bin;
        std::vector<int> expected;
    };
    const Case cases[] = {
        //               FOSC DIV TURBO SYNC OPTIONX STACKX IRC CP WDTE | FOSCa DIVa TURBOa SYNCa IRCa IFBDa CPa WDTEa
        {"111111111111", {3, 7, 0, 0, 0, 0, 0, 0, 1,   7, 3, 0, 0, 0, 0, 0, 1}},
        {"010100100001", {1, 2, 1, 0, 1, 0, 1, 1, 0,   5, 1, 1, 0, 1, 1, 1, 0}},
        {"111101111111", {3, 7, 0, 0, 0, 0, 1, 0, 1,   7, 3, 0, 0, 1, 0, 0, 1}},  // 0F7F
        {"111110111100", {0, 3, 0, 0, 0, 0, 0, 0, 1,   4, 1, 0, 0, 0, 1, 0, 1}},  // bit 6 = 0, bit 5 = 1
        {"111111011110", {2, 5, 0, 0, 0, 0, 0, 0, 1,   2, 2, 0, 0, 0, 0, 0, 1}},  // bit 6 = 1, bit 5 = 0
        // Missing or other characters than 0 and 1 leave the values they would set.
        {"", std::vector<int>(17, K)},
        {"00001000", {K, 0, 1, 1, 1, 1, 0, K, K,   K, 0, 1, 1, 0, 1, K, K}},
        {"11111111111", {K, 7, 0, 0, 0, 0, 0, 0, 1,   K, 3, 0, 0, 0, 0, 0, 1}},
        {"1111x11111 1", {K, 7, 0, 0, 0, 0, K, 0, 1,   K, 3, 0, 0, K, 0, 0, 1}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(values(decoded(c.bin, fuse_values, decode_fuse), fuse_values), c.expected) << c.bin;
}

TEST(FuseCodec, FusexAndDeviceFieldsOfBothLayoutsAndIncompleteTexts)
{
    struct Case {
        const char *bin;
        std::vector<int> expected;
        const char *trim;  // both layouts read the trim at bits 11, 9 and 8
    };
    const Case cases[] = {
        //               MEM RAM BOR CF | BPXa BORTRa BORa CFa OPT_STa
        {"111111111111", {3, 3, 3, 0,   3, 3, 3, 0, 0}, "111"},
        {"101001100110", {2, 1, 2, 0,   2, 1, 2, 0, 1}, "110"},
        {"", std::vector<int>(9, K), ""},
        {"101", std::vector<int>(9, K), "11"},
        {"x0y1", std::vector<int>(9, K), "xy1"},
    };
    for (const Case &c : cases) {
        const X p = decoded(c.bin, fusex_values, decode_fusex);
        EXPECT_EQ(values(p, fusex_values), c.expected) << c.bin;
        EXPECT_EQ(p.Text_IRCTRIM, c.trim) << c.bin;
        EXPECT_EQ(p.Text_IRCTRIMa, c.trim) << c.bin;
    }

    const std::pair<const char *, std::vector<int>> device_cases[] = {
        // RAM_DEVICE RAM_DEVICEa MEM_DEVICE MEM_DEVICEa
        {"111111111110", {3, 3, 2, 2}},  // 0FFE
        {"000000000100", {1, 1, 0, 0}},
        {"0000000001", {1, 1, K, K}},
    };
    for (const auto &[bin, expected] : device_cases)
        EXPECT_EQ(values(decoded(bin, device_values, decode_device), device_values), expected) << bin;
}

// What a complete word does not show: values that no decoding gives and controls of the
// group or layout the encoder does not read.
TEST(FuseCodec, EncodersSkipGrayedBoxesMissingSelectionsAndUnreadControls)
{
    struct Fuse_case {
        const char *what;
        std::function<void(F &)> change;  // of the blank word's panel
        int rev;
        std::optional<int> expected;
    };
    const Fuse_case fuse_cases[] = {
        {"grayed boxes, no selection", [](F &p) { p.Check_WDTE = p.Check_TURBO = grayed; p.Combo_FOSC = no_selection; },
         0, 0x7F8},
        {"index beyond the field", [](F &p) { p.Combo_FOSC = 5; }, 0, 0xFFC},
        {"A layout on the old revision", [](F &p) { p.Check_CPa = checked; p.Combo_FOSCa = 0; }, 0, 0xFFF},
        {"old layout on the A revision", [](F &p) { p.Check_CP = checked; p.Combo_FOSC = 0; }, 1, 0xFFF},
        {"frequency with the external oscillator", [](F &p) { p.Combo_DIVa = 0; }, 1, 0xFFF},
        {"external controls with the internal RC",
         [](F &p) { p.Check_IRCa = checked; p.Combo_FOSCa = 0; p.Check_IFBDa = checked; p.Combo_DIVa = 1; }, 1, 0xF3F},
        {"grayed switch is the internal RC",
         [](F &p) { p.Check_IRCa = grayed; p.Combo_FOSCa = 0; p.Check_IFBDa = checked; p.Combo_DIVa = 1; }, 1, 0xF3F},
        {"internal RC without a frequency", [](F &p) { p.Check_IRCa = checked; p.Combo_DIVa = no_selection; }, 1,
         0xF1C},
        {"unknown revision", [](F &) {}, 2, std::nullopt},
        {"negative revision", [](F &) {}, -1, std::nullopt},
    };
    for (const Fuse_case &c : fuse_cases) {
        F p;
        decode_fuse(QStringLiteral("111111111111"), p);
        c.change(p);
        EXPECT_EQ(encode_fuse(p, c.rev), c.expected) << c.what;
    }

    struct Fusex_case {
        const char *what;
        std::function<void(X &)> change;
        int rev;
        int pin;
        std::optional<int> expected;
    };
    const Fusex_case fusex_cases[] = {
        {"trim 1x1: other characters count as 0", [](X &p) { p.Text_IRCTRIM = QStringLiteral("1x1"); }, 0, 18, 0xDFF},
        {"short trim", [](X &p) { p.Text_IRCTRIM = QStringLiteral("1"); }, 0, 18, 0xCFF},
        {"empty trim", [](X &p) { p.Text_IRCTRIM.clear(); }, 0, 18, 0x0FF},
        {"grayed carry box drops the fixed bit 7",
         [](X &p) { p.Text_IRCTRIM = QStringLiteral("000"); p.Check_CF = grayed; }, 0, 18, 0x03F},
        {"A layout on the old revision", [](X &p) { p.Combo_BPXa = 0; p.Text_IRCTRIMa = QStringLiteral("000"); }, 0,
         18, 0xFFF},
        {"old layout on the A revision", [](X &p) { p.Combo_MEM = 0; p.Check_CF = checked; }, 1, 28, 0xFFF},
        {"unknown revision", [](X &) {}, 2, 28, std::nullopt},
    };
    for (const Fusex_case &c : fusex_cases) {
        X p;
        decode_fusex(QStringLiteral("111111111111"), p);
        c.change(p);
        EXPECT_EQ(encode_fusex(p, c.rev, c.pin), c.expected) << c.what;
    }
}

TEST(FuseCodec, EveryWordDecodesAndEncodesBackApartFromItsFixedBits)
{
    for (int word = 0; word < 0x1000; ++word) {
        const QString bin = QStringLiteral("%1").arg(word, 12, 2, QLatin1Char('0'));
        F f;
        decode_fuse(bin, f);
        X x;
        decode_fusex(bin, x);
        // A-revision FUSE: bits 9, 8 and 4 are fixed, so are bits 1-0 with the internal RC (bit 7 clear).
        const int fuse_a = word | 0x310 | (word & 0x080 ? 0 : 0x003);
        // Old FUSEX: bit 7 is fixed, bit 10 is set by any trim bit. A-revision FUSEX: bit 10 is the package.
        const int fusex_old = (word & ~0x480) | 0x080 | (word & 0xB00 ? 0x400 : 0);
        ASSERT_EQ(encode_fuse(f, 0), word) << bin.toStdString();
        ASSERT_EQ(encode_fuse(f, 1), fuse_a) << bin.toStdString();
        ASSERT_EQ(encode_fusex(x, 0, 18), fusex_old) << bin.toStdString();
        ASSERT_EQ(encode_fusex(x, 1, 28), word | 0x400) << bin.toStdString();
        ASSERT_EQ(encode_fusex(x, 1, 18), word & ~0x400) << bin.toStdString();
    }
}

} // namespace
