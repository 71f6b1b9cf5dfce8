// The FUSE, FUSEX and DEVICE bit layouts on their own, without widgets.

#include "fuse/fuse_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace fuse;

// The panel an erased chip shows: what decoding "0FFF" gives.
Fuse_panel blank_fuse_panel()
{
    Fuse_panel p;
    p.Combo_FOSC = 3;
    p.Combo_DIV = 7;
    p.Check_WDTE = checked;
    p.Combo_FOSCa = 7;
    p.Combo_DIVa = 3;
    p.Check_WDTEa = checked;
    return p;
}

Fusex_panel blank_fusex_panel()
{
    Fusex_panel p;
    p.Combo_MEM = p.Combo_RAM = p.Combo_BOR = 3;
    p.Combo_BPXa = p.Combo_BORTRa = p.Combo_BORa = 3;
    p.Text_IRCTRIM = p.Text_IRCTRIMa = QStringLiteral("111");
    return p;
}

// A panel whose every value differs from what any complete word would give.
Fuse_panel odd_fuse_panel()
{
    Fuse_panel p;
    p.Combo_FOSC = p.Combo_DIV = p.Combo_FOSCa = p.Combo_DIVa = 9;
    for (int Fuse_panel::*c : {&Fuse_panel::Check_TURBO, &Fuse_panel::Check_SYNC, &Fuse_panel::Check_OPTIONX,
                               &Fuse_panel::Check_STACKX, &Fuse_panel::Check_IRC, &Fuse_panel::Check_CP,
                               &Fuse_panel::Check_WDTE, &Fuse_panel::Check_TURBOa, &Fuse_panel::Check_SYNCa,
                               &Fuse_panel::Check_IRCa, &Fuse_panel::Check_IFBDa, &Fuse_panel::Check_CPa,
                               &Fuse_panel::Check_WDTEa})
        p.*c = grayed;
    return p;
}

void expect_same(const Fuse_panel &a, const Fuse_panel &b)
{
    EXPECT_EQ(a.Combo_FOSC, b.Combo_FOSC);
    EXPECT_EQ(a.Combo_DIV, b.Combo_DIV);
    EXPECT_EQ(a.Check_TURBO, b.Check_TURBO);
    EXPECT_EQ(a.Check_SYNC, b.Check_SYNC);
    EXPECT_EQ(a.Check_OPTIONX, b.Check_OPTIONX);
    EXPECT_EQ(a.Check_STACKX, b.Check_STACKX);
    EXPECT_EQ(a.Check_IRC, b.Check_IRC);
    EXPECT_EQ(a.Check_CP, b.Check_CP);
    EXPECT_EQ(a.Check_WDTE, b.Check_WDTE);
    EXPECT_EQ(a.Combo_FOSCa, b.Combo_FOSCa);
    EXPECT_EQ(a.Combo_DIVa, b.Combo_DIVa);
    EXPECT_EQ(a.Check_TURBOa, b.Check_TURBOa);
    EXPECT_EQ(a.Check_SYNCa, b.Check_SYNCa);
    EXPECT_EQ(a.Check_IRCa, b.Check_IRCa);
    EXPECT_EQ(a.Check_IFBDa, b.Check_IFBDa);
    EXPECT_EQ(a.Check_CPa, b.Check_CPa);
    EXPECT_EQ(a.Check_WDTEa, b.Check_WDTEa);
}

// ---------------------------------------------------------------------------------------
// Decoding

TEST(DecodeFuse, BlankWordGivesTheErasedOptionsInBothLayouts)
{
    Fuse_panel p = odd_fuse_panel();
    decode_fuse("111111111111", p);
    expect_same(p, blank_fuse_panel());
}

TEST(DecodeFuse, OldLayoutBitsAndPolarity)
{
    Fuse_panel p;
    // TURBO on, SYNC off, OPTIONX on, STACKX off, IRC on, DIV 010, CP on, WDTE off, FOSC 01
    decode_fuse("010100100001", p);
    EXPECT_EQ(p.Check_TURBO, checked);
    EXPECT_EQ(p.Check_SYNC, unchecked);
    EXPECT_EQ(p.Check_OPTIONX, checked);
    EXPECT_EQ(p.Check_STACKX, unchecked);
    EXPECT_EQ(p.Check_IRC, checked);
    EXPECT_EQ(p.Combo_DIV, 2);
    EXPECT_EQ(p.Check_CP, checked);
    EXPECT_EQ(p.Check_WDTE, unchecked);
    EXPECT_EQ(p.Combo_FOSC, 1);
}

