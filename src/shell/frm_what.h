#pragma once
// How to tell the chip revision and the maximum clock from the markings.

#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {

class FrmWhat final : public QDialog {
    Q_OBJECT
public:
    explicit FrmWhat(QWidget *parent);

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace shell
