// Conversions between word texts, binary texts, bytes, numbers and display characters.

#include "image/word_text.h"

#include <gtest/gtest.h>

namespace {

using namespace image;

const QString dot = QString(QChar(0xFF65));

TEST(HexToBinText, ExpandsCharactersTwoToFourMostSignificantFirst)
{
    EXPECT_EQ(Hex_to_bin_text("0FFE"), "111111111110");
    EXPECT_EQ(Hex_to_bin_text("0FFF"), "111111111111");
    EXPECT_EQ(Hex_to_bin_text("0000"), "000000000000");
    EXPECT_EQ(Hex_to_bin_text("0A5C"), "101001011100");
}

TEST(HexToBinText, IgnoresTheFirstCharacterAndAnythingAfterTheFourth)
{
    EXPECT_EQ(Hex_to_bin_text("ZFFF"), "111111111111");
    EXPECT_EQ(Hex_to_bin_text("F123"), "000100100011");
    EXPECT_EQ(Hex_to_bin_text("01239"), "000100100011");
}

TEST(HexToBinText, LowerCaseAndNonHexCharactersContributeNothing)
{
    EXPECT_EQ(Hex_to_bin_text("0fff"), "");
    EXPECT_EQ(Hex_to_bin_text("0fFf"), "1111");
    EXPECT_EQ(Hex_to_bin_text("0G1F"), "00011111");
    EXPECT_EQ(Hex_to_bin_text("0 F "), "1111");
}

TEST(HexToBinText, ShortTextsGiveShortResults)
{
    EXPECT_EQ(Hex_to_bin_text(""), "");
    EXPECT_EQ(Hex_to_bin_text("0"), "");
    EXPECT_EQ(Hex_to_bin_text("0A"), "1010");
    EXPECT_EQ(Hex_to_bin_text("0A5"), "10100101");
}

TEST(NumToHex4, FourUpperCaseDigitsWithLeadingZeros)
{
    EXPECT_EQ(Num_to_hex4(4095), "0FFF");
    EXPECT_EQ(Num_to_hex4(0), "0000");
    EXPECT_EQ(Num_to_hex4(0xABC), "0ABC");
    EXPECT_EQ(Num_to_hex4(65535), "FFFF");
}

TEST(NumToHex4, KeepsTheLastFourDigitsOfLargerAndNegativeNumbers)
{
    EXPECT_EQ(Num_to_hex4(65536), "0000");
    EXPECT_EQ(Num_to_hex4(0x12345), "2345");
    EXPECT_EQ(Num_to_hex4(-1), "FFFF");
    EXPECT_EQ(Num_to_hex4(-4096), "F000");
}

TEST(NumToHex4, RoundsToNearestWithHalvesToEven)
{
    EXPECT_EQ(Num_to_hex4(2.5), "0002");
    EXPECT_EQ(Num_to_hex4(3.5), "0004");
    EXPECT_EQ(Num_to_hex4(2.6), "0003");
    EXPECT_EQ(Num_to_hex4(4094.4), "0FFE");
}

TEST(WordToHex4, DropsTheUpperNibbleOfTheHighByte)
{
    EXPECT_EQ(Word_to_hex4(0x1F, 0xAB), "0FAB");
    EXPECT_EQ(Word_to_hex4(0xFF, 0xFF), "0FFF");
    EXPECT_EQ(Word_to_hex4(0x00, 0x00), "0000");
    EXPECT_EQ(Word_to_hex4(0x0A, 0x05), "0A05");
}

TEST(Hex2ToByte, AcceptsOneOrTwoDigitsInEitherCase)
{
    EXPECT_EQ(Hex2_to_byte("a"), 10);
    EXPECT_EQ(Hex2_to_byte("F"), 15);
    EXPECT_EQ(Hex2_to_byte("ff"), 255);
    EXPECT_EQ(Hex2_to_byte("7F"), 127);
    EXPECT_EQ(Hex2_to_byte("0c"), 12);
}

TEST(Hex2ToByte, EmptyAndNonHexCountAsZero)
{
    EXPECT_EQ(Hex2_to_byte(""), 0);
    EXPECT_EQ(Hex2_to_byte("G1"), 1);
    EXPECT_EQ(Hex2_to_byte("1G"), 16);
    EXPECT_EQ(Hex2_to_byte("zz"), 0);
    EXPECT_EQ(Hex2_to_byte(" 1"), 1);
}

TEST(Hex2ToByte, LongerTextsUseTheFirstAndLastCharacters)
{
    EXPECT_EQ(Hex2_to_byte("ABC"), 0xAC);
    EXPECT_EQ(Hex2_to_byte("1xx2"), 0x12);
}

TEST(WordToAscii, PrintableBytesShowAsThemselves)
{
    EXPECT_EQ(Word_to_ascii("0041"), dot + "A");
    EXPECT_EQ(Word_to_ascii("0020"), dot + " ");
    EXPECT_EQ(Word_to_ascii("007E"), dot + "~");
    EXPECT_EQ(Word_to_ascii("0f61"), dot + "a");
}

TEST(WordToAscii, BytesBelow32OrAbove127ShowTheMiddleDot)
{
    EXPECT_EQ(Word_to_ascii("0FFF"), dot + dot);
    EXPECT_EQ(Word_to_ascii("001F"), dot + dot);
    EXPECT_EQ(Word_to_ascii("0080"), dot + dot);
    EXPECT_EQ(Word_to_ascii("0000"), dot + dot);
    EXPECT_EQ(Word_to_ascii("007F"), dot + QChar(127));
}

TEST(WordToAscii, AlwaysTwoCharacters)
{
    EXPECT_EQ(Word_to_ascii("").size(), 2);
    EXPECT_EQ(Word_to_ascii("41").size(), 2);
    EXPECT_EQ(Word_to_ascii("41"), "AA");
}

} // namespace
