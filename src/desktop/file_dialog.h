#pragma once
// Open and save dialogs. Tests install a responder that plays the user.

#include <QString>
#include <functional>

class QWidget;

namespace desktop {

struct File_request {
    bool save = false;
    QString title;
    QString folder;          // the folder last used; the user's documents or home folder when empty or gone
    QString file_name;       // initial name or pattern
    QString filter;          // in the program's "Text|*.a;*.b|All|*.*|" form
    QString default_suffix;  // save only
};

// Returns the chosen path, or an empty text when the user cancelled.
using File_responder = std::function<QString(const File_request &)>;

QString ask_file(const File_request &request, QWidget *parent = nullptr);
void set_file_responder(File_responder responder);

// Where a dialog starts: `last` while it is a folder, else the user's documents folder, else
// the home folder (never the program's own folder).
QString start_folder(const QString &last);

// "HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|" -> "HEX,SXH File (*.hex *.sxh);;ALL Files (*.*)"
QString to_qt_filter(const QString &filter);

} // namespace desktop
