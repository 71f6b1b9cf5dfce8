#pragma once
// The About box.

#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {

class FrmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent);

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *Command1 = nullptr;

    // Fills the labels from the program's version information.
    void fill_labels();
};

// Shows the About box modally, owned by the main window.
void show_about();

// Where the support button leads: the web address chosen when the program was built
// (QORVIL_SUPPORT_URL), else the help document's support section.
QString support_address();
// "ｻﾎﾟｰﾄﾍﾟｰｼﾞ : " and the address, as the About box shows it.
QString support_label();

} // namespace shell
