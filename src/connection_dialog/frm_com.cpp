#include "connection_dialog/frm_com.h"

#include "connection_dialog/frm_com_probe.h"
#include "desktop/captions.h"
#include "desktop/message_box.h"
#include "desktop/translation.h"
#include "fuse/pgm_wait.h"
#include "link/identification.h"
#include "link/tr.h"
#include "link/trace.h"
#include "platform/com_ports.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace comm {
namespace {
QString retry_line() { return Tr::tr("再度、ポート番号を設定してください。"); }

// A stored number, or the fallback when the text is not a whole number in range.
int stored_int(const QString &key, int fallback, int low, int high)
{
    bool ok = false;
    const int v = platform::get_setting(key, QString::number(fallback)).trimmed().toInt(&ok);
    return ok && v >= low && v <= high ? v : fallback;
}

void select_one(QRadioButton *a, QRadioButton *b, int which)
{
    a->setAutoExclusive(false);
    b->setAutoExclusive(false);
    a->setChecked(which == 0);
    b->setChecked(which == 1);
    a->setAutoExclusive(true);
    b->setAutoExclusive(true);
}

void port_open_failed(QWidget *parent, const QString &text)
{
    desktop::show_message({desktop::Icon::critical, Tr::tr("ﾎﾟｰﾄｵｰﾌﾟﾝ失敗"), text, desktop::Buttons::ok}, parent);
}

QString opened_device;  // the device this program last opened (and asked for low latency)
} // namespace

QString settings_panel_text(int port, int pins, int rev)
{
    //: Status panel 5 opens the connection dialog when its text begins with "Com": keep it.
    return Tr::tr("Com%1 %2Pin").arg(port).arg(pins) + (rev == 0 ? Tr::tr(" Rev:OLD") : Tr::tr(" Rev: A "));
}

