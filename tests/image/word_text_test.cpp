// Conversions between word texts, binary texts, bytes, numbers and display characters.

#include "image/word_text.h"

#include <gtest/gtest.h>

namespace {

using namespace image;

const QString dot = QString(QChar(0xFF65));

TEST(WordText, HexToBinTextExpandsCharactersTwoToFourThatAreUpperCaseHex)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0FFE", "111111111110"}, {"0000", "000000000000"}, {"0A5C", "101001011100"},
        {"ZFFF", "111111111111"}, {"01239", "000100100011"},  // the first character and the fifth are not read
        {"0fff", ""},             {"0fFf", "1111"},           {"0G1F", "00011111"}, {"0 F ", "1111"},
        {"", ""},                 {"0", ""},                  {"0A5", "10100101"},
    };
    for (const auto &[text, bin] : cases)
        EXPECT_EQ(Hex_to_bin_text(QString::fromLatin1(text)), bin) << text;
}

TEST(WordText, NumToHex4KeepsTheLastFourDigitsOfTheNearestWholeNumber)
{
    const std::pair<double, const char *> cases[] = {
        {4095, "0FFF"}, {0, "0000"},      {0xABC, "0ABC"},  {65535, "FFFF"}, {65536, "0000"},  {0x12345, "2345"},
        {-1, "FFFF"},   {-4096, "F000"},  {2.5, "0002"},    {3.5, "0004"},   {2.6, "0003"},    {4094.4, "0FFE"},
    };
    for (const auto &[number, text] : cases)
        EXPECT_EQ(Num_to_hex4(number), text) << number;

    EXPECT_EQ(Word_to_hex4(0x1F, 0xAB), "0FAB");  // the upper nibble of the high byte is dropped
    EXPECT_EQ(Word_to_hex4(0x0A, 0x05), "0A05");
}

TEST(WordText, Hex2ToByteReadsTheFirstAndLastCharactersInEitherCase)
{
    const std::pair<const char *, int> cases[] = {
        {"a", 10},  {"F", 15},  {"ff", 255}, {"7F", 127}, {"0c", 12},   {"", 0},
        {"G1", 1},  {"1G", 16}, {"zz", 0},   {" 1", 1},   {"ABC", 0xAC}, {"1xx2", 0x12},
    };
    for (const auto &[text, byte] : cases)
        EXPECT_EQ(Hex2_to_byte(QString::fromLatin1(text)), byte) << text;
}

TEST(WordText, WordToAsciiShowsTwoCharactersWithTheMiddleDotForUnprintableBytes)
{
    const std::pair<const char *, QString> cases[] = {
        {"0041", dot + "A"}, {"0020", dot + " "}, {"007E", dot + "~"}, {"0f61", dot + "a"},
        {"0FFF", dot + dot}, {"001F", dot + dot}, {"0080", dot + dot}, {"007F", dot + dot},
        {"", dot + dot},     {"41", "AA"},
    };
    for (const auto &[word, shown] : cases)
        EXPECT_EQ(Word_to_ascii(QString::fromLatin1(word)), shown) << word;
}

} // namespace
