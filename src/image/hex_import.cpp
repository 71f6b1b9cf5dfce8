#include "image/hex_import.h"

#include "image/tr.h"

#include "fuse/fuse_words.h"
#include "fuse/tabs.h"
#include "image/device_image.h"
#include "image/hex_records.h"
#include "platform/files.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

namespace image {

bool File_exists(const QString &path) { return platform::can_read(path); }

QString reading_error_text() { return Tr::tr("HEXファイルの、リードが正常に行われませんでした。　　　　　　　"); }
QString fuse_warning_title() { return Tr::tr("FUSE設定"); }
QString fuse_warning_text() { return Tr::tr("FUSE設定を確認して下さい。(特に発振モード)　　　"); }

Import_result Import_hex(session::Session &s, const QString &path)
{
    Import_result result;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        result.end = Import_result::not_a_file;
    else if (info.size() > max_hex_file_size)
        result.end = Import_result::too_large;
    if (result.end != Import_result::read)
        return result;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        result.end = Import_result::cannot_open;
        return result;
    }

    // The whole file is read and checked before anything changes.
    std::vector<std::pair<int, std::string>> words;
    const hex::Read_outcome outcome = hex::read_hex(
        [&file](char *buffer, long long capacity) -> long long { return file.read(buffer, capacity); },
        [&words](int address, const std::string &word) { words.emplace_back(address, word); });
    file.close();

    switch (outcome.end) {
    case hex::Read_end::not_hex:
        s.Set_status_text(session::Panel::firmware, [] { return Tr::tr("HEXﾌｧｲﾙの形式ではありません"); });
        result.end = Import_result::not_hex;
        return result;
    case hex::Read_end::reading_error:
        result.end = Import_result::reading_error;
        return result;
    case hex::Read_end::end_of_file:
        break;
    }

    const auto text = [](const std::string &word) { return QString::fromLatin1(word.data(), qsizetype(word.size())); };
    Clear_image(s);
    for (const auto &[address, word] : words)
        s.Mem_buffer[size_t(address)] = text(word);
    if (outcome.fuse_found)
        fuse::set_word(s, s.Label_fuse_word, s.Label_fuse_word_bin, text(outcome.fuse_word));
    if (outcome.fusex_found)
        fuse::set_word(s, s.Label_fusex_word, s.Label_fusex_word_bin, text(outcome.fusex_word));
    fuse::Fuse_word_to_panel(s);
    // The panel must hold the file's FUSEX too, or the next Program or Save would replace
    // it with whatever the panel showed before.
    if (outcome.fusex_found)
        fuse::Fusex_word_to_panel(s);
    s.Irctrim_edited = false;

    if (!(outcome.fuse_found && outcome.fusex_found)) {
        s.Fuse_tab_shown = false;
        fuse::Select_fuse_tab(s);
        result.fuse_warning = true;
    }
    return result;
}

} // namespace image