TEST(DecodeFuse, InternalRcWordOfTheARevision)
{
    Fuse_panel p;
    decode_fuse("111101111111", p);  // 0F7F
    EXPECT_EQ(p.Check_IRCa, checked);
    EXPECT_EQ(p.Combo_DIVa, 3);
    EXPECT_EQ(p.Check_IFBDa, unchecked);
    EXPECT_EQ(p.Combo_FOSCa, 7);
}

TEST(DecodeFuse, ARevisionBits6And5FeedBothOscillatorGroups)
{
    Fuse_panel p;
    decode_fuse("111110111100", p);  // bit 6 = 0, bit 5 = 1, bits 1-0 = 00
    EXPECT_EQ(p.Check_IFBDa, checked);
    EXPECT_EQ(p.Combo_DIVa, 1);
    EXPECT_EQ(p.Combo_FOSCa, 4);

    decode_fuse("111111011110", p);  // bit 6 = 1, bit 5 = 0, bits 1-0 = 10
    EXPECT_EQ(p.Check_IFBDa, unchecked);
    EXPECT_EQ(p.Combo_DIVa, 2);
    EXPECT_EQ(p.Combo_FOSCa, 2);
}

TEST(DecodeFuse, EmptyTextLeavesEveryValue)
{
    Fuse_panel p = odd_fuse_panel();
    decode_fuse("", p);
    expect_same(p, odd_fuse_panel());
}

TEST(DecodeFuse, TooShortTextSetsOnlyTheFieldsItCovers)
{
    Fuse_panel p = odd_fuse_panel();
    decode_fuse("00001000", p);  // eight characters: bits 11 to 4
    EXPECT_EQ(p.Check_TURBO, checked);
    EXPECT_EQ(p.Check_STACKX, checked);
    EXPECT_EQ(p.Check_IRC, unchecked);
    EXPECT_EQ(p.Combo_DIV, 0);        // positions 6-8 complete
    EXPECT_EQ(p.Check_CP, grayed);    // position 9 missing
    EXPECT_EQ(p.Check_WDTE, grayed);
    EXPECT_EQ(p.Combo_FOSC, 9);
    EXPECT_EQ(p.Combo_DIVa, 0);
    EXPECT_EQ(p.Combo_FOSCa, 9);      // needs positions 11-12 too
    EXPECT_EQ(p.Check_CPa, grayed);

    Fuse_panel q = odd_fuse_panel();
    decode_fuse("11111111111", q);  // one short: only the two-bit oscillator field is incomplete
    EXPECT_EQ(q.Combo_FOSC, 9);
    EXPECT_EQ(q.Combo_FOSCa, 9);
    EXPECT_EQ(q.Check_WDTE, checked);
    EXPECT_EQ(q.Combo_DIV, 7);
}

TEST(DecodeFuse, CharactersOtherThanZeroAndOneLeaveTheirControls)
{
    Fuse_panel p = odd_fuse_panel();
    decode_fuse("1111x11111 1", p);
    EXPECT_EQ(p.Check_IRC, grayed);
    EXPECT_EQ(p.Check_IRCa, grayed);
    EXPECT_EQ(p.Combo_FOSC, 9);
    EXPECT_EQ(p.Combo_FOSCa, 9);
    EXPECT_EQ(p.Check_STACKX, unchecked);
    EXPECT_EQ(p.Combo_DIV, 7);
}

TEST(DecodeFusex, BlankWordGivesTheErasedOptionsInBothLayouts)
{
    Fusex_panel p;
    p.Check_CF = p.Check_CFa = p.Check_OPT_STa = grayed;
    decode_fusex("111111111111", p);
    EXPECT_EQ(p.Combo_MEM, 3);
    EXPECT_EQ(p.Combo_RAM, 3);
    EXPECT_EQ(p.Combo_BOR, 3);
    EXPECT_EQ(p.Check_CF, unchecked);
    EXPECT_EQ(p.Text_IRCTRIM, "111");
    EXPECT_EQ(p.Combo_BPXa, 3);
    EXPECT_EQ(p.Combo_BORTRa, 3);
    EXPECT_EQ(p.Combo_BORa, 3);
    EXPECT_EQ(p.Check_CFa, unchecked);
    EXPECT_EQ(p.Check_OPT_STa, unchecked);
    EXPECT_EQ(p.Text_IRCTRIMa, "111");
}

