#include "operations/verify_hint.h"

#include "fuse/fuse_codec.h"
#include "fuse/pgm_wait.h"
#include "operations/outcome.h"
#include "operations/tr.h"

#include <cmath>
#include <vector>

namespace operations {
namespace {

constexpr int blank = 0x0FFF;
constexpr int code_protection = 0x0008;  // FUSE bit 3, 0 = protected

int value_of(const QString &word)
{
    bool ok = false;
    const int v = word.toInt(&ok, 16);
    return ok ? v : -1;
}

struct Difference {
    int address, expected, read;
};

QString hint(const QString &text) { return Tr::tr("ヒント: %1").arg(text); }

// The words were written, but too briefly: bits still 1 where the image has 0, none the
// other way.
bool not_fully_programmed(const std::vector<Difference> &differences)
{
    for (const Difference &d : differences)
        if (d.expected < 0 || d.read < 0 || (d.read & ~d.expected) == 0 || (d.expected & ~d.read) != 0)
            return false;
    return true;
}

} // namespace

QString verify_hint(const session::Session &s, int flags)
{
    const int fuse_read = value_of(s.Read_data_word), fuse_image = value_of(s.Label_fuse_word);
    if ((flags & Verify_report::fuse_differs) && fuse_read >= 0 && fuse_image >= 0
        && (fuse_read ^ fuse_image) == code_protection && (fuse_read & code_protection) == 0)
        return hint(Tr::tr("FUSEはコードプロテクトのビットだけが違います。チップはプロテクトされています（消去すると解除されます）。"));
    if (!(flags & Verify_report::program_differs))
        return {};

    std::vector<Difference> differences;
    // Every word read alike, where the image does not hold one word throughout.
    bool all_alike = true, image_alike = true;
    for (int a = 0; a <= s.Last_used_address; ++a) {
        const QString &read = s.Read_buffer[size_t(a)];
        all_alike = all_alike && read == s.Read_buffer[0];
        image_alike = image_alike && s.Mem_buffer[size_t(a)] == s.Mem_buffer[0];
        if (read != s.Mem_buffer[size_t(a)])
            differences.push_back({a, value_of(s.Mem_buffer[size_t(a)]), value_of(read)});
    }
    if (differences.empty())
        return {};
    const std::optional<int> chip_last = fuse::last_address_for(value_of(s.Read_fusex_word) & 3, s.Rev_mode);
    if (chip_last && value_of(s.Read_fusex_word) >= 0 && differences.front().address > *chip_last)
        return hint(Tr::tr("違いはチップのメモリサイズ（FUSEXで %1 ワード）を超えるアドレスだけです。イメージがチップより大きいです。")
                        .arg(*chip_last + 1));
    if (all_alike && !image_alike && value_of(s.Read_buffer[0]) != blank)
        return hint(Tr::tr("読み出したワードがすべて %1 です。チップにコードプロテクトが掛かっているか、チップが無いか、パッケージの選択が違います。")
                        .arg(s.Read_buffer[0]));
    bool all_blank = true;
    for (const Difference &d : differences)
        all_blank = all_blank && d.read == blank;
    if (all_blank)
        return hint(Tr::tr("イメージにデータがあるアドレスをチップはブランク（0FFF）と読みました。書き込まれていないか、書込み中に接続が切れました。"));
    if (not_fully_programmed(differences))
        return hint(Tr::tr("0 であるべきビットが 1 のまま残っています。書込みが足りません。PGM_wait（現在 %1 = %2 ms）を大きくしてください。")
                        .arg(s.Text_pgm_wait, QString::number(std::floor(fuse::leading_number(s.Text_pgm_wait) * 1.06), 'f', 0)));
    return {};
}

} // namespace operations
