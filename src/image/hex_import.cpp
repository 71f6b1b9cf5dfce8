#include "image/hex_import.h"

#include "image/tr.h"

#include "fuse/fuse_words.h"
#include "fuse/select_fuse_tab.h"
#include "image/device_image.h"
#include "image/hex_records.h"
#include "image/word_text.h"
#include "state/status_bar.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/version.h"
#include "state/windows.h"

#include <QFile>
#include <QLabel>

#include <vector>

namespace image {
namespace {

void set_word_labels(QLabel *hex, QLabel *bin, const std::string &word)
{
    const QString text = QString::fromLatin1(word.data(), qsizetype(word.size()));
    hex->setText(text);
    bin->setText(Hex_to_bin_text(text));
}

} // namespace

bool File_exists(const QString &path) { return platform::can_read(path); }

bool Import_hex(const std::function<void()> &once_read)
{
    if (state::Open_file_name.isEmpty())
        return false;
    const QString reading_error = Tr::tr("HEXファイルの、リードが正常に行われませんでした。　　　　　　　");
    QFile file(state::Open_file_name);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::show_message({platform::Icon::information, state::app_title, reading_error, platform::Buttons::ok},
                               &state::frmMain());
        return false;
    }

    // The whole file is read and checked before anything changes.
    std::vector<std::pair<int, std::string>> words;
    const hex::Read_outcome outcome = hex::read_hex(
        [&file](char *buffer, long long capacity) -> long long { return file.read(buffer, capacity); },
        [&words](int address, const std::string &word) { words.emplace_back(address, word); });
    file.close();

    state::FrmMain &w = state::frmMain();
    switch (outcome.end) {
    case hex::Read_end::not_hex:
        state::Set_status_text(1, Tr::tr("HEXﾌｧｲﾙの形式ではありません"));
        return false;
    case hex::Read_end::reading_error:
        platform::show_message({platform::Icon::information, state::app_title, reading_error, platform::Buttons::ok},
                               &w);
        return false;
    case hex::Read_end::end_of_file:
        break;
    }

    Clear_image();
    if (once_read)
        once_read();
    for (const auto &[address, word] : words)
        state::Mem_buffer[size_t(address)] = QString::fromLatin1(word.data(), qsizetype(word.size()));
    if (outcome.fuse_found)
        set_word_labels(w.Label_fuse_word, w.Label_fuse_word_bin, outcome.fuse_word);
    if (outcome.fusex_found)
        set_word_labels(w.Label_fusex_word, w.Label_fusex_word_bin, outcome.fusex_word);
    fuse::Fuse_word_to_panel();
    // The panel must hold the file's FUSEX too, or the next Program or Save would replace
    // it with whatever the panel showed before.
    if (outcome.fusex_found)
        fuse::Fusex_word_to_panel();
    state::Irctrim_edited = false;

    if (!(outcome.fuse_found && outcome.fusex_found)) {
        state::Fuse_tab_shown = false;
        fuse::Select_fuse_tab();
        platform::show_message({platform::Icon::exclamation, Tr::tr("FUSE設定"),
                                Tr::tr("FUSE設定を確認して下さい。(特に発振モード)　　　"),
                                platform::Buttons::ok},
                               &w);
    }
    return true;
}

} // namespace image
