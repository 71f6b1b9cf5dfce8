// Conversions between word texts, binary texts, bytes, numbers and display characters.

#include "words/word_text.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using namespace words;

// Each conversion over a row of inputs, the results joined by '|'.
TEST(WordText, ConversionsOfWordTextsBytesNumbersAndDisplayCharacters)
{
    QStringList bins, numbers, bytes, shown;
    // Only characters 2 to 4 are read, and only upper-case hex digits count.
    for (const char *t : {"0FFE", "0000", "0A5C", "ZFFF", "01239", "0fff", "0fFf", "0G1F", "0 F ", "", "0", "0A5"})
        bins << Hex_to_bin_text(QString::fromLatin1(t));
    EXPECT_EQ(bins.join('|'), "111111111110|000000000000|101001011100|111111111111|000100100011||1111|00011111|1111|||"
                              "10100101");
    // The nearest whole number (halves to even), its last four hex digits.
    for (double x : {4095.0, 0.0, 2748.0, 65535.0, 65536.0, 74565.0, -1.0, -4096.0, 2.5, 3.5, 2.6, 4094.4})
        numbers << Num_to_hex4(x);
    numbers << Word_to_hex4(0x1F, 0xAB) << Word_to_hex4(0x0A, 0x05);  // the high byte's upper nibble is dropped
    EXPECT_EQ(numbers.join('|'), "0FFF|0000|0ABC|FFFF|0000|2345|FFFF|F000|0002|0004|0003|0FFE|0FAB|0A05");
    // The first and the last character, in either case; other characters count as 0.
    for (const char *t : {"a", "F", "ff", "7F", "0c", "", "G1", "1G", "zz", " 1", "ABC", "1xx2"})
        bytes << QString::number(Hex2_to_byte(QString::fromLatin1(t)));
    EXPECT_EQ(bytes.join('|'), "10|15|255|127|12|0|1|16|0|1|172|18");
    // Bytes outside 32 to 126 show as the middle dot.
    for (const char *t : {"0041", "0020", "007E", "0f61", "0FFF", "001F", "0080", "007F", "", "41"})
        shown << Word_to_ascii(QString::fromLatin1(t));
    EXPECT_EQ(shown.join('|'), QStringLiteral("･A|･ |･~|･a|･･|･･|･･|･･|･･|AA"));
}

} // namespace
