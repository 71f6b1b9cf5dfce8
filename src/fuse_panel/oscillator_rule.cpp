#include "fuse_panel/oscillator_rule.h"

#include "fuse_panel/fuse_controls.h"

#include <QCheckBox>
#include <QComboBox>

namespace fuse {

void apply_irc_rule(Fuse_controls &c)
{
    const bool internal = c.Check_IRC->checkState() == Qt::Checked;
    c.Combo_DIV->setEnabled(internal);
    c.Combo_FOSC->setEnabled(!internal);
}

void apply_irca_rule(Fuse_controls &c)
{
    const bool internal = c.Check_IRCa->checkState() == Qt::Checked;
    c.Combo_DIVa->setEnabled(internal);
    c.Combo_FOSCa->setEnabled(!internal);
    c.Check_IFBDa->setEnabled(!internal);
}

} // namespace fuse