TEST(DecodeFusex, FieldsOfBothLayouts)
{
    Fusex_panel p;
    decode_fusex("101001100110", p);
    EXPECT_EQ(p.Text_IRCTRIM, "110");  // bits 11, 9, 8; bit 10 is not read
    EXPECT_EQ(p.Check_CF, unchecked);
    EXPECT_EQ(p.Combo_BOR, 2);
    EXPECT_EQ(p.Combo_RAM, 1);
    EXPECT_EQ(p.Combo_MEM, 2);
    EXPECT_EQ(p.Text_IRCTRIMa, "110");
    EXPECT_EQ(p.Check_OPT_STa, checked);
    EXPECT_EQ(p.Check_CFa, unchecked);
    EXPECT_EQ(p.Combo_BORa, 2);
    EXPECT_EQ(p.Combo_BORTRa, 1);
    EXPECT_EQ(p.Combo_BPXa, 2);
}

TEST(DecodeFusex, TrimTakesWhateverCharactersAreThere)
{
    Fusex_panel p = blank_fusex_panel();
    decode_fusex("", p);
    EXPECT_EQ(p.Text_IRCTRIM, "");
    EXPECT_EQ(p.Text_IRCTRIMa, "");
    EXPECT_EQ(p.Combo_MEM, 3);
    EXPECT_EQ(p.Combo_BPXa, 3);

    decode_fusex("101", p);
    EXPECT_EQ(p.Text_IRCTRIM, "11");
    decode_fusex("1", p);
    EXPECT_EQ(p.Text_IRCTRIMa, "1");
    decode_fusex("x0y1", p);
    EXPECT_EQ(p.Text_IRCTRIM, "xy1");
}

TEST(DecodeDevice, RamAndMemoryPairs)
{
    Device_panel p;
    decode_device("111111111110", p);  // 0FFE
    EXPECT_EQ(p.Combo_RAM_DEVICE, 3);
    EXPECT_EQ(p.Combo_RAM_DEVICEa, 3);
    EXPECT_EQ(p.Combo_MEM_DEVICE, 2);
    EXPECT_EQ(p.Combo_MEM_DEVICEa, 2);

    decode_device("000000000100", p);
    EXPECT_EQ(p.Combo_RAM_DEVICE, 1);
    EXPECT_EQ(p.Combo_MEM_DEVICEa, 0);

    decode_device("0000000001", p);  // memory field missing
    EXPECT_EQ(p.Combo_RAM_DEVICEa, 1);
    EXPECT_EQ(p.Combo_MEM_DEVICE, 0);
}

// ---------------------------------------------------------------------------------------
// Encoding

TEST(EncodeFuse, OldRevisionBlankAndCodeProtect)
{
    Fuse_panel p = blank_fuse_panel();
    EXPECT_EQ(encode_fuse(p, 0), 0xFFF);
    p.Check_CP = checked;
    EXPECT_EQ(encode_fuse(p, 0), 0xFF7);
}

TEST(EncodeFuse, OldRevisionEveryOption)
{
    Fuse_panel p;
    p.Combo_FOSC = 1;
    p.Combo_DIV = 5;
    p.Check_TURBO = checked;
    p.Check_IRC = checked;
    p.Check_WDTE = unchecked;
    // SYNC 0x400, OPTIONX 0x200, STACKX 0x100, CP 0x008 come from the unchecked boxes
    EXPECT_EQ(encode_fuse(p, 0), 0x400 | 0x200 | 0x100 | 0x050 | 0x008 | 0x001);
}

TEST(EncodeFuse, ARevisionExternalAndInternalOscillator)
{
    Fuse_panel p = blank_fuse_panel();
    EXPECT_EQ(encode_fuse(p, 1), 0xFFF);

    p.Check_IRCa = checked;
    EXPECT_EQ(encode_fuse(p, 1), 0xF7F);
}

TEST(EncodeFuse, ARevisionOscillatorCodeIsSplitOverBit5AndBits1To0)
{
    Fuse_panel p = blank_fuse_panel();
    p.Check_IFBDa = checked;  // keeps bit 6 clear
    const int expected[] = {0x000, 0x001, 0x002, 0x003, 0x020, 0x021, 0x022, 0x023};
    for (int i = 0; i < 8; ++i) {
        p.Combo_FOSCa = i;
        EXPECT_EQ(*encode_fuse(p, 1) & 0x063, expected[i]) << i;
        Fuse_panel back;
        decode_fuse(QStringLiteral("%1").arg(*encode_fuse(p, 1), 12, 2, QLatin1Char('0')), back);
        EXPECT_EQ(back.Combo_FOSCa, i);
    }
}