FrmCom::FrmCom(session::Session &s, QWidget *parent) : QDialog(parent), s_(s)
{
    setObjectName(QStringLiteral("frmCom"));
    desktop::show_text(this, "comm", QT_TRANSLATE_NOOP("comm", "初期設定画面"));
    setModal(true);

    Frame_port = new QGroupBox(this);
    desktop::show_text(Frame_port, "comm", QT_TRANSLATE_NOOP("comm", "通信ポート"));
    Frame_port->setObjectName(QStringLiteral("Frame_port"));
    Combo_com = new QComboBox(Frame_port);
    Combo_com->setObjectName(QStringLiteral("Combo_com"));
    Label_device_path = new QLabel(Frame_port);
    Label_device_path->setObjectName(QStringLiteral("Label_device_path"));
    Label_device_path->setWordWrap(true);
    Label_device_path->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = Label_device_path->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Label_device_path->setFont(small);
    // Room for a device name such as /dev/ttyUSB0 on two lines.
    Label_device_path->setMinimumHeight(2 * QFontMetrics(small).lineSpacing());
    Label_device_path->setMinimumWidth(QFontMetrics(small).horizontalAdvance(QStringLiteral("/dev/serial/by-id/usb-")));
    auto *port_box = new QVBoxLayout(Frame_port);
    port_box->addWidget(Combo_com);
    port_box->addWidget(Label_device_path, 1);

    Frame_device = new QGroupBox(this);
    desktop::show_text(Frame_device, "comm", QT_TRANSLATE_NOOP("comm", "ﾃﾞﾊﾞｲｽﾀｲﾌﾟ"));
    Frame_device->setObjectName(QStringLiteral("Frame_device"));
    Option_18pin = new QRadioButton(Frame_device);
    desktop::show_text(Option_18pin, "comm", QT_TRANSLATE_NOOP("comm", "18pin"));
    Option_18pin->setObjectName(QStringLiteral("Option_18pin"));
    Option_28pin = new QRadioButton(Frame_device);
    desktop::show_text(Option_28pin, "comm", QT_TRANSLATE_NOOP("comm", "28pin"));
    Option_28pin->setObjectName(QStringLiteral("Option_28pin"));
    auto *device_box = new QVBoxLayout(Frame_device);
    device_box->addWidget(Option_18pin);
    device_box->addWidget(Option_28pin);

    Frame_ver = new QGroupBox(this);
    desktop::show_text(Frame_ver, "comm", QT_TRANSLATE_NOOP("comm", "リビジョン"));
    Frame_ver->setObjectName(QStringLiteral("Frame_ver"));
    Option_old = new QRadioButton(Frame_ver);
    desktop::show_text(Option_old, "comm", QT_TRANSLATE_NOOP("comm", "old revision"));
    Option_old->setObjectName(QStringLiteral("Option_old"));
    Option_arev = new QRadioButton(Frame_ver);
    desktop::show_text(Option_arev, "comm", QT_TRANSLATE_NOOP("comm", " A  revision"));
    Option_arev->setObjectName(QStringLiteral("Option_arev"));
    Command_what = new QPushButton(Frame_ver);
    desktop::show_text(Command_what, "comm", QT_TRANSLATE_NOOP("comm", "レビジョンについて"));
    Command_what->setObjectName(QStringLiteral("Command_what"));
    auto *ver_box = new QVBoxLayout(Frame_ver);
    ver_box->addWidget(Option_old);
    ver_box->addWidget(Option_arev);
    ver_box->addStretch();
    ver_box->addWidget(Command_what);

    // The progress and failure texts stand where the three frames stand.
    Label_com_info = new QLabel(this);
    Label_com_info->setObjectName(QStringLiteral("Label_com_info"));
    Label_com_info->setWordWrap(true);
    Label_com_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_com_info->setFrameShape(QFrame::StyledPanel);
    Label_com_info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    Label_com_info->hide();

    Command_ok = new QPushButton(this);
    desktop::show_text(Command_ok, "comm", QT_TRANSLATE_NOOP("comm", "OK"));
    Command_ok->setObjectName(QStringLiteral("Command_ok"));
    Command_ok->setDefault(true);
    Command_cancel = new QPushButton(this);
    desktop::show_text(Command_cancel, "comm", QT_TRANSLATE_NOOP("comm", "CANCEL"));
    Command_cancel->setObjectName(QStringLiteral("Command_cancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Frame_port, 0, 0);
    grid->addWidget(Frame_device, 1, 0);
    grid->addWidget(Frame_ver, 0, 1, 2, 1);
    grid->addWidget(Label_com_info, 0, 0, 2, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_ok);
    buttons->addWidget(Command_cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    // The dialog keeps the size of its settings view in the other views.
    for (QWidget *frame : {static_cast<QWidget *>(Frame_port), static_cast<QWidget *>(Frame_device),
                           static_cast<QWidget *>(Frame_ver)}) {
        QSizePolicy keep = frame->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(keep);
    }
    grid->setSizeConstraint(QLayout::SetFixedSize);

    if (parent)
        parent->installEventFilter(this);
    connect(Option_18pin, &QRadioButton::clicked, this, [this] { s_.Pin_mode = 18; });
    connect(Option_28pin, &QRadioButton::clicked, this, [this] { s_.Pin_mode = 28; });
    connect(Option_old, &QRadioButton::clicked, this, [this] {
        s_.Rev_mode = 0;
        platform::put_setting(QStringLiteral("Rev_mode"), QStringLiteral("0"));
    });
    connect(Option_arev, &QRadioButton::clicked, this, [this] {
        s_.Rev_mode = 1;
        platform::put_setting(QStringLiteral("Rev_mode"), QStringLiteral("1"));
    });
    connect(Command_what, &QPushButton::clicked, this, [this] { emit revision_help_wanted(); });
    connect(Command_ok, &QPushButton::clicked, this, [this] { ok_clicked(); });
    connect(Command_cancel, &QPushButton::clicked, this, [this] { cancel_clicked(); });
    connect(Combo_com, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { update_device_hint(); });
    add_port_probe(*this);
    // Tab goes as the eye reads: the port column top down, the revision column, the buttons.
    QWidget *order[] = {Combo_com, findChild<QPushButton *>(QStringLiteral("Command_probe")), Option_18pin, Option_28pin,
                        Option_old, Option_arev, Command_what, Command_ok, Command_cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmCom::show_modal()
{
    load();
    exec();
}

void FrmCom::show_modeless()
{
    load();
    show();
    raise();
}

void FrmCom::load()
{
    emit loading();
    show_frames(true);
    centre();
    Command_ok->setEnabled(true);
    Combo_com->setFocus();  // Enter is OK, whichever button had the focus last time

    s_.Pin_mode = int16_t(stored_int(QStringLiteral("Pin_mode"), 18, -32768, 32767));
    select_one(Option_18pin, Option_28pin, s_.Pin_mode == 18 ? 0 : s_.Pin_mode == 28 ? 1 : -1);
    s_.Rev_mode = int16_t(stored_int(QStringLiteral("Rev_mode"), 1, -32768, 32767));
    select_one(Option_old, Option_arev, s_.Rev_mode == 0 ? 0 : s_.Rev_mode == 1 ? 1 : -1);

    const QSignalBlocker block(Combo_com);
    Combo_com->clear();
    Combo_com->addItem(QStringLiteral("COM?"));  // untranslated: port names
    Combo_com->setItemData(0, Tr::tr("ポートが選択されていません"), Qt::ToolTipRole);
    QFont present = Combo_com->font();  // entries with a device behind them stand out
    present.setBold(true);
    for (int n = 1; n <= 9; ++n) {
        Combo_com->addItem(QStringLiteral("COM%1").arg(n));  // untranslated: port names
        const QString device = platform::com_device(n);
        if (platform::device_present(device))
            Combo_com->setItemData(n, present, Qt::FontRole);
        Combo_com->setItemData(n, device.isEmpty() ? Tr::tr("デバイスがありません") : device,
                               Qt::ToolTipRole);
    }
    Combo_com->setCurrentIndex(stored_int(QStringLiteral("ComNo"), 0, 0, 9));
    update_device_hint();

    comxx_error = 0;
    open_ = true;
}

void FrmCom::centre()
{
    QWidget *main = parentWidget();
    if (!main)
        return;
    adjustSize();
    const QRect m = main->frameGeometry();
    move(m.left() + (m.width() - width()) / 2, m.top() + (m.height() - height()) / 2);
}

bool FrmCom::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager may place the main window only after the dialog has been placed
    // over it (the first start): the dialog follows the main window while it is shown.
    if (watched == parentWidget() && isVisible()
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        centre();
    return QDialog::eventFilter(watched, event);
}

void FrmCom::update_device_hint()
{
    const QString tip = Combo_com->currentData(Qt::ToolTipRole).toString();
    QString line = tip;
    // An adapter that still holds replies back after the open makes every operation slow.
    if (!opened_device.isEmpty() && opened_device == platform::com_device(Combo_com->currentIndex()))
        if (const auto ms = slow_adapter_timer_ms(opened_device))
            line += '\n' + tr("アダプタの遅延タイマーが%1\u00A0msです（1\u00A0msにする方法はヘルプを参照）").arg(*ms);
    Label_device_path->setText(line);
    Combo_com->setToolTip(tip);
}

void FrmCom::show_frames(bool frames_shown)
{
    Frame_port->setVisible(frames_shown);
    Frame_device->setVisible(frames_shown);
    Frame_ver->setVisible(frames_shown);
    Label_com_info->setVisible(!frames_shown);
}

void FrmCom::ok_clicked()
{
    if (in_ok_)
        return;
    auto &port = s_.port();

    if (comxx_error != 0) {
        show_frames(true);
        comxx_error = 0;
        return;
    }
    desktop::set_caption(Label_com_info,
                       "\r\n" + Tr::tr("ライターとの接続確認中.........  しばらく御待ち下さい。   "));
    show_frames(false);

    const int n = Combo_com->currentIndex();
    if (n <= 0) {
        port_open_failed(this, Tr::tr("COM? のオープンに失敗しました。") + "\r\r" + retry_line());
        port.close();
        show_frames(true);  // so that another port can be chosen, as the message asks
        return;
    }
    const QString device = platform::com_device(n);
    try {
        if (port.is_open())
            port.close();
        if (device.isEmpty())
            throw platform::Port_fault{platform::fault_open_failed,
                                       Tr::tr("このポート番号に当たるシリアルデバイスがありません。")};
        port.set_device(device);
        port.open();
    } catch (const platform::Port_fault &fault) {
        port_open_failed(this, Tr::tr("COM%1のオープンに失敗しました。").arg(n) + "\r\r" + retry_line()
                                   + QStringLiteral("\r\r") + (device.isEmpty() ? QStringLiteral("COM%1").arg(n) : device)
                                   + QStringLiteral("\r") + fault.reason);
        port.close();
        show_frames(true);
        return;
    }
    opened_device = device;
    update_device_hint();

    if (!Option_18pin->isChecked() && !Option_28pin->isChecked())
        comxx_error |= 2;
    if (Option_old->isChecked() || Option_arev->isChecked()) {
        const int rev = Option_old->isChecked() ? 0 : 1;
        emit revision_chosen(rev);
        fuse::set_pgm_wait(s_, fuse::stored_pgm_wait(rev));
    }
    if (!Option_old->isChecked() && !Option_arev->isChecked())
        comxx_error |= 4;

    if (comxx_error == 0) {
        const int generation = generation_;
        in_ok_ = true;
        Command_ok->setEnabled(false);
        const bool still_open = identify_board();
        in_ok_ = false;
        if (!still_open || generation != generation_) {
            // The dialog was closed during the wait: the board was not identified.
            port.close();
            return;
        }
        Command_ok->setEnabled(true);
    }

    if (comxx_error == 0)
        succeed();
    else
        fail();
}

bool FrmCom::identify_board()
{
    const int generation = generation_;
    const Identification id = comm::identify_board(s_, [&] { return generation == generation_; });
    comxx_Start_time = id.started;
    comxx_Get_buffer = id.reply;
    switch (id.outcome) {
    case Identification::abandoned:
        return false;
    case Identification::identified:
        s_.Set_status_text(session::Panel::firmware, id.line());
        break;
    case Identification::no_answer:
    case Identification::wrong_answer:
        comxx_error |= 1;
        break;
    }
    return true;
}

void FrmCom::succeed()
{
    const int n = Combo_com->currentIndex();
    done(QDialog::Accepted);
    s_.Set_status_text(session::Panel::activity, [] { return Tr::tr("初期設定完了"); });
    s_.Set_status_text(session::Panel::settings,
                       [n, pins = s_.Pin_mode, rev = s_.Rev_mode] { return settings_panel_text(n, pins, rev); });
    platform::put_setting(QStringLiteral("ComNo"), QString::number(n));
    platform::put_setting(QStringLiteral("Pin_mode"), QString::number(s_.Pin_mode));
    platform::put_setting(QStringLiteral("Rev_mode"), QString::number(s_.Rev_mode));
}

void FrmCom::fail()
{
    auto &port = s_.port();
    QString text;
    if (port.is_open())
        port.close();
    const int n = Combo_com->currentIndex();
    if (comxx_error & 1)
        text += Tr::tr("プログラマとの通信に失敗しました。\r\rライターの接続を確認してください。 ：　COM%1\r ")
                    .arg(n);
    if (comxx_error & 2)
        text += Tr::tr("デバイスモードが選択されていません。     \r\r18、28ピンのいずれかを選択してください。\r ");
    if (comxx_error & 4)
        text += Tr::tr("レビジョンが選択されていません。     \r\rold、A のいずれかを選択してください。\r ");
    desktop::set_caption(Label_com_info, text);
    show_frames(false);
    s_.Set_status_text(session::Panel::activity, [] { return Tr::tr("初期設定失敗"); });
}

void FrmCom::cancel_clicked()
{
    s_.Link.comxx_error = 1;
    done(QDialog::Rejected);
}

void FrmCom::done(int result)
{
    // Escape and the close box count as CANCEL: the operation that asked for the dialog stops.
    if (result == QDialog::Rejected && open_)
        s_.Link.comxx_error = 1;
    unload();
    QDialog::done(result);
}

void FrmCom::unload()
{
    if (!open_)
        return;
    open_ = false;
    ++generation_;
    in_ok_ = false;
    s_.Com_setup_done = true;
}

} // namespace comm
