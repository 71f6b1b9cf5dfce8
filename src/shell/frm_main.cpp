#include "shell/frm_main.h"

#include "command_tab/command_tab.h"
#include "desktop/fonts.h"
#include "desktop/translation.h"
#include "fuse_panel/fuse_tabs.h"
#include "fuse_panel/panel_binding.h"
#include "shell/file_commands.h"
#include "shell/main_actions.h"
#include "shell/panel_behaviour.h"
#include "shell/session_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace shell {
namespace {

struct Button_design {
    QPushButton *FrmMain::*member;
    const char *name;
    const char *caption;
    bool group_ends;  // a gap follows: open/save/settings, cancel, erase, verify/program/read
};

const Button_design button_designs[] = {
    {&FrmMain::Command_open, "Command_open", QT_TRANSLATE_NOOP("shell", "開く"), false},
    {&FrmMain::Command_save, "Command_save", QT_TRANSLATE_NOOP("shell", "名前を付けて保存"), false},
    {&FrmMain::Command_Com, "Command_Com", QT_TRANSLATE_NOOP("shell", "初期設定"), true},
    {&FrmMain::Command_cancel, "Command_cancel", QT_TRANSLATE_NOOP("shell", "キャンセル"), true},
    {&FrmMain::Command_erase, "Command_erase", QT_TRANSLATE_NOOP("shell", "ERASE"), true},
    {&FrmMain::Command_verify, "Command_verify", QT_TRANSLATE_NOOP("shell", "ベリファイ"), false},
    {&FrmMain::Command_program, "Command_program", QT_TRANSLATE_NOOP("shell", "書き込み"), false},
    {&FrmMain::Command_read, "Command_read", QT_TRANSLATE_NOOP("shell", "読み出し"), false},
};

// The status panels: design-time text, tool tip, stretch, and the widest text each one
// usually shows, so that it always has room for it.
struct Panel_design {
    const char *text;
    const char *tip;
    int stretch;
    const char *widest;
};

const Panel_design panel_designs[] = {
    {QT_TRANSLATE_NOOP("shell", "Firmware Version"), QT_TRANSLATE_NOOP("shell", "ファームウエアバージョン"), 2,
     QT_TRANSLATE_NOOP("shell", "HEXﾌｧｲﾙの形式ではありません")},
    {QT_TRANSLATE_NOOP("shell", "進行状況"), QT_TRANSLATE_NOOP("shell", "進行状況"), 1,
     QT_TRANSLATE_NOOP("shell", "残り　100 %")},
    {QT_TRANSLATE_NOOP("shell", "処理内容"), QT_TRANSLATE_NOOP("shell", "処理内容"), 4,
     QT_TRANSLATE_NOOP("shell", "ファイル保存中止。32755")},
    {QT_TRANSLATE_NOOP("shell", "処理時間"), QT_TRANSLATE_NOOP("shell", "処理時間"), 1,
     QT_TRANSLATE_NOOP("shell", "00:00:00")},
    {QT_TRANSLATE_NOOP("shell", "設定内容"), QT_TRANSLATE_NOOP("shell", "現在の設定内容"), 2,
     QT_TRANSLATE_NOOP("shell", "Com9 28Pin Rev:OLD")},
};
} // namespace

FrmMain::FrmMain(session::Session &session) : s(session)
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
    view_ = std::make_unique<Session_view>(*this);
    desktop::on_language_change(this, [this] { s.retranslate_status(); });
    // A file dropped anywhere on the window, a text field too, is a file to open.
    setAcceptDrops(true);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    connect_panel_handlers(*this);
}

FrmMain::~FrmMain() = default;

QLayout *FrmMain::build_buttons(QWidget *client)
{
    auto *column = new QVBoxLayout;
    const int gap = fontMetrics().height();
    for (const Button_design &b : button_designs) {
        auto *button = new QPushButton(client);
        desktop::show_text(button, "shell", b.caption);
        button->setObjectName(QLatin1String(b.name));
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        column->addWidget(button);
        if (b.group_ends)
            column->addSpacing(gap);
        this->*(b.member) = button;
    }
    column->addStretch();
    Command_cancel->hide();
    // Hidden, Cancel keeps its place so that the buttons below it never move.
    QSizePolicy keep = Command_cancel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Command_cancel->setSizePolicy(keep);
    connect_main_buttons(*this);
    return column;
}

void FrmMain::build_tabs(QWidget *client)
{
    SSTab1 = new QTabWidget(client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    const char *captions[] = {QT_TRANSLATE_NOOP("shell", "FUSE 旧ﾚﾋﾞｼﾞｮﾝ"), QT_TRANSLATE_NOOP("shell", "FUSE Aﾚﾋﾞｼﾞｮﾝ"),
                              QT_TRANSLATE_NOOP("shell", "コマンドﾞ実行"), QT_TRANSLATE_NOOP("shell", "メモリダンプ")};
    QWidget *pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        pages[i]->setObjectName(QStringLiteral("SSTab1_page%1").arg(i));
        SSTab1->addTab(pages[i], QString());
        desktop::show_tab_text(SSTab1, i, "shell", captions[i]);
    }
    fuse::build_fuse_tabs(*this, pages[0], pages[1]);
    panel_binding = new fuse::Panel_binding(*this, s, SSTab1);
    manual::build_command_tab(*this, pages[2], s);

    RTextBox_memory = new QPlainTextEdit(pages[3]);
    RTextBox_memory->setObjectName(QStringLiteral("RTextBox_memory"));
    desktop::show_accessible_name(RTextBox_memory, "shell", QT_TRANSLATE_NOOP("shell", "メモリダンプ"));
    RTextBox_memory->setReadOnly(true);
    RTextBox_memory->setLineWrapMode(QPlainTextEdit::NoWrap);
    RTextBox_memory->setFont(desktop::value_font());
    // Room for a whole dump line: address, eight words and their characters.
    const QFontMetrics m(RTextBox_memory->font());
    RTextBox_memory->setMinimumWidth(m.horizontalAdvance(QStringLiteral("0000: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF "))
                                     + m.horizontalAdvance(QString(16, QChar(0xFF65))) + m.averageCharWidth() * 4);
    auto *dump = new QVBoxLayout(pages[3]);
    dump->addWidget(RTextBox_memory);
    // Start-up shows it when the window is ready; until then it keeps its place.
    QSizePolicy keep = SSTab1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    SSTab1->setSizePolicy(keep);
    SSTab1->hide();
}

