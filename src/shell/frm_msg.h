#pragma once
// The small busy window shown while a device operation runs.

#include <QDialog>
#include <optional>

class QLabel;
class QProgressBar;

namespace shell {

// 1 from the moment the busy window is loaded until the progress display has brought it to
// the front once, or until it is unloaded.
inline int Msg_shown = 0;

class FrmMsg final : public QDialog {
    Q_OBJECT
public:
    explicit FrmMsg(QWidget *parent);
    ~FrmMsg() override;

    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QProgressBar *progress_bar = nullptr;  // follows the remaining percentage
    QLabel *Label_time_left = nullptr;     // the estimated time left, once it has settled

    // The time the operation's word loop has left (session::Time_left); nothing clears it.
    void show_time_left(std::optional<double> seconds);

    // Keeps the window above the other windows of the program, without moving it.
    void make_topmost();
};

} // namespace shell
