// The FUSE and FUSEX bit layouts on their own, without widgets (the fuse panel's tests take
// the decoders and encoders through the controls).

#include "fuse/fuse_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace fuse;

// Each word decoded and encoded again gives itself, apart from the bits each layout fixes.
TEST(FuseCodec, EveryWordComesBackApartFromItsFixedBits)
{
    for (int word = 0; word < 0x1000; ++word) {
        const QString bin = QStringLiteral("%1").arg(word, 12, 2, QLatin1Char('0'));
        Fuse_panel f;
        decode_fuse(bin, f);
        Fusex_panel x;
        decode_fusex(bin, x);
        // A-revision FUSE: bits 9, 8 and 4 are fixed, so are bits 1-0 with the internal RC (bit 7 clear).
        const int fuse_a = word | 0x310 | (word & 0x080 ? 0 : 0x003);
        // Old FUSEX: bit 7 is fixed, bit 10 is set by any trim bit. A-revision FUSEX: bit 10 is the package.
        const int fusex_old = (word & ~0x480) | 0x080 | (word & 0xB00 ? 0x400 : 0);
        ASSERT_EQ(encode_fuse(f, 0), word) << word;
        ASSERT_EQ(encode_fuse(f, 1), fuse_a) << word;
        ASSERT_EQ(encode_fusex(x, 0, 18), fusex_old) << word;
        ASSERT_EQ(encode_fusex(x, 1, 28), word | 0x400) << word;
        ASSERT_EQ(encode_fusex(x, 1, 18), word & ~0x400) << word;
        if (word == 0xFFF) {  // an index beyond its field, which no list offers, gives nothing
            f.Combo_FOSC = 4;
            EXPECT_EQ(encode_fuse(f, 0), 0xFFC);
            EXPECT_EQ(encode_fuse(f, -1), std::nullopt);
        }
    }
}

TEST(FuseCodec, LastAddressFromTheMemoryFieldOfEachRevision)
{
    std::string s;
    for (int rev : {0, 1, 2})
        for (int index = -1; index <= 4; ++index) {
            const std::optional<int> last = last_address_for(index, rev);
            s += (last ? std::to_string(*last) : "-") + ' ';
        }
    EXPECT_EQ(s, "- 511 1023 2047 2047 - - 511 511 2047 2047 - - - - - - - ");
}

} // namespace