TEST(EncodeFuse, ARevisionReadsOnlyTheGroupTheSwitchSelects)
{
    Fuse_panel p = blank_fuse_panel();
    p.Check_IRCa = unchecked;
    p.Combo_DIVa = 0;  // not read with the external oscillator
    EXPECT_EQ(encode_fuse(p, 1), 0xFFF);

    p = blank_fuse_panel();
    p.Check_IRCa = checked;
    p.Combo_FOSCa = 0;       // not read with the internal RC
    p.Check_IFBDa = checked;
    p.Combo_DIVa = 1;
    EXPECT_EQ(encode_fuse(p, 1), 0xF3F);

    p.Check_IRCa = grayed;  // only unchecked selects the external oscillator
    EXPECT_EQ(encode_fuse(p, 1), 0xF3F);
}

TEST(EncodeFuse, ARevisionFixedBitsStayOn)
{
    Fuse_panel p;  // nothing selected, every box unchecked except the switch
    p.Check_IRCa = checked;
    p.Check_TURBOa = p.Check_SYNCa = p.Check_CPa = checked;
    EXPECT_EQ(encode_fuse(p, 1), 0x310);
}

TEST(EncodeFuse, GrayedBoxesAndMissingSelectionsContributeNothing)
{
    Fuse_panel p = blank_fuse_panel();
    p.Check_WDTE = grayed;
    p.Check_TURBO = grayed;
    p.Combo_FOSC = no_selection;
    EXPECT_EQ(encode_fuse(p, 0), 0x7F8);

    p = blank_fuse_panel();
    p.Combo_FOSC = 4;  // beyond the field
    EXPECT_EQ(encode_fuse(p, 0), 0xFFC);

    p = blank_fuse_panel();
    p.Check_IRCa = checked;
    p.Combo_DIVa = no_selection;  // also takes the internal RC's bits 1-0 along
    EXPECT_EQ(encode_fuse(p, 1), 0xF1C);
}

TEST(EncodeFusex, OldRevisionTrimBitsCarryBit10)
{
    Fusex_panel p = blank_fusex_panel();
    EXPECT_EQ(encode_fusex(p, 0, 18), 0xFFF);
    p.Text_IRCTRIM = QStringLiteral("000");
    EXPECT_EQ(encode_fusex(p, 0, 18), 0x0FF);
    p.Text_IRCTRIM = QStringLiteral("001");
    EXPECT_EQ(encode_fusex(p, 0, 18), 0x5FF);
    p.Text_IRCTRIM = QStringLiteral("100");
    EXPECT_EQ(encode_fusex(p, 0, 18), 0xCFF);
    p.Text_IRCTRIM = QStringLiteral("010");
    EXPECT_EQ(encode_fusex(p, 0, 28), 0x6FF);
}

TEST(EncodeFusex, OldRevisionTrimCharactersOtherThanOneCountAsZero)
{
    Fusex_panel p = blank_fusex_panel();
    p.Text_IRCTRIM = QStringLiteral("1x1");
    EXPECT_EQ(encode_fusex(p, 0, 18), 0xDFF);
    p.Text_IRCTRIM = QStringLiteral("1");
    EXPECT_EQ(encode_fusex(p, 0, 18), 0xCFF);
    p.Text_IRCTRIM.clear();
    EXPECT_EQ(encode_fusex(p, 0, 18), 0x0FF);
}

TEST(EncodeFusex, OldRevisionCarryBoxSetsBit7InBothOfItsStates)
{
    Fusex_panel p = blank_fusex_panel();
    p.Text_IRCTRIM = QStringLiteral("000");
    p.Check_CF = checked;
    EXPECT_EQ(encode_fusex(p, 0, 18), 0x0BF);
    p.Check_CF = grayed;
    EXPECT_EQ(encode_fusex(p, 0, 18), 0x03F);
}

