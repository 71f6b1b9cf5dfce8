#include "state/frm_msg.h"

#include "state/globals.h"
#include "state/twips.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace state {

FrmMsg::FrmMsg(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmMsg"));
    setWindowTitle(QStringLiteral("進行状況"));
    setFixedSize(px(5200), px(1500));
    setModal(false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(px(480), px(480)));
    Picture1->setGeometry(tw_rect(240, 300, 480, 480));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(tw_rect(900, 240, 4200, 420));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(tw_rect(900, 780, 4200, 420));

    // Loading the window: centred over its owner.
    state::Msg_shown = 1;
    if (parent) {
        const QRect p = parent->frameGeometry();
        move(p.left() + (p.width() - width()) / 2, p.top() + (p.height() - height()) / 2);
    }
}

FrmMsg::~FrmMsg() { state::Msg_shown = 0; }

void FrmMsg::make_topmost()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
    raise();
}

} // namespace state
