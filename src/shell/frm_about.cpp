#include "shell/frm_about.h"

#include "desktop/single_instance.h"
#include "desktop/translation.h"
#include "platform/files.h"
#include "session/version.h"
#include "shell/tr.h"
#include "shell/windows.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#ifndef QORVIL_SUPPORT_URL
#define QORVIL_SUPPORT_URL ""
#endif

namespace shell {
namespace {
const char *const app_description = QT_TRANSLATE_NOOP("shell", "SX18AC/SX28AC ISPライター用ホストプログラム");
}

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    desktop::show_text(this, "shell", QT_TRANSLATE_NOOP("shell", "ﾊﾞｰｼﾞｮﾝ情報 qorvil_pgm"));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(session::app_title);
    const int icon = fontMetrics().height() * 3;
    picIcon->setPixmap(QApplication::windowIcon().pixmap(icon, icon));

    auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    lblTitle = label("lblTitle");
    QFont title_font = lblTitle->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.6);
    title_font.setBold(true);
    lblTitle->setFont(title_font);
    lblVersion = label("lblVersion");
    lblDescription = label("lblDescription");
    Label1 = label("Label1");
    desktop::show_text(Label1, "shell", QT_TRANSLATE_NOOP("shell", "このソフトウェアは無保証です。ご自身の責任でお使いください。"));
    lblDisclaimer = label("lblDisclaimer");
    lblDisclaimer->setTextFormat(Qt::RichText);
    lblDisclaimer->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(lblDisclaimer, &QLabel::linkActivated, this, [](const QString &address) { desktop::open_web_address(address); });

    Command1 = new QPushButton(this);
    desktop::show_text(Command1, "shell", QT_TRANSLATE_NOOP("shell", "サポートホームページへジャンプ"));
    Command1->setObjectName(QStringLiteral("Command1"));
    cmdOK = new QPushButton(this);
    desktop::show_text(cmdOK, "shell", QT_TRANSLATE_NOOP("shell", "閉じる"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(Label1, 3, 0, 1, 2);
    grid->addWidget(lblDisclaimer, 4, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, [] { unload_frmAbout(); });
    connect(Command1, &QPushButton::clicked, this, [] { desktop::open_web_address(support_address()); });
    fill_labels();
    desktop::on_language_change(this, [this] { fill_labels(); });
}

void FrmAbout::fill_labels()
{
    lblVersion->setText(session::version_text());
    lblTitle->setText(session::app_title);
    lblDescription->setText(Tr::tr(app_description));
    lblDisclaimer->setText(support_label());
}

void show_about() { frmAbout().exec(); }

QString support_label()
{
    return Tr::tr("ｻﾎﾟｰﾄﾍﾟｰｼﾞ : ").toHtmlEscaped() + QStringLiteral("<a href=\"%1\">%2</a>")
                                                      .arg(support_address().toHtmlEscaped(), Tr::tr("サポート情報").toHtmlEscaped());
}

QString support_address()
{
    const QString configured = QString::fromUtf8(QORVIL_SUPPORT_URL);
    return configured.isEmpty() ? platform::help_address(QStringLiteral("support")) : configured;
}

} // namespace shell
