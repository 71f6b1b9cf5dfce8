#include "shell/frm_what.h"

#include "desktop/translation.h"

#include "platform/files.h"
#include "desktop/single_instance.h"
#include "desktop/fonts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QPushButton>

namespace shell {

FrmWhat::FrmWhat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWhat"));
    desktop::show_text(this, "shell", QT_TRANSLATE_NOOP("shell", "レビジョンについて"));
    const QFont font = desktop::value_font();

    struct Row {
        QLabel *FrmWhat::*member;
        const char *name;
        const char *text;
        bool indented;
    };
    const Row rows[] = {
        {&FrmWhat::Label1, "Label1", QT_TRANSLATE_NOOP("shell", "デバイスに捺印されているデートコードでリビジョンを調べます。"), false},
        {&FrmWhat::Label2, "Label2", QT_TRANSLATE_NOOP("shell", "old revision  → Datecode : yywwxx"), true},
        {&FrmWhat::Label3, "Label3", QT_TRANSLATE_NOOP("shell", " A  revision  → Datecode : Axyywwxx"), true},
        {&FrmWhat::Label6, "Label6", QT_TRANSLATE_NOOP("shell", "デバイスの最大動作周波数は、部品番号で調べます。"), false},
        {&FrmWhat::Label7, "Label7", QT_TRANSLATE_NOOP("shell", "SX18AC100    　→ 100MHz"), true},
        {&FrmWhat::Label4, "Label4", QT_TRANSLATE_NOOP("shell", "SX18AC75 　    → 75MHz"), true},
        {&FrmWhat::Label5, "Label5", QT_TRANSLATE_NOOP("shell", "SX18AC(Blank)  → 50MHz"), true},
        {&FrmWhat::Label8, "Label8", QT_TRANSLATE_NOOP("shell", "情報収集は、SCENIX社のホームページへ。"), false},
        {&FrmWhat::Label9, "Label9", nullptr, true},
    };
    auto *column = new QVBoxLayout(this);
    const int indent = QFontMetrics(font).averageCharWidth() * 3;
    for (const Row &r : rows) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(r.name));
        if (r.text)
            desktop::show_text(l, "shell", r.text);
        // Japanese in the Japanese fixed-pitch font, as the window was drawn; English in the
        // interface font, its table rows in the system's fixed-pitch font to keep them aligned.
        const bool row = r.indented && r.text;
        const auto choose_font = [l, row, font] {
            QFont english = row ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QApplication::font();
            english.setPointSizeF(QApplication::font().pointSizeF());
            l->setFont(desktop::language() == QLatin1String("ja") ? font : english);
        };
        choose_font();
        desktop::on_language_change(l, choose_font);
        auto *line = new QHBoxLayout;
        line->addSpacing(r.indented ? indent : 0);
        line->addWidget(l, 1);
        if (!r.indented)
            column->addSpacing(QFontMetrics(font).height() / 2);  // a paragraph begins
        column->addLayout(line);
        this->*(r.member) = l;
    }
    // Where to find the chip's data sheet: a section of the help document.
    const auto link = [this] {
        Label9->setText(QStringLiteral("<a href=\"%1\">%2</a>")  // untranslated: a link
                            .arg(platform::help_address(QStringLiteral("datasheet")).toHtmlEscaped(),
                                 QCoreApplication::translate("shell", "データシートの入手先").toHtmlEscaped()));
    };
    link();
    desktop::on_language_change(Label9, link);
    Label9->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(Label9, &QLabel::linkActivated, this, [](const QString &address) { desktop::open_web_address(address); });

    Command1 = new QPushButton(this);
    desktop::show_text(Command1, "shell", QT_TRANSLATE_NOOP("shell", "閉じる"));
    Command1->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace shell
