#include "state/frm_main.h"

#include "fuse/fuse_tabs.h"
#include "manual/command_tab.h"
#include "shell/main_actions.h"
#include "state/fonts.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace state {
namespace {

struct Button_spec {
    QPushButton *FrmMain::*member;
    const char *name;
    const char *caption;
    bool group_ends;  // a gap follows: open/save/settings, cancel, erase, verify/program/read
};

const Button_spec button_specs[] = {
    {&FrmMain::Command_open, "Command_open", "開く", false},
    {&FrmMain::Command_save, "Command_save", "名前を付けて保存", false},
    {&FrmMain::Command_Com, "Command_Com", "初期設定", true},
    {&FrmMain::Command_cancel, "Command_cancel", "キャンセル", true},
    {&FrmMain::Command_erase, "Command_erase", "ERASE", true},
    {&FrmMain::Command_verify, "Command_verify", "ベリファイ", false},
    {&FrmMain::Command_program, "Command_program", "書き込み", false},
    {&FrmMain::Command_read, "Command_read", "読み出し", false},
};

// The status panels: design-time text, tool tip, stretch, and the widest text each one
// usually shows, so that it always has room for it.
struct Panel_spec {
    const char *text;
    const char *tip;
    int stretch;
    const char *widest;
};

const Panel_spec panel_specs[] = {
    {"Firmware Version", "ファームウエアバージョン", 2, "HEXﾌｧｲﾙの形式ではありません"},
    {"進行状況", "進行状況", 1, "残り　100 %"},
    {"処理内容", "処理内容", 4, "ファイル保存中止。32755"},
    {"処理時間", "処理時間", 1, "00:00:00"},
    {"設定内容", "現在の設定内容", 2, "Com9 28Pin Rev:OLD"},
};
} // namespace

FrmMain::FrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // The background panel holds the tab control and, right of it, the command buttons.
    Label_Back = new QLabel(client);
    Label_Back->setObjectName(QStringLiteral("Label_Back"));
    Label_Back->setFrameShape(QFrame::StyledPanel);
    Label_Back->setFrameShadow(QFrame::Sunken);
    auto *outer = new QVBoxLayout(client);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->addWidget(Label_Back);
    auto *row = new QHBoxLayout(Label_Back);
    row->setSizeConstraint(QLayout::SetMinimumSize);  // a label would size itself by its text
    build_tabs(Label_Back);
    row->addWidget(SSTab1, 1);
    row->addLayout(build_buttons(Label_Back));

    build_status_bar();
    build_menus();
    resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 38)));
}

QLayout *FrmMain::build_buttons(QWidget *client)
{
    auto *column = new QVBoxLayout;
    const int gap = fontMetrics().height();
    for (const Button_spec &b : button_specs) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), client);
        button->setObjectName(QLatin1String(b.name));
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        column->addWidget(button);
        if (b.group_ends)
            column->addSpacing(gap);
        this->*(b.member) = button;
    }
    column->addStretch(1);
    Command_cancel->hide();
    // Hidden, Cancel keeps its place so that the buttons below it never move.
    QSizePolicy keep = Command_cancel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Command_cancel->setSizePolicy(keep);
    shell::connect_main_buttons(*this);
    return column;
}

void FrmMain::build_tabs(QWidget *client)
{
    SSTab1 = new QTabWidget(client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    const char *captions[] = {"FUSE 旧ﾚﾋﾞｼﾞｮﾝ", "FUSE Aﾚﾋﾞｼﾞｮﾝ", "コマンドﾞ実行", "メモリダンプ"};
    QWidget *pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        pages[i]->setObjectName(QStringLiteral("SSTab1_page%1").arg(i));
        SSTab1->addTab(pages[i], QString::fromUtf8(captions[i]));
    }
    fuse::build_fuse_tabs(*this, pages[0], pages[1]);
    manual::build_command_tab(*this, pages[2]);

    RTextBox_memory = new QPlainTextEdit(pages[3]);
    RTextBox_memory->setObjectName(QStringLiteral("RTextBox_memory"));
    RTextBox_memory->setReadOnly(true);
    RTextBox_memory->setLineWrapMode(QPlainTextEdit::NoWrap);
    RTextBox_memory->setFont(fixed_font(10));
    // Room for a whole dump line: address, eight words and their characters.
    const QFontMetrics m(RTextBox_memory->font());
    RTextBox_memory->setMinimumWidth(m.horizontalAdvance(QStringLiteral("0000: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF "))
                                     + m.horizontalAdvance(QString(16, QChar(0xFF65))) + m.averageCharWidth() * 4);
    auto *dump = new QVBoxLayout(pages[3]);
    dump->addWidget(RTextBox_memory);
    SSTab1->hide();  // start-up shows it when the window is ready
}

void FrmMain::build_status_bar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 1; i <= 5; ++i) {
        const Panel_spec &spec = panel_specs[i - 1];
        auto *panel = new QLabel(QString::fromUtf8(spec.text));
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        panel->setToolTip(QString::fromUtf8(spec.tip));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // Longer texts than the widest usual one are cut rather than widening the window.
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        const int design = panel->sizeHint().width();
        panel->setText(QString::fromUtf8(spec.widest));
        panel->setMinimumWidth(std::max(design, panel->sizeHint().width()) + panel->fontMetrics().averageCharWidth());
        panel->setText(QString::fromUtf8(spec.text));
        panel->installEventFilter(this);
        bar->addWidget(panel, spec.stretch);
        sbPanel[size_t(i)] = panel;
    }
    setStatusBar(bar);
}

void FrmMain::build_menus()
{
    auto action = [](QMenu *menu, const char *name, const char *caption) {
        QAction *a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QLatin1String(name));
        return a;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpen = action(mnuFile, "mnuFileOpen", "開く(&O)...");
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    mnuFileSave = action(mnuFile, "mnuFileSave", "上書き保存(&S)");
    mnuFileSaveAs = action(mnuFile, "mnuFileSaveAs", "名前を付けて保存...(&A)");
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    mnuFileExit = action(mnuFile, "mnuFileExit", "終了(&X)");

    mnuOptionMain = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    mnuOptionMain->setObjectName(QStringLiteral("mnuOptionMain"));
    mnuInit = action(mnuOptionMain, "mnuInit", "初期設定画面(&I)");
    mnuOption = action(mnuOptionMain, "mnuOption", "オプション画面(&O)");
    nmuBufClear = action(mnuOptionMain, "nmuBufClear", "PCバッファメモリクリア(&C)");

    mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    nmuRev = action(mnuHelp, "nmuRev", "レビジョンについて(&R)");
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("nmuAXX"));
    nmuHelp = action(mnuHelp, "nmuHelp", "ヘルプ(&H)");
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", "バージョン情報(&A)");

    shell::connect_main_menus(*this);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (!shell::main_window_may_close()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 1; i <= 5; ++i)
            if (watched == sbPanel[size_t(i)])
                shell::status_panel_clicked(i);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace state
