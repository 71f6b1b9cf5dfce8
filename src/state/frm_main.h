#pragma once
// The main window: command buttons, the four-tab control, the status bar and the menus.

#include "state/fuse_controls.h"
#include "state/command_tab_controls.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace state {

class FrmMain final : public QMainWindow, public state::Fuse_controls, public state::Command_tab_controls {
    Q_OBJECT
public:
    FrmMain();

    QLabel *Label_Back = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QPlainTextEdit *RTextBox_memory = nullptr;

    QPushButton *Command_open = nullptr;
    QPushButton *Command_save = nullptr;
    QPushButton *Command_Com = nullptr;
    QPushButton *Command_cancel = nullptr;
    QPushButton *Command_erase = nullptr;
    QPushButton *Command_verify = nullptr;
    QPushButton *Command_program = nullptr;
    QPushButton *Command_read = nullptr;

    // Status bar panels 1 to 5 (index 0 unused).
    std::array<QLabel *, 6> sbPanel{};

    QMenu *mnuFile = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuOptionMain = nullptr;
    QAction *mnuInit = nullptr;
    QAction *mnuOption = nullptr;
    QAction *nmuBufClear = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *nmuRev = nullptr;
    QAction *nmuHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLayout *build_buttons(QWidget *client);
    void build_tabs(QWidget *client);
    void build_status_bar();
    void build_menus();
};

} // namespace state
