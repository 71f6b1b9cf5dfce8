#include "image/file_commands.h"

#include "image/tr.h"

#include "image/device_image.h"
#include "image/hex_export.h"
#include "image/hex_import.h"
#include "state/status_bar.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "state/busy.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/version.h"
#include "state/windows.h"

#include <QFileInfo>

namespace image {
namespace {

const QString open_pattern = QStringLiteral("*.hex;*.sxh");
// What the save dialog reports when the user cancels it.
constexpr int dialog_cancelled = 32755;

void show_document_caption()
{
    state::frmMain().setWindowTitle(state::Title_text + QStringLiteral("    ") + state::Open_file_name);
}

void save_to(const QString &path)
{
    state::Save_file_name = path;
    if (!Export_hex())
        return;  // the reason is on status panel 3
    state::Set_status_text(3, Tr::tr("ファイル保存完了。"));
    show_document_caption();
}

} // namespace

void Open_command()
{
    if (state::busy())
        return;
    platform::File_request request;
    request.title = Tr::tr("開く");
    request.folder = platform::get_setting(QStringLiteral("OPEN_DIR"), QString());
    request.filter = Tr::tr("HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|");
    request.file_name = open_pattern;
    const QString chosen = platform::ask_file(request, &state::frmMain());
    // Cancelled (nothing or the pattern comes back) or gone in the meantime: nothing to open.
    if (!File_exists(chosen)) {
        state::Set_status_text(3, Tr::tr("ファイル開く 中止。"));
        return;
    }
    platform::put_setting(QStringLiteral("OPEN_DIR"), QFileInfo(chosen).path());

    // Only a file that reads cleanly becomes the document.
    const QString previous = state::Open_file_name;
    state::Open_file_name = chosen;
    if (!Import_hex([] { show_document_caption(); })) {
        state::Open_file_name = previous;
        state::Set_status_text(3, Tr::tr("ファイル開く 失敗。"));
        return;
    }
    Dump_image();
    state::Set_status_text(3, Tr::tr("ファイル開く 完了。"));
}

void Save_command()
{
    if (state::busy())
        return;
    if (state::Open_file_name.isEmpty()) {
        Save_as_command();
        return;
    }
    save_to(state::Open_file_name);
}

void Save_as_command()
{
    if (state::busy())
        return;
    platform::File_request request;
    request.save = true;
    request.title = Tr::tr("名前を付けて保存");
    request.filter = Tr::tr("Hex File(*.hex)|*.hex|All Files|*.*|");
    request.default_suffix = QStringLiteral("hex");
    // Start beside the document, with its name, or else where files were last opened.
    request.folder = state::Open_file_name.isEmpty() ? platform::get_setting(QStringLiteral("OPEN_DIR"), QString())
                                                     : QFileInfo(state::Open_file_name).path();
    request.file_name = QFileInfo(state::Open_file_name).fileName();
    const QString chosen = platform::ask_file(request, &state::frmMain());
    if (chosen.isEmpty()) {
        state::Set_status_text(3, Tr::tr("ファイル保存中止。") + QString::number(dialog_cancelled));
        return;
    }

    if (File_exists(chosen)) {
        const platform::Answer answer = platform::show_message(
            {platform::Icon::none, state::app_title, Tr::tr("ファイルが存在します。上書きしますか？"),
             platform::Buttons::ok_cancel},
            &state::frmMain());
        if (answer != platform::Answer::ok) {
            state::Set_status_text(3, Tr::tr("ファイル保存中止"));
            return;
        }
    }
    save_to(chosen);
}

} // namespace image
