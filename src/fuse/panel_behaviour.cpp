#include "fuse/panel_behaviour.h"

#include "fuse/tr.h"
#include "state/translation.h"
#include "fuse/pgm_wait.h"
#include "fuse/revision_layout.h"

#include "fuse/fuse_words.h"
#include "fuse/oscillator_rule.h"
#include "fuse/select_fuse_tab.h"
#include "image/device_image.h"
#include "state/captions.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace fuse {
namespace {

const char *const connected_property = "fuse_panel_handlers";

// Focus and key notifications of the A-revision trim field and the program-wait field.
class Field_events final : public QObject {
public:
    explicit Field_events(state::FrmMain &w) : QObject(&w), w_(w)
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
            state::set_caption(w_.L_pgm_msg, Tr::tr("数値の設定範囲は、0＜数値＜256です。"));
        return false;  // the field still gets every event
    }

private:
    void trim_event(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            w_.Label_msg_a->setText(
                Tr::tr("ここはSCENIX社で設定済みです。変更すると内部RC発周波数が変化します。"));
            break;
        case QEvent::FocusOut:
            w_.Label_msg_a->clear();
            break;
        case QEvent::KeyPress:
            if (is_character_key(static_cast<QKeyEvent *>(event)))
                state::Irctrim_edited = true;
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

    state::FrmMain &w_;
};

void upper_case(QLineEdit *field)
{
    const QString upper = field->text().toUpper();
    if (upper == field->text())
        return;
    const int cursor = field->cursorPosition();
    field->setText(upper);  // raises the change once more, which finds nothing to do
    field->setCursorPosition(cursor);
}

// The manual panel's address label, reply fields, load fields and read-data labels.
void show_manual_fields(state::FrmMain &w, bool shown)
{
    for (QWidget *c : {static_cast<QWidget *>(w.address_pc), static_cast<QWidget *>(w.text_in_hi),
                       static_cast<QWidget *>(w.text_in_low), static_cast<QWidget *>(w.text_in_trm),
                       static_cast<QWidget *>(w.text_out_hi), static_cast<QWidget *>(w.text_out_low),
                       static_cast<QWidget *>(w.Label_read_data), static_cast<QWidget *>(w.Label_read_data_bin)})
        c->setVisible(shown);
}

void option_menu()
{
    Select_fuse_tab();
    if (state::Pin_mode == 0)
        Check_IRC_click();
}

} // namespace

void connect_panel_handlers()
{
    state::FrmMain &w = state::frmMain();
    if (w.property(connected_property).toBool())
        return;
    w.setProperty(connected_property, true);

    QObject::connect(w.SSTab1, &QTabWidget::currentChanged, &w, [](int index) { Tab_switch(index); });
    QObject::connect(w.Text_pgm_wait, &QLineEdit::textChanged, &w, [] { Pgm_wait_changed(); });
    QObject::connect(w.text_out_hi, &QLineEdit::textChanged, &w, [&w] { upper_case(w.text_out_hi); });
    QObject::connect(w.text_out_low, &QLineEdit::textChanged, &w, [&w] { upper_case(w.text_out_low); });
    new Field_events(w);

    QObject::connect(w.nmuBufClear, &QAction::triggered, &w, [] { image::Clear_and_dump(); });
    QObject::connect(w.mnuOption, &QAction::triggered, &w, [] { option_menu(); });

    // Texts made from the state are made again in a new language.
    state::on_language_change(&w, [&w] {
        if (!w.Label_msg->text().isEmpty() || !w.Label_msg_a->text().isEmpty())
            apply_revision_layout(state::Rev_mode);
        w.Label_pgm_wait->setText(pgm_wait_caption(w.Text_pgm_wait->text()));
    });
}

void Tab_switch(int index)
{
    state::FrmMain &w = state::frmMain();
    switch (index) {
    case 0:
    case 1:
        // The word labels may have changed on the command tab: the panel follows them.
        Fuse_word_to_panel();
        Fusex_word_to_panel();
        break;
    case 2:
        state::set_caption(w.L_pgm_msg,
                           Tr::tr("通常は使用しません。\rコマンド解析に使用すると便利です。"));
        // The command tab shows the words: they follow the panel.
        Fuse_panel_to_word();
        Fusex_panel_to_word();
        break;
    default:
        break;
    }
    if (index == 2)
        show_manual_fields(w, true);
    else if (index == 0)
        show_manual_fields(w, false);
    Pgm_wait_changed();
}

} // namespace fuse
