#include "shell/startup.h"

#include "connection_dialog/frm_com.h"
#include "desktop/single_instance.h"
#include "fuse/option_tables.h"
#include "fuse/pgm_wait.h"
#include "image/device_image.h"
#include "platform/files.h"
#include "session/version.h"
#include "shell/file_commands.h"
#include "shell/frm_about.h"
#include "shell/language.h"
#include "shell/main_actions.h"
#include "shell/frm_main.h"
#include "shell/windows.h"

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

void second_start(const QString &file)
{
    FrmMain &w = frmMain();
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
    if (!file.isEmpty())
        open_document(file);
}

bool run_startup(bool check_single_instance, const QString &file)
{
    if (check_single_instance && !desktop::claim_single_instance(file))
        return false;
    desktop::on_second_instance(second_start);

    // The About box is loaded without being shown.
    frmAbout().fill_labels();

    QDir::setCurrent(platform::program_folder());
    session::Session &s = session();
    s.App_path = platform::work_folder();
    frmAbout().lblDisclaimer->setText(support_label());

    s.Title_text = session::app_title + ' ' + session::version_text();
    FrmMain &w = frmMain();
    w.setWindowTitle(s.Title_text);

    // The main window with the memory dump in front; the manual panel's address and reply
    // fields wait for the command tab.
    w.show();
    w.SSTab1->setCurrentIndex(int(session::Tab::memory));
    for (QWidget *c : {static_cast<QWidget *>(w.address_pc), static_cast<QWidget *>(w.text_in_hi),
                       static_cast<QWidget *>(w.text_in_low), static_cast<QWidget *>(w.text_in_trm)})
        c->hide();
    s.Isp_mode = QStringLiteral("OFF");
    s.set_address(0xFFF);
    s.Last_address = 2047;

    fuse::Combo_init(s);
    image::Clear_and_dump(s);
    w.SSTab1->show();
    make_room_for_every_language(w);
    restore_window_place(w);

    // The connection dialog; start-up goes on whether the user connects or cancels.
    frmCom().show_modal();

    fuse::Combo_init(s);
    fuse::set_pgm_wait(s, fuse::stored_pgm_wait(s.Rev_mode));
    restore_window_tab(w);
    if (!file.isEmpty())
        open_document(file);
    return true;
}

} // namespace shell
