#include "shell/file_commands.h"

#include "desktop/file_dialog.h"
#include "desktop/message_box.h"
#include "image/device_image.h"
#include "image/hex_export.h"
#include "image/hex_import.h"
#include "image/tr.h"
#include "platform/settings.h"
#include "session/version.h"
#include "shell/frm_main.h"
#include "shell/recent_files.h"
#include "shell/windows.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace shell {
namespace {

using image::Tr;

const QString open_pattern = QStringLiteral("*.hex;*.sxh");
// What the save dialog reports when the user cancels it.
constexpr int dialog_cancelled = 32755;

void show_document_caption()
{
    const session::Session &s = session();
    frmMain().setWindowTitle(s.Title_text + QStringLiteral("    ") + s.Open_file_name);
}

void status(std::function<QString()> text) { session().Set_status_text(session::Panel::activity, std::move(text)); }

void box(desktop::Icon icon, const QString &title, const QString &text)
{
    desktop::show_message({icon, title, text, desktop::Buttons::ok}, &frmMain());
}

void save_to(const QString &path)
{
    session::Session &s = session();
    s.Save_file_name = path;
    if (!image::Export_hex(s, path))
        return;  // the reason is on status panel 3
    status([] { return Tr::tr("ファイル保存完了。"); });
    show_document_caption();
}

} // namespace

void Open_command()
{
    if (session().Operation_running)
        return;
    desktop::File_request request;
    request.title = Tr::tr("開く");
    request.folder = platform::get_setting(QStringLiteral("OPEN_DIR"), QString());
    request.filter = Tr::tr("HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|");
    request.file_name = open_pattern;
    const QString chosen = desktop::ask_file(request, &frmMain());
    // Cancelled (nothing or the pattern comes back) or gone in the meantime: nothing to open.
    if (!image::File_exists(chosen)) {
        status([] { return Tr::tr("ファイル開く 中止。"); });
        return;
    }
    platform::put_setting(QStringLiteral("OPEN_DIR"), QFileInfo(chosen).path());
    open_document(chosen);
}

bool open_document(const QString &path)
{
    session::Session &s = session();
    if (s.Operation_running) {
        status([] { return Tr::tr("処理中はファイルを開けません。"); });
        return false;
    }
    // Only a file that reads cleanly becomes the document.
    const image::Import_result imported = image::Import_hex(s, path);
    switch (imported.end) {
    case image::Import_result::read:
        break;
    case image::Import_result::cannot_open:
    case image::Import_result::reading_error:
    case image::Import_result::not_a_file:
    case image::Import_result::too_large:
        box(desktop::Icon::information, session::app_title, image::reading_error_text());
        [[fallthrough]];
    case image::Import_result::not_hex:
        status([] { return Tr::tr("ファイル開く 失敗。"); });
        return false;
    }
    s.Open_file_name = path;
    show_document_caption();
    if (imported.fuse_warning)
        box(desktop::Icon::exclamation, image::fuse_warning_title(), image::fuse_warning_text());
    image::Dump_image(s);
    status([] { return Tr::tr("ファイル開く 完了。"); });
    remember_recent_file(path);
    return true;
}

QString dropped_hex_file(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls[0].isLocalFile())
        return {};
    const QString path = urls[0].toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("hex") || suffix == QLatin1String("sxh") ? path : QString();
}

void Save_command()
{
    const session::Session &s = session();
    if (s.Operation_running)
        return;
    if (s.Open_file_name.isEmpty()) {
        Save_as_command();
        return;
    }
    save_to(s.Open_file_name);
}

void Save_as_command()
{
    const session::Session &s = session();
    if (s.Operation_running)
        return;
    desktop::File_request request;
    request.save = true;
    request.title = Tr::tr("名前を付けて保存");
    request.filter = Tr::tr("Hex File(*.hex)|*.hex|All Files|*.*|");
    request.default_suffix = QStringLiteral("hex");
    // Start beside the document, with its name, or else where files were last opened.
    request.folder = s.Open_file_name.isEmpty() ? platform::get_setting(QStringLiteral("OPEN_DIR"), QString())
                                                : QFileInfo(s.Open_file_name).path();
    request.file_name = QFileInfo(s.Open_file_name).fileName();
    const QString chosen = desktop::ask_file(request, &frmMain());
    if (chosen.isEmpty()) {
        status([] { return Tr::tr("ファイル保存中止。") + QString::number(dialog_cancelled); });
        return;
    }

    if (image::File_exists(chosen)) {
        const desktop::Answer answer = desktop::show_message(
            {desktop::Icon::none, session::app_title, Tr::tr("ファイルが存在します。上書きしますか？"),
             desktop::Buttons::ok_cancel},
            &frmMain());
        if (answer != desktop::Answer::ok) {
            status([] { return Tr::tr("ファイル保存中止"); });
            return;
        }
    }
    save_to(chosen);
}

} // namespace shell
