#include "fuse_panel/panel_binding.h"

#include "desktop/translation.h"
#include "fuse/option_tables.h"
#include "fuse_panel/oscillator_rule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace fuse {
namespace {

Qt::CheckState check_state(int value)
{
    return value == checked ? Qt::Checked : value == grayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

int check_value(int state) { return state == Qt::Checked ? checked : state == Qt::PartiallyChecked ? grayed : unchecked; }

} // namespace

Panel_binding::Panel_binding(Fuse_controls &c, session::Session &s, QWidget *owner)
    : QObject(owner), c_(c), s_(s), owner_(owner)
{
    for (const Panel_value &v : panel_values(s)) {
        QWidget *w = owner->findChild<QWidget *>(QLatin1String(v.name));
        if (auto *combo = qobject_cast<QComboBox *>(w))
            connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, n = v.number](int index) {
                if (!showing_)
                    *n = index;
            });
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            connect(check, &QCheckBox::stateChanged, this, [this, n = v.number](int state) {
                if (!showing_)
                    *n = check_value(state);
            });
        else if (auto *field = qobject_cast<QLineEdit *>(w))
            connect(field, &QLineEdit::textChanged, this, [this, t = v.text](const QString &text) {
                if (!showing_)
                    *t = text;
            });
    }
}

void Panel_binding::show_values()
{
    showing_ = true;
    for (const Panel_value &v : panel_values(s_)) {
        QWidget *w = owner_->findChild<QWidget *>(QLatin1String(v.name));
        if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setCurrentIndex(*v.number);
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            check->setCheckState(check_state(*v.number));
        else if (auto *field = qobject_cast<QLineEdit *>(w); field && field->text() != *v.text)
            field->setText(*v.text);
    }
    showing_ = false;
    apply_irc_rule(c_);
    apply_irca_rule(c_);
}

void Panel_binding::fill_lists()
{
    showing_ = true;
    for (const Option_list &list : option_lists()) {
        auto *box = owner_->findChild<QComboBox *>(QLatin1String(list.name));
        box->clear();
        for (size_t i = 0; i < list.entries->size(); ++i)
            box->addItem(QString());
        desktop::show_items(box, "fuse", *list.entries);
    }
    showing_ = false;
    show_values();
}

} // namespace fuse
