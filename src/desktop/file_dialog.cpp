#include "desktop/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace desktop {
namespace {
File_responder &responder_slot()
{
    static File_responder r;
    return r;
}
} // namespace

void set_file_responder(File_responder responder) { responder_slot() = std::move(responder); }

QString to_qt_filter(const QString &filter)
{
    const QStringList parts = filter.split('|', Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        const QString label = parts[i].left(parts[i].indexOf('('));  // the whole label when it has none
        out << QStringLiteral("%1 (%2)").arg(label.trimmed(), patterns);
    }
    return out.join(QStringLiteral(";;"));
}

QString start_folder(const QString &last)
{
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ask_file(const File_request &request, QWidget *parent)
{
    if (responder_slot())
        return responder_slot()(request);

    QFileDialog dialog(parent, request.title, start_folder(request.folder), to_qt_filter(request.filter));
    const QFontMetrics text(dialog.font());
    dialog.resize(dialog.sizeHint().expandedTo(QSize(text.averageCharWidth() * 90, text.lineSpacing() * 30)));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (request.save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks itself
    if (!request.default_suffix.isEmpty())
        dialog.setDefaultSuffix(request.default_suffix);
    if (!request.file_name.isEmpty() && !request.file_name.contains('*'))
        dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}

} // namespace desktop
