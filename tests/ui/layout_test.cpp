// Every window at several font sizes (and, run again by CTest, at scale factor 2): each
// control shows its whole text, no two visible neighbours overlap, every control lies inside
// its window, and the main window fits everything at its minimum size.

#include "window_kit.h"

#include "fuse_panel/revision_layout.h"
#include "connection_dialog/frm_com.h"
#include "shell/frm_about.h"
#include "shell/help_viewer.h"
#include "shell/language.h"
#include "shell/windows.h"
#include "desktop/captions.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_what.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

bool is_control(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QGroupBox *>(w) || qobject_cast<const QPlainTextEdit *>(w)
           || qobject_cast<const QProgressBar *>(w) || qobject_cast<const QTabWidget *>(w);
}

QString name(const QWidget *w)
{
    QString text;
    if (auto *l = qobject_cast<const QLabel *>(w))
        text = l->text();
    else if (auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    return w->objectName() + " '" + text.left(20) + "' in " + w->window()->objectName();
}

// What is wrong with the window as it stands; empty when nothing is.
QStringList faults(QWidget *window)
{
    QStringList out;
    const QRect inside = window->rect();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !is_control(w) || w->window() != window)
            continue;
        const QSize need = w->sizeHint();
        auto *label = qobject_cast<QLabel *>(w);
        if (label && label->wordWrap()) {
            if (!label->text().isEmpty() && w->height() < w->heightForWidth(w->width()))
                out << "cut: " + name(w);
        } else if (label || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)) {
            if (!(label && label->text().isEmpty()) && (w->width() < need.width() || w->height() < need.height()))
                out << QStringLiteral("cut (%1x%2 < %3x%4): ").arg(w->width()).arg(w->height()).arg(need.width())
                               .arg(need.height())
                           + name(w);
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            if (w->width() < g->minimumSizeHint().width())
                out << "cut: " + name(w);
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            if (t->tabBar()->width() < t->tabBar()->sizeHint().width())
                out << "tabs cut: " + name(w);
        }
        if (!inside.contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size())))
            out << "outside: " + name(w);
        // Visible neighbours never overlap.
        for (QObject *o : w->parentWidget()->children()) {
            auto *n = qobject_cast<QWidget *>(o);
            if (n && n != w && n < w && n->isVisible() && is_control(n) && n->geometry().intersects(w->geometry()))
                out << "overlap: " + name(w) + " / " + name(n);
        }
    }
    return out;
}

// Shows `window`, lets its layouts settle, and checks it.
QStringList checked(QWidget *window)
{
    window->show();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
    return faults(window);
}

class Layout : public ::testing::TestWithParam<std::tuple<int, const char *>> {
protected:
    void SetUp() override
    {
        QFont font = QApplication::font();
        font.setPointSize(std::get<0>(GetParam()));
        QApplication::setFont(font);
        test::program_at_rest();
        shell::apply_language(QString::fromLatin1(std::get<1>(GetParam())));
    }
    void TearDown() override
    {
        test::fresh_program();
        QApplication::setFont(QFont());
    }
};

TEST_P(Layout, MainWindowAtItsMinimumSize)
{
    auto &w = shell::frmMain();
    w.SSTab1->show();
    QStringList all;
    for (int rev : {0, 1}) {
        fuse::apply_revision_layout(w, rev);
        for (int tab = 0; tab < 4; ++tab) {
            w.SSTab1->setCurrentIndex(tab);
            w.show();
            w.resize(w.minimumSizeHint().expandedTo(w.minimumSize()));
            all << checked(&w);
        }
    }
    // The status panels with the texts they usually show.
    const char *texts[] = {"HEXﾌｧｲﾙの形式ではありません", "残り　100 %", "ファイル保存中止。32755", "00:00:00",
                           "Com9 28Pin Rev:OLD"};
    for (int i = 1; i <= 5; ++i)
        w.sbPanel[size_t(i)]->setText(QString::fromUtf8(texts[i - 1]));
    all << checked(&w);
    EXPECT_TRUE(all.isEmpty()) << all.join('\n').toStdString();

    // Growing the window grows the tab control and the memory view; the buttons stay at
    // the right edge.
    const QSize small = w.size();
    const int tab_width = w.SSTab1->width(), view_height = w.RTextBox_memory->height();
    w.resize(small + QSize(300, 200));
    test::wait_until([&] { return w.size() != small; }, 2000);
    EXPECT_GE(w.SSTab1->width(), tab_width + 250);
    EXPECT_GE(w.RTextBox_memory->height(), view_height + 150);
    EXPECT_NEAR(w.Command_read->mapTo(&w, QPoint(w.Command_read->width(), 0)).x(), w.width(), 40);
}

TEST_P(Layout, ConnectionDialogInEachView)
{
    comm::FrmCom &d = shell::frmCom();
    d.show_modeless();
    QStringList all = checked(&d);
    auto *found = d.findChild<QLabel *>("Label_probe");  // what a search of the ports found
    found->setText("ライターが複数見つかりました。最初のポートを選択しました。\nCOM1  /dev/ttyUSB0  応答あり　SX QORVIL V1.02\n"
                   "COM4  /dev/ttyS3  オープンできません：Permission denied");
    found->show();
    all << checked(&d);
    found->hide();
    const QString texts[] = {
        QStringLiteral("\r\nライターとの接続確認中.........  しばらく御待ち下さい。   "),
        QStringLiteral("プログラマとの通信に失敗しました。\r\rライターの接続を確認してください。 ：　COM9\r "
                       "デバイスモードが選択されていません。     \r\r18、28ピンのいずれかを選択してください。\r "
                       "レビジョンが選択されていません。     \r\rold、A のいずれかを選択してください。\r ")};
    for (const QString &text : texts) {
        desktop::set_caption(d.Label_com_info, text);
        for (QWidget *f : {static_cast<QWidget *>(d.Frame_port), static_cast<QWidget *>(d.Frame_device),
                           static_cast<QWidget *>(d.Frame_ver)})
            f->hide();
        d.Label_com_info->show();
        all << checked(&d);
    }
    EXPECT_TRUE(all.isEmpty()) << all.join('\n').toStdString();
    d.Command_cancel->click();
}

TEST_P(Layout, SmallWindows)
{
    shell::FrmMsg &msg = shell::frmMsg();
    msg.Label1->setText("ベリファイ中..... しばらく御待ち下さい。");
    msg.Label2->setText("残り 100 %");
    msg.Label_time_left->setText("残り時間 約 10:00");
    QStringList all = checked(&msg);
    all << checked(&shell::frmAbout()) << checked(&shell::frmWhat());
    EXPECT_TRUE(all.isEmpty()) << all.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Points, Layout, ::testing::Combine(::testing::Values(8, 9, 11, 14), ::testing::Values("ja", "en")),
                         [](const auto &info) {
                             return std::to_string(std::get<0>(info.param)) + "pt_" + std::get<1>(info.param);
                         });

} // namespace
