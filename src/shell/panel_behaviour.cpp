#include "shell/panel_behaviour.h"

#include "desktop/captions.h"
#include "desktop/translation.h"
#include "fuse/pgm_wait.h"
#include "fuse/tabs.h"
#include "fuse/tr.h"
#include "fuse_panel/oscillator_rule.h"
#include "fuse_panel/revision_layout.h"
#include "image/device_image.h"
#include "shell/frm_main.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace shell {
namespace {

using fuse::Tr;

// Focus and key notifications of the A-revision trim field and the programming-wait field.
class Field_events final : public QObject {
public:
    explicit Field_events(FrmMain &w) : QObject(&w), w_(w)
    {
        w.Text_IRCTRIMa->installEventFilter(this);
        w.Text_pgm_wait->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == w_.Text_IRCTRIMa)
            trim_event(event);
        else if (watched == w_.Text_pgm_wait && event->type() == QEvent::FocusIn)
            desktop::set_caption(w_.L_pgm_msg, Tr::tr("数値の設定範囲は、0＜数値＜256です。"));
        return false;  // the field still gets every event
    }

private:
    void trim_event(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            w_.Label_msg_a->setText(Tr::tr("ここはSCENIX社で設定済みです。変更すると内部RC発周波数が変化します。"));
            break;
        case QEvent::FocusOut:
            w_.Label_msg_a->clear();
            break;
        case QEvent::KeyPress:
            if (is_character_key(static_cast<QKeyEvent *>(event)))
                w_.s.Irctrim_edited = true;
            break;
        default:
            break;
        }
    }

    // Keys that type a character, Enter and Backspace included; not the cursor and
    // editing keys such as Delete, nor a modifier pressed alone.
    static bool is_character_key(const QKeyEvent *k)
    {
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Backspace:
            return true;
        case Qt::Key_Delete:
            return false;
        default:
            return !k->text().isEmpty();
        }
    }

    FrmMain &w_;
};

// A load field shows its digits in upper case at once; the session takes them.
void load_field_changed(QLineEdit *field, QString &payload)
{
    const QString upper = field->text().toUpper();
    if (upper != field->text()) {
        const int cursor = field->cursorPosition();
        field->setText(upper);  // raises the change once more, which finds nothing to do
        field->setCursorPosition(cursor);
    }
    payload = field->text();
}

// The manual panel's address label, reply fields, load fields and read-data labels.
void show_manual_fields(FrmMain &w, bool shown)
{
    for (QWidget *c : {static_cast<QWidget *>(w.address_pc), static_cast<QWidget *>(w.text_in_hi),
                       static_cast<QWidget *>(w.text_in_low), static_cast<QWidget *>(w.text_in_trm),
                       static_cast<QWidget *>(w.text_out_hi), static_cast<QWidget *>(w.text_out_low),
                       static_cast<QWidget *>(w.Label_read_data), static_cast<QWidget *>(w.Label_read_data_bin)})
        c->setVisible(shown);
}

void option_menu(FrmMain &w)
{
    fuse::Select_fuse_tab(w.s);
    if (w.s.Pin_mode == 0)
        fuse::apply_irc_rule(w);
}

} // namespace

void tab_shown(FrmMain &w, int index)
{
    if (!w.tab_from_session)
        fuse::Tab_switch(w.s, session::Tab(index));
    if (index == int(session::Tab::commands)) {
        desktop::set_caption(w.L_pgm_msg, Tr::tr("通常は使用しません。\rコマンド解析に使用すると便利です。"));
        show_manual_fields(w, true);
    } else if (index == int(session::Tab::fuse_old)) {
        show_manual_fields(w, false);
    }
}

void connect_panel_handlers(FrmMain &w)
{
    session::Session &s = w.s;
    QObject::connect(w.SSTab1, &QTabWidget::currentChanged, &w, [&w](int index) { tab_shown(w, index); });
    QObject::connect(w.Text_pgm_wait, &QLineEdit::textChanged, &w, [&s](const QString &text) {
        if (text != s.Text_pgm_wait)
            fuse::set_pgm_wait(s, text);
    });
    QObject::connect(w.text_out_hi, &QLineEdit::textChanged, &w, [&w] { load_field_changed(w.text_out_hi, w.s.text_out_hi); });
    QObject::connect(w.text_out_low, &QLineEdit::textChanged, &w, [&w] { load_field_changed(w.text_out_low, w.s.text_out_low); });
    new Field_events(w);

    QObject::connect(w.nmuBufClear, &QAction::triggered, &w, [&s] { image::Clear_and_dump(s); });
    QObject::connect(w.mnuOption, &QAction::triggered, &w, [&w] { option_menu(w); });

    // Texts made from the state are made again in a new language.
    desktop::on_language_change(&w, [&w] {
        if (!w.Label_msg->text().isEmpty() || !w.Label_msg_a->text().isEmpty())
            fuse::apply_revision_layout(w, w.s.Rev_mode);
        w.Label_pgm_wait->setText(fuse::pgm_wait_caption(w.s.Text_pgm_wait));
    });
}

} // namespace shell
