#pragma once
// The main window: command buttons, the four-tab control, the status bar and the menus. It
// shows one session.

#include "command_tab/command_tab_controls.h"
#include "fuse_panel/fuse_controls.h"
#include "session/session.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace fuse {
class Panel_binding;
}

namespace shell {

class Session_view;

class FrmMain final : public QMainWindow, public fuse::Fuse_controls, public manual::Command_tab_controls {
    Q_OBJECT
public:
    explicit FrmMain(session::Session &s);
    ~FrmMain() override;

    session::Session &s;

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

    // The status bar's panels, by session::Panel (index 0 unused).
    std::array<QLabel *, 6> sbPanel{};
    QLabel *panel(session::Panel p) const { return sbPanel[size_t(p)]; }

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

    fuse::Panel_binding *panel_binding = nullptr;
    // The tab control follows the session's tab: no tab switch of its own.
    bool tab_from_session = false;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A .hex or .sxh file dropped on the window opens as Open opens it.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void take_drag(QDropEvent *event);

private:
    QLayout *build_buttons(QWidget *client);
    void build_tabs(QWidget *client);
    void build_status_bar();
    void build_menus();

    std::unique_ptr<Session_view> view_;
};

} // namespace shell
