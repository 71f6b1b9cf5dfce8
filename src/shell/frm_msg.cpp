#include "shell/frm_msg.h"

#include "desktop/translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

#include <cmath>

namespace shell {

FrmMsg::FrmMsg(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmMsg"));
    desktop::show_text(this, "shell", QT_TRANSLATE_NOOP("shell", "進行状況"));
    setModal(false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    const int icon = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(icon, icon));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    progress_bar = new QProgressBar(this);
    progress_bar->setObjectName(QStringLiteral("progress_bar"));
    desktop::show_accessible_name(progress_bar, "shell", QT_TRANSLATE_NOOP("shell", "進行状況"));
    desktop::show_accessible_name(Picture1, "shell", QT_TRANSLATE_NOOP("shell", "お知らせ"));
    progress_bar->setRange(0, 100);
    progress_bar->setValue(0);
    Label_time_left = new QLabel(this);
    Label_time_left->setObjectName(QStringLiteral("Label_time_left"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Picture1, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(progress_bar, 2, 1);
    grid->addWidget(Label_time_left, 3, 1);
    grid->setColumnStretch(1, 1);
    // Wide enough for the longest waiting text, whatever the operation shows later.
    Label1->setMinimumWidth(fontMetrics().horizontalAdvance(
        QCoreApplication::translate("operations", "読み出し中.....　しばらく御待ち下さい。")));
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // Loading the window: centred over its owner.
    Msg_shown = 1;
    if (parent) {
        adjustSize();
        const QRect p = parent->frameGeometry();
        move(p.left() + (p.width() - width()) / 2, p.top() + (p.height() - height()) / 2);
    }
}

FrmMsg::~FrmMsg() { Msg_shown = 0; }

void FrmMsg::make_topmost()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
    raise();
}

void FrmMsg::show_time_left(std::optional<double> seconds)
{
    if (!seconds) {
        Label_time_left->clear();
        return;
    }
    const long left_s = std::lround(*seconds);
    Label_time_left->setText(QCoreApplication::translate("shell", "残り時間 約 %1:%2")
                                 .arg(left_s / 60)
                                 .arg(left_s % 60, 2, 10, QLatin1Char('0')));
}

} // namespace shell
