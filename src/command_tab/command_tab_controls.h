#pragma once
// The controls of the command tab: word labels, reply and load fields, program wait,
// and the command buttons.

#include <QString>
#include <map>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace manual {

struct Command_tab_controls {
    QLabel *address_pc = nullptr;
    QLineEdit *text_out_hi = nullptr;
    QLineEdit *text_out_low = nullptr;
    QLabel *Label_out_hint = nullptr;
    QGroupBox *Frame_reply = nullptr;
    QLineEdit *text_in_hi = nullptr;
    QLineEdit *text_in_low = nullptr;
    QLineEdit *text_in_trm = nullptr;
    QLabel *Label_read_data = nullptr;
    QLabel *Label_read_data_bin = nullptr;
    QLabel *Label_fuse_word = nullptr;
    QLabel *Label_fuse_word_bin = nullptr;
    QLabel *Label_fusex_word = nullptr;
    QLabel *Label_fusex_word_bin = nullptr;
    QLabel *Label_device_word = nullptr;
    QLabel *Label_device_word_bin = nullptr;
    QLabel *Label_version = nullptr;
    QLabel *Label_sync_value = nullptr;
    QLabel *Sync_Label = nullptr;
    QLineEdit *Text_pgm_wait = nullptr;
    QLabel *Label_pgm_wait = nullptr;
    QLabel *L_pgm_msg = nullptr;
    // The command buttons by control name ("Enrty_isp_mode", "read_data", ...).
    std::map<QString, QPushButton *> command_buttons;
};

} // namespace manual