TEST(EncodeFusex, ARevisionBit10FollowsThePackage)
{
    Fusex_panel p = blank_fusex_panel();
    EXPECT_EQ(encode_fusex(p, 1, 28), 0xFFF);
    EXPECT_EQ(encode_fusex(p, 1, 18), 0xBFF);
    p.Text_IRCTRIMa = QStringLiteral("000");
    EXPECT_EQ(encode_fusex(p, 1, 28), 0x4FF);
    p.Text_IRCTRIMa = QStringLiteral("101");
    EXPECT_EQ(encode_fusex(p, 1, 18), 0x9FF);
}

TEST(EncodeFusex, ARevisionFields)
{
    Fusex_panel p;
    p.Combo_BPXa = 1;
    p.Combo_BORTRa = 2;
    p.Combo_BORa = 0;
    p.Check_CFa = checked;
    p.Check_OPT_STa = unchecked;
    p.Text_IRCTRIMa = QStringLiteral("010");
    EXPECT_EQ(encode_fusex(p, 1, 18), 0x200 | 0x080 | 0x008 | 0x001);
}

TEST(EncodeFusex, EachRevisionReadsOnlyItsOwnLayout)
{
    Fusex_panel p = blank_fusex_panel();
    p.Combo_BPXa = 0;
    p.Text_IRCTRIMa = QStringLiteral("000");
    EXPECT_EQ(encode_fusex(p, 0, 18), 0xFFF);
    p = blank_fusex_panel();
    p.Combo_MEM = 0;
    p.Check_CF = checked;
    EXPECT_EQ(encode_fusex(p, 1, 28), 0xFFF);
}

TEST(Encode, UnknownRevisionGivesNoWord)
{
    EXPECT_FALSE(encode_fuse(blank_fuse_panel(), 2).has_value());
    EXPECT_FALSE(encode_fuse(blank_fuse_panel(), -1).has_value());
    EXPECT_FALSE(encode_fusex(blank_fusex_panel(), 2, 28).has_value());
}

TEST(RoundTrip, EveryOldRevisionWordDecodesAndEncodesBackExceptFixedBits)
{
    for (int word = 0; word < 0x1000; ++word) {
        const QString bin = QStringLiteral("%1").arg(word, 12, 2, QLatin1Char('0'));
        Fuse_panel f;
        decode_fuse(bin, f);
        ASSERT_EQ(encode_fuse(f, 0), word) << bin.toStdString();
        Fusex_panel x;
        decode_fusex(bin, x);
        // Bit 7 is fixed; bit 10 follows the trim bits.
        const int trim = word & 0xB00;
        const int expected = (word & ~0x480) | 0x080 | (trim ? 0x400 : 0);
        ASSERT_EQ(encode_fusex(x, 0, 18), expected) << bin.toStdString();
    }
}

TEST(RoundTrip, EveryARevisionWordDecodesAndEncodesBackExceptFixedBits)
{
    for (int word = 0; word < 0x1000; ++word) {
        const QString bin = QStringLiteral("%1").arg(word, 12, 2, QLatin1Char('0'));
        Fuse_panel f;
        decode_fuse(bin, f);
        int expected = word | 0x310;
        if (!(word & 0x080))
            expected |= 0x003;  // internal RC: bits 1-0 are always 11
        ASSERT_EQ(encode_fuse(f, 1), expected) << bin.toStdString();
        Fusex_panel x;
        decode_fusex(bin, x);
        ASSERT_EQ(encode_fusex(x, 1, 28), word | 0x400) << bin.toStdString();
        ASSERT_EQ(encode_fusex(x, 1, 18), word & ~0x400) << bin.toStdString();
    }
}

// ---------------------------------------------------------------------------------------

TEST(LastAddress, FollowsTheMemoryFieldByRevision)
{
    EXPECT_EQ(last_address_for(0, 0), 511);
    EXPECT_EQ(last_address_for(1, 0), 1023);
    EXPECT_EQ(last_address_for(2, 0), 2047);
    EXPECT_EQ(last_address_for(3, 0), 2047);
    EXPECT_EQ(last_address_for(0, 1), 511);
    EXPECT_EQ(last_address_for(1, 1), 511);
    EXPECT_EQ(last_address_for(2, 1), 2047);
    EXPECT_EQ(last_address_for(3, 1), 2047);
    EXPECT_FALSE(last_address_for(-1, 0).has_value());
    EXPECT_FALSE(last_address_for(4, 1).has_value());
    EXPECT_FALSE(last_address_for(1, 2).has_value());
}

} // namespace
