#include "state/frm_what.h"

#include "platform/files.h"
#include "platform/process.h"
#include "state/fonts.h"
#include "state/twips.h"

#include <QLabel>
#include <QPushButton>

namespace state {

FrmWhat::FrmWhat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWhat"));
    setWindowTitle(QStringLiteral("レビジョンについて"));
    setFixedSize(px(6600), px(4200));
    const QFont font = fixed_font(10);

    struct Row {
        QLabel *FrmWhat::*member;
        const char *name;
        QString text;
        int left, top;
    };
    const Row rows[] = {
        {&FrmWhat::Label1, "Label1", QStringLiteral("デバイスに捺印されているデートコードでリビジョンを調べます。"), 240, 240},
        {&FrmWhat::Label2, "Label2", QStringLiteral("old revision  → Datecode : yywwxx"), 600, 600},
        {&FrmWhat::Label3, "Label3", QStringLiteral(" A  revision  → Datecode : Axyywwxx"), 600, 900},
        {&FrmWhat::Label6, "Label6", QStringLiteral("デバイスの最大動作周波数は、部品番号で調べます。"), 240, 1440},
        {&FrmWhat::Label7, "Label7", QStringLiteral("SX18AC100    　→ 100MHz"), 600, 1800},
        {&FrmWhat::Label4, "Label4", QStringLiteral("SX18AC75 　    → 75MHz"), 600, 2100},
        {&FrmWhat::Label5, "Label5", QStringLiteral("SX18AC(Blank)  → 50MHz"), 600, 2400},
        {&FrmWhat::Label8, "Label8", QStringLiteral("情報収集は、SCENIX社のホームページへ。"), 240, 2940},
        {&FrmWhat::Label9, "Label9", QString(), 600, 3240},
    };
    for (const Row &r : rows) {
        auto *l = new QLabel(r.text, this);
        l->setObjectName(QLatin1String(r.name));
        l->setFont(font);
        l->move(px(r.left), px(r.top));
        l->adjustSize();
        this->*(r.member) = l;
    }
    // Where to find the chip's data sheet: a section of the help document.
    const QString datasheet = platform::help_address(QStringLiteral("datasheet"));
    Label9->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(datasheet.toHtmlEscaped()));
    Label9->adjustSize();
    Label9->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(Label9, &QLabel::linkActivated, this, [](const QString &address) { platform::open_web_address(address); });
    setFixedWidth(qMax(width(), Label9->geometry().right() + px(240)));  // the whole address in view

    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(tw_rect(4900, 3600, 1400, 420));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace state