void FrmMain::build_status_bar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 1; i <= 5; ++i) {
        const Panel_design &look = panel_designs[i - 1];
        auto *panel = new QLabel;
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        desktop::show_tip(panel, "shell", look.tip);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // Longer texts than the widest usual one are cut rather than widening the window.
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        const auto widen = [panel, &look] {
            const QString shown = panel->text();
            panel->setText(QCoreApplication::translate("shell", look.text));
            const int design = panel->sizeHint().width();
            panel->setText(QCoreApplication::translate("shell", look.widest));
            panel->setMinimumWidth(std::max(design, panel->sizeHint().width()) + panel->fontMetrics().averageCharWidth());
            panel->setText(shown);
        };
        widen();
        // The caption until the session gives the panel a text; that text is then made
        // anew in the new language (retranslate_status).
        const auto caption = [this, panel, i, &look] {
            if (!s.status_set(session::Panel(i)))
                panel->setText(QCoreApplication::translate("shell", look.text));
        };
        caption();
        desktop::on_language_change(panel, [widen, caption] {
            widen();
            caption();
        });
        panel->installEventFilter(this);
        bar->addWidget(panel, look.stretch);
        sbPanel[size_t(i)] = panel;
    }
    setStatusBar(bar);
}

void FrmMain::build_menus()
{
    auto action = [](QMenu *menu, const char *name, const char *caption) {
        QAction *a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        desktop::show_text(a, "shell", caption);
        return a;
    };
    auto menu = [this](const char *name, const char *caption) {
        QMenu *m = menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        desktop::show_text(m, "shell", caption);
        return m;
    };
    mnuFile = menu("mnuFile", QT_TRANSLATE_NOOP("shell", "ファイル(&F)"));
    mnuFileOpen = action(mnuFile, "mnuFileOpen", QT_TRANSLATE_NOOP("shell", "開く(&O)..."));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    mnuFileSave = action(mnuFile, "mnuFileSave", QT_TRANSLATE_NOOP("shell", "上書き保存(&S)"));
    mnuFileSaveAs = action(mnuFile, "mnuFileSaveAs", QT_TRANSLATE_NOOP("shell", "名前を付けて保存...(&A)"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    mnuFileExit = action(mnuFile, "mnuFileExit", QT_TRANSLATE_NOOP("shell", "終了(&X)"));

    mnuOptionMain = menu("mnuOptionMain", QT_TRANSLATE_NOOP("shell", "オプション(&O)"));
    mnuInit = action(mnuOptionMain, "mnuInit", QT_TRANSLATE_NOOP("shell", "初期設定画面(&I)"));
    mnuOption = action(mnuOptionMain, "mnuOption", QT_TRANSLATE_NOOP("shell", "オプション画面(&O)"));
    nmuBufClear = action(mnuOptionMain, "nmuBufClear", QT_TRANSLATE_NOOP("shell", "PCバッファメモリクリア(&C)"));

    mnuHelp = menu("mnuHelp", QT_TRANSLATE_NOOP("shell", "ヘルプ(&H)"));
    nmuRev = action(mnuHelp, "nmuRev", QT_TRANSLATE_NOOP("shell", "レビジョンについて(&R)"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("nmuAXX"));
    nmuHelp = action(mnuHelp, "nmuHelp", QT_TRANSLATE_NOOP("shell", "ヘルプ(&H)"));
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", QT_TRANSLATE_NOOP("shell", "バージョン情報(&A)"));

    // The desktop's own keys for these, shown in the menus.
    const std::pair<QAction *, QKeySequence::StandardKey> keys[] = {
        {mnuFileOpen, QKeySequence::Open}, {mnuFileSave, QKeySequence::Save}, {mnuFileSaveAs, QKeySequence::SaveAs},
        {mnuFileExit, QKeySequence::Quit}, {nmuHelp, QKeySequence::HelpContents}};
    for (const auto &[a, key] : keys)
        a->setShortcuts(key);
    connect_main_menus(*this);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (!main_window_may_close()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void FrmMain::dragEnterEvent(QDragEnterEvent *event) { take_drag(event); }

// A drag that carries a file to open is taken, unless a device operation runs.
void FrmMain::take_drag(QDropEvent *event)
{
    if (!dropped_hex_file(event->mimeData()).isEmpty() && !s.Operation_running)
        event->acceptProposedAction();
    else
        event->ignore();
}

void FrmMain::dropEvent(QDropEvent *event)
{
    const QString file = dropped_hex_file(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    open_document(file);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!dropped_hex_file(drop->mimeData()).isEmpty()) {
            event->type() == QEvent::Drop ? dropEvent(drop) : take_drag(drop);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 1; i <= 5; ++i)
            if (watched == sbPanel[size_t(i)])
                status_panel_clicked(i);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace shell
