#pragma once
// The option lists of the fuse panel and every value of the panel by the name of the control
// that shows it.

#include "session/session.h"

#include <vector>

namespace fuse {

// One list: the control's name, its entries (entry index = the value of the word field, so
// the order is fixed) and the entry selected when the lists are filled.
struct Option_list {
    const char *name;
    const std::vector<const char *> *entries;  // translated in context "fuse"
    int default_index;
};
const std::vector<Option_list> &option_lists();

// Fills the lists anew: every list's value becomes its default entry.
void Combo_init(session::Session &s);

// A value of the panel: a list's entry index or a check box's state (`number`), or a trim
// field's text (`text`).
struct Panel_value {
    const char *name;  // "Combo_FOSC", "Check_CPa", "Text_IRCTRIM", …
    int *number;
    QString *text;
};
std::vector<Panel_value> panel_values(session::Session &s);

} // namespace fuse
