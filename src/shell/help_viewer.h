#pragma once
// The help window: shows the program's help document.

#include <QDialog>

class QTextBrowser;

namespace shell {

class Help_viewer final : public QDialog {
    Q_OBJECT
public:
    explicit Help_viewer(QWidget *parent);
    QTextBrowser *browser = nullptr;

    // Shows the help document's contents page; returns whether it was found.
    static bool show_help(QWidget *parent);
    static Help_viewer *instance();
};

} // namespace shell
