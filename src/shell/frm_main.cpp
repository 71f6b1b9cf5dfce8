#include "state/frm_main.h"

#include "state/fonts.h"
#include "fuse/fuse_tabs.h"
#include "manual/command_tab.h"
#include "shell/main_actions.h"
#include "state/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

namespace state {
namespace {
// Design-time geometry, twips.
constexpr int design_width = 11000;
constexpr int design_height = 7900;
constexpr int tab_left = 150, tab_top = 150, tab_width = 8600, tab_height = 6600;
constexpr int button_left = 9000, button_width = 1700, button_height = 500;

struct Button_spec {
    QPushButton *FrmMain::*member;
    const char *name;
    const char *caption;
    int top;
};

const Button_spec button_specs[] = {
    {&FrmMain::Command_open, "Command_open", "開く", 300},
    {&FrmMain::Command_save, "Command_save", "名前を付けて保存", 900},
    {&FrmMain::Command_Com, "Command_Com", "初期設定", 1500},
    {&FrmMain::Command_cancel, "Command_cancel", "キャンセル", 2400},
    {&FrmMain::Command_erase, "Command_erase", "ERASE", 3300},
    {&FrmMain::Command_verify, "Command_verify", "ベリファイ", 4100},
    {&FrmMain::Command_program, "Command_program", "書き込み", 4900},
    {&FrmMain::Command_read, "Command_read", "読み出し", 5700},
};
} // namespace

FrmMain::FrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Label_Back = new QLabel(client);
    Label_Back->setObjectName(QStringLiteral("Label_Back"));
    Label_Back->setFrameShape(QFrame::StyledPanel);
    Label_Back->setFrameShadow(QFrame::Sunken);

    build_tabs(client);
    build_buttons(client);
    build_status_bar();
    build_menus();

    resize(px(design_width), px(design_height) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    apply_layout();
}

void FrmMain::build_buttons(QWidget *client)
{
    for (const Button_spec &b : button_specs) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), client);
        button->setObjectName(QLatin1String(b.name));
        button->setGeometry(tw_rect(button_left, b.top, button_width, button_height));
        this->*(b.member) = button;
    }
    Command_cancel->hide();
    shell::connect_main_buttons(*this);
}

void FrmMain::build_tabs(QWidget *client)
{
    SSTab1 = new QTabWidget(client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(tw_rect(tab_left, tab_top, tab_width, tab_height));
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
    RTextBox_memory->setGeometry(tw_rect(50, 100, tab_width - 100, tab_height - 550));
    SSTab1->hide();  // start-up shows it when the window is ready
}

void FrmMain::build_status_bar()
{
    const char *texts[] = {nullptr, "Firmware Version", "進行状況", "処理内容", "処理時間", "設定内容"};
    const char *tips[] = {nullptr, "ファームウエアバージョン", "進行状況", "処理内容", "処理時間", "現在の設定内容"};
    const int stretch[] = {0, 2, 1, 4, 1, 2};
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 1; i <= 5; ++i) {
        auto *panel = new QLabel(QString::fromUtf8(texts[i]));
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        panel->setToolTip(QString::fromUtf8(tips[i]));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(px(900));
        panel->installEventFilter(this);
        bar->addWidget(panel, stretch[i]);
        sbPanel[size_t(i)] = panel;
    }
    setStatusBar(bar);
}

void FrmMain::build_menus()
{
    auto action = [this](QMenu *menu, const char *name, const char *caption) {
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

void FrmMain::apply_layout()
{
    QWidget *client = centralWidget();
    // The client area is measured with the status bar in it, as the layout was designed.
    const int cw = twips(client->width());
    const int ch = twips(client->height() + statusBar()->height());
    // Sizes that come out negative in a tiny window are clamped to zero.
    Label_Back->setGeometry(px(20), 0, std::max(0, px(cw - 30)), std::max(0, px(ch - 330)));
    if (twips(width()) < 9000)
        return;
    const int window_width = twips(width());
    for (const Button_spec &b : button_specs) {
        QPushButton *button = this->*(b.member);
        const int w = (button == Command_open || button == Command_save) ? twips(Command_Com->width())
                                                                           : twips(button->width());
        button->move(px(window_width - w - 300), button->y());
    }
    RTextBox_memory->resize(px(twips(SSTab1->width()) - 100), RTextBox_memory->height());
    const int tab_left_now = (twips(Command_read->x()) - twips(SSTab1->width())) / 2;
    const int tab_top_now = (ch - twips(SSTab1->height())) / 2 - 140;
    SSTab1->move(px(tab_left_now), px(std::max(0, tab_top_now)));
}

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (SSTab1)
        apply_layout();
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
