#pragma once
// The controls of the two fuse tabs: old revision (no suffix) and A revision (suffix a).

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace fuse {

struct Fuse_controls {
    // Old revision, tab 0.
    QGroupBox *Frame_fuse = nullptr;
    QGroupBox *Frame_fusex = nullptr;
    QGroupBox *Frame_DEVICE = nullptr;
    QLabel *Label_msg = nullptr;
    QComboBox *Combo_FOSC = nullptr;
    QComboBox *Combo_DIV = nullptr;
    QComboBox *Combo_BOR = nullptr;
    QComboBox *Combo_RAM = nullptr;
    QComboBox *Combo_MEM = nullptr;
    QComboBox *Combo_RAM_DEVICE = nullptr;
    QComboBox *Combo_MEM_DEVICE = nullptr;
    QCheckBox *Check_TURBO = nullptr;
    QCheckBox *Check_SYNC = nullptr;
    QCheckBox *Check_OPTIONX = nullptr;
    QCheckBox *Check_STACKX = nullptr;
    QCheckBox *Check_IRC = nullptr;
    QCheckBox *Check_CP = nullptr;
    QCheckBox *Check_WDTE = nullptr;
    QCheckBox *Check_CF = nullptr;
    QLineEdit *Text_IRCTRIM = nullptr;

    // A revision, tab 1.
    QGroupBox *Frame_fuse_a = nullptr;
    QGroupBox *Frame_fusex_a = nullptr;
    QGroupBox *Frame_DEVICE_a = nullptr;
    QLabel *Label_msg_a = nullptr;
    QComboBox *Combo_FOSCa = nullptr;
    QComboBox *Combo_DIVa = nullptr;
    QComboBox *Combo_BORa = nullptr;
    QComboBox *Combo_BORTRa = nullptr;
    QComboBox *Combo_BPXa = nullptr;
    QComboBox *Combo_RAM_DEVICEa = nullptr;
    QComboBox *Combo_MEM_DEVICEa = nullptr;
    QCheckBox *Check_TURBOa = nullptr;
    QCheckBox *Check_SYNCa = nullptr;
    QCheckBox *Check_IRCa = nullptr;
    QCheckBox *Check_IFBDa = nullptr;
    QCheckBox *Check_CPa = nullptr;
    QCheckBox *Check_WDTEa = nullptr;
    QCheckBox *Check_CFa = nullptr;
    QCheckBox *Check_OPT_STa = nullptr;
    QLineEdit *Text_IRCTRIMa = nullptr;
    QLabel *Label28 = nullptr;  // caption of Text_IRCTRIMa
};

} // namespace fuse
