#pragma once
// The connection dialog: port, package and revision; identifies the board on OK.

#include "session/session.h"

#include <QByteArray>
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace comm {

class FrmCom final : public QDialog {
    Q_OBJECT
public:
    // The dialog connects the session's port; `parent` is the main window it is centred over.
    FrmCom(session::Session &s, QWidget *parent);
    session::Session &session() { return s_; }

    QGroupBox *Frame_port = nullptr;
    QComboBox *Combo_com = nullptr;
    QLabel *Label_device_path = nullptr;  // which device the chosen entry is
    QGroupBox *Frame_device = nullptr;
    QRadioButton *Option_18pin = nullptr;
    QRadioButton *Option_28pin = nullptr;
    QGroupBox *Frame_ver = nullptr;
    QRadioButton *Option_old = nullptr;
    QRadioButton *Option_arev = nullptr;
    QPushButton *Command_what = nullptr;
    QLabel *Label_com_info = nullptr;
    QPushButton *Command_ok = nullptr;
    QPushButton *Command_cancel = nullptr;

    // The dialog's own copy of the link fields.
    int comxx_error = 0;
    double comxx_Start_time = 0;
    QByteArray comxx_Get_buffer;

    // Loads the dialog afresh and shows it modally; returns when it is closed.
    void show_modal();
    // Loads the dialog afresh and shows it without waiting.
    void show_modeless();

    void load();
    void ok_clicked();
    void cancel_clicked();

signals:
    // The dialog is loaded: the busy window goes out of the way.
    void loading();
    // OK chose a revision: the main window shows that revision's fuse tab and wait.
    void revision_chosen(int rev);
    // "レビジョンについて": the revision window.
    void revision_help_wanted();

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show_frames(bool frames_shown);
    void update_device_hint();
    bool identify_board();
    void succeed();
    void fail();
    void unload();

    void centre();

    session::Session &s_;
    bool open_ = false;        // shown and not yet closed

    int generation_ = 0;       // counts closings; lets a running OK see that it ended
    bool in_ok_ = false;
};

// "Com1 18Pin Rev: A " and the like, for status panel 5.
QString settings_panel_text(int port, int pins, int rev);

} // namespace comm
