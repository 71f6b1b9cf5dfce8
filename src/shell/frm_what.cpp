#include "state/frm_what.h"

#include "platform/files.h"
#include "platform/process.h"
#include "state/fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QPushButton>

namespace state {

FrmWhat::FrmWhat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWhat"));
    setWindowTitle(QStringLiteral("レビジョンについて"));
    const QFont font = value_font();

    struct Row {
        QLabel *FrmWhat::*member;
        const char *name;
        QString text;
        bool indented;
    };
    const Row rows[] = {
        {&FrmWhat::Label1, "Label1", QStringLiteral("デバイスに捺印されているデートコードでリビジョンを調べます。"), false},
        {&FrmWhat::Label2, "Label2", QStringLiteral("old revision  → Datecode : yywwxx"), true},
        {&FrmWhat::Label3, "Label3", QStringLiteral(" A  revision  → Datecode : Axyywwxx"), true},
        {&FrmWhat::Label6, "Label6", QStringLiteral("デバイスの最大動作周波数は、部品番号で調べます。"), false},
        {&FrmWhat::Label7, "Label7", QStringLiteral("SX18AC100    　→ 100MHz"), true},
        {&FrmWhat::Label4, "Label4", QStringLiteral("SX18AC75 　    → 75MHz"), true},
        {&FrmWhat::Label5, "Label5", QStringLiteral("SX18AC(Blank)  → 50MHz"), true},
        {&FrmWhat::Label8, "Label8", QStringLiteral("情報収集は、SCENIX社のホームページへ。"), false},
        {&FrmWhat::Label9, "Label9", QString(), true},
    };
    auto *column = new QVBoxLayout(this);
    const int indent = QFontMetrics(font).averageCharWidth() * 3;
    for (const Row &r : rows) {
        auto *l = new QLabel(r.text, this);
        l->setObjectName(QLatin1String(r.name));
        l->setFont(font);
        auto *line = new QHBoxLayout;
        line->addSpacing(r.indented ? indent : 0);
        line->addWidget(l, 1);
        if (!r.indented)
            column->addSpacing(QFontMetrics(font).height() / 2);  // a paragraph begins
        column->addLayout(line);
        this->*(r.member) = l;
    }
    // Where to find the chip's data sheet: a section of the help document.
    const QString datasheet = platform::help_address(QStringLiteral("datasheet"));
    Label9->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(datasheet.toHtmlEscaped()));
    Label9->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(Label9, &QLabel::linkActivated, this, [](const QString &address) { platform::open_web_address(address); });

    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace state
