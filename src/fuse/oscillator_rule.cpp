#include "fuse/oscillator_rule.h"

#include "fuse/check_state.h"
#include "state/fuse_controls.h"
#include "fuse/panel_values.h"
#include "state/frm_main.h"
#include "state/windows.h"

#include <QCheckBox>
#include <QComboBox>

namespace fuse {

void apply_irc_rule(state::Fuse_controls &c)
{
    const bool internal = check_value(c.Check_IRC) == checked;
    c.Combo_DIV->setEnabled(internal);
    c.Combo_FOSC->setEnabled(!internal);
}

void apply_irca_rule(state::Fuse_controls &c)
{
    const bool internal = check_value(c.Check_IRCa) == checked;
    c.Combo_DIVa->setEnabled(internal);
    c.Combo_FOSCa->setEnabled(!internal);
    c.Check_IFBDa->setEnabled(!internal);
}

void Check_IRC_click() { apply_irc_rule(state::frmMain()); }
void Check_IRCa_click() { apply_irca_rule(state::frmMain()); }

} // namespace fuse
