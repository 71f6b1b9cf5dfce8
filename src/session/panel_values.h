#pragma once
// The values the fuse panel's controls hold, apart from the widgets themselves: what the
// word decoders produce and the word encoders read. The session keeps them; the windows show
// them in the controls of the two fuse tabs.

#include <QString>

namespace fuse {

// Check box states.
inline constexpr int unchecked = 0;
inline constexpr int checked = 1;
inline constexpr int grayed = 2;

// Combo box without a selected entry.
inline constexpr int no_selection = -1;

// The controls the FUSE word covers, both layouts.
struct Fuse_panel {
    // Old revision.
    int Combo_FOSC = no_selection;
    int Combo_DIV = no_selection;
    int Check_TURBO = unchecked;
    int Check_SYNC = unchecked;
    int Check_OPTIONX = unchecked;
    int Check_STACKX = unchecked;
    int Check_IRC = unchecked;
    int Check_CP = unchecked;
    int Check_WDTE = unchecked;
    // A revision.
    int Combo_FOSCa = no_selection;
    int Combo_DIVa = no_selection;
    int Check_TURBOa = unchecked;
    int Check_SYNCa = unchecked;
    int Check_IRCa = unchecked;
    int Check_IFBDa = unchecked;
    int Check_CPa = unchecked;
    int Check_WDTEa = unchecked;
};

// The controls the FUSEX word covers, both layouts.
struct Fusex_panel {
    // Old revision.
    int Combo_MEM = no_selection;
    int Combo_RAM = no_selection;
    int Combo_BOR = no_selection;
    int Check_CF = unchecked;
    QString Text_IRCTRIM;
    // A revision.
    int Combo_BPXa = no_selection;
    int Combo_BORTRa = no_selection;
    int Combo_BORa = no_selection;
    int Check_CFa = unchecked;
    int Check_OPT_STa = unchecked;
    QString Text_IRCTRIMa;
};

// The controls the DEVICE word covers (the same two fields in both layouts).
struct Device_panel {
    int Combo_RAM_DEVICE = no_selection;
    int Combo_RAM_DEVICEa = no_selection;
    int Combo_MEM_DEVICE = no_selection;
    int Combo_MEM_DEVICEa = no_selection;
};

} // namespace fuse
