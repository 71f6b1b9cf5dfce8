#include "shell/frm_about.h"

#include "platform/files.h"
#include "platform/process.h"
#include "state/twips.h"
#include "state/version.h"
#include "shell/windows.h"
#include "state/windows.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#ifndef QORVIL_SUPPORT_URL
#define QORVIL_SUPPORT_URL ""
#endif

namespace shell {

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 qorvil_pgm"));
    setFixedSize(state::px(6300), state::px(3300));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QApplication::windowIcon().pixmap(state::px(720), state::px(720)));
    picIcon->setGeometry(state::tw_rect(240, 240, 720, 720));

    auto label = [this](const char *name, int left, int top, int width, int height) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(state::tw_rect(left, top, width, height));
        l->setWordWrap(true);
        return l;
    };
    lblTitle = label("lblTitle", 1200, 240, 4800, 480);
    QFont title_font = lblTitle->font();
    title_font.setPointSize(title_font.pointSize() + 6);
    title_font.setBold(true);
    lblTitle->setFont(title_font);
    lblVersion = label("lblVersion", 1200, 780, 4800, 300);
    lblDescription = label("lblDescription", 1200, 1140, 4800, 500);
    Label1 = label("Label1", 240, 1740, 5800, 300);
    Label1->setText(QStringLiteral("このソフトウェアは無保証です。ご自身の責任でお使いください。"));
    lblDisclaimer = label("lblDisclaimer", 240, 2100, 5800, 300);
    lblDisclaimer->setWordWrap(false);
    lblDisclaimer->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Command1 = new QPushButton(QStringLiteral("サポートホームページへジャンプ"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(state::tw_rect(240, 2640, 3400, 420));
    cmdOK = new QPushButton(QStringLiteral("閉じる"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(state::tw_rect(4560, 2640, 1500, 420));
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, [] { unload_frmAbout(); });
    connect(Command1, &QPushButton::clicked, this, [] { platform::open_web_address(support_address()); });
    fill_labels();
}

void FrmAbout::fill_labels()
{
    lblVersion->setText(state::version_text());
    lblTitle->setText(state::app_title);
    lblDescription->setText(state::app_description);
    lblDisclaimer->setText(QStringLiteral("ｻﾎﾟｰﾄﾍﾟｰｼﾞ : ") + support_address());
    lblDisclaimer->adjustSize();
    setFixedWidth(qMax(state::px(6300), lblDisclaimer->geometry().right() + state::px(240)));  // the whole address in view
}

void show_about() { frmAbout().exec(); }

QString support_address()
{
    const QString configured = QString::fromUtf8(QORVIL_SUPPORT_URL);
    return configured.isEmpty() ? platform::help_address(QStringLiteral("support")) : configured;
}

} // namespace shell
