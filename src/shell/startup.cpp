#include "shell/startup.h"

#include "shell/tr.h"

#include "fuse/option_tables.h"
#include "fuse/panel_behaviour.h"
#include "fuse/revision_layout.h"
#include "image/device_image.h"
#include "link/frm_com.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/settings.h"
#include "shell/frm_about.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/version.h"
#include "shell/windows.h"
#include "state/windows.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>

namespace shell {

void install_app_icon()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 3));
    for (int i = 0; i < 5; ++i) {  // the chip's legs
        p.drawLine(10 + i * 11, 4, 10 + i * 11, 14);
        p.drawLine(10 + i * 11, 50, 10 + i * 11, 60);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x2b, 0x38));
    p.drawRoundedRect(4, 12, 56, 40, 5, 5);
    p.setBrush(QColor(0xf2, 0xa9, 0x00));
    p.drawEllipse(QPoint(14, 22), 3, 3);
    p.setPen(QColor(0xff, 0xff, 0xff));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(22);
    p.setFont(f);
    p.drawText(QRect(4, 12, 56, 40), Qt::AlignCenter, QStringLiteral("Q"));
    p.end();
    // The icon theme has the drawn icon when the program is installed.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("qorvil"), QIcon(pm)));
}

void raise_main_window()
{
    state::FrmMain &w = state::frmMain();
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

QString program_usage()
{
    return Tr::tr(
    "Usage: qorvil [--lang ja|en] [--trace FILE] [--batch [options] ACTION...]\n"
    "\n"
    "Host program for the SX18AC/SX28AC in-system programmer board.\n"
    "Without arguments it opens the main window and the connection dialog;\n"
    "other arguments are ignored.\n"
    "\n"
    "  --batch ...   run operations without a window ('qorvil --batch --help')\n"
    "  --lang ja|en  the language of this run (Japanese unless chosen otherwise)\n"
    "  --trace FILE  append one line per exchange with the board to FILE\n"
    "  --help-path   print where the help document is found\n"
    "  --help        show this text\n"
    "  --version     show the version\n");
}

bool run_startup(bool check_single_instance)
{
    // 1. One instance at a time.
    if (check_single_instance && !platform::claim_single_instance())
        return false;
    platform::on_second_instance(raise_main_window);

    // 2. The About box, loaded without showing it.
    frmAbout().fill_labels();

    // 3. The program folder.
    QDir::setCurrent(platform::program_folder());
    state::App_path = platform::work_folder();
    frmAbout().lblDisclaimer->setText(support_label());

    // 4. Caption.
    state::Title_text = state::app_title + ' ' + state::version_text();
    state::FrmMain &w = state::frmMain();
    w.setWindowTitle(state::Title_text);
    fuse::connect_panel_handlers();

    // 5, 6. The main window, memory-dump tab in front.
    w.show();
    w.SSTab1->setCurrentIndex(3);

    // 7, 8.
    for (QWidget *c : {static_cast<QWidget *>(w.address_pc), static_cast<QWidget *>(w.text_in_hi),
                       static_cast<QWidget *>(w.text_in_low), static_cast<QWidget *>(w.text_in_trm)})
        c->hide();
    state::Isp_mode = QStringLiteral("OFF");
    state::Address_pc = 0xFFF;
    w.address_pc->setText(QStringLiteral("0xFFF"));
    state::Last_address = 2047;

    // 9, 10, 11.
    fuse::Combo_init();
    image::Clear_and_dump();
    w.SSTab1->show();

    // 12. The connection dialog; start-up goes on whether the user connects or cancels.
    comm::frmCom().show_modal();

    // 13, 14.
    fuse::Combo_init();
    w.Text_pgm_wait->setText(fuse::stored_pgm_wait(state::Rev_mode));
    return true;
}

} // namespace shell
