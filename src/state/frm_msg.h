#pragma once
// The small busy window shown while a device operation runs.

#include <QDialog>

class QLabel;

namespace state {

class FrmMsg final : public QDialog {
    Q_OBJECT
public:
    explicit FrmMsg(QWidget *parent);
    ~FrmMsg() override;

    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

    // Keeps the window above the other windows of the program, without moving it.
    void make_topmost();
};

} // namespace state
