#pragma once
// The program-wide state: every global of the program lives here.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace state {

// The record shared by every exchange with the board.
struct Link_state {
    double comxx_Start_time = 0;     // when the command was written (monotonic seconds)
    int16_t comxx_error = 0;         // abort counter: 0 = carry on, anything else = stop
    QByteArray comxx_Get_buffer;     // bytes of the last reply
    QByteArray comxx_Put_buffer;     // one payload byte while it is written
    bool comxx_Display_mode = false; // show the acknowledge of the bulk write commands
};

inline constexpr int image_size = 5001;
inline const QString blank_word = QStringLiteral("0FFF");

// Every global of the program with its start value, written once: the definitions below
// and reset_all() are both made from this list.
#define QORVIL_GLOBALS(X)                                                                       \
    X(Link_state, Link, {})                                                                     \
    X(int16_t, Pin_mode, 18)                                                                    \
    X(int16_t, Rev_mode, 1)                                                                     \
    X(bool, Com_setup_done, false)                                                              \
    X(int16_t, Address_pc, 0xFFF)                                                               \
    X(QString, Isp_mode, QStringLiteral("OFF"))                                                 \
    X(std::vector<QString>, Mem_buffer, (std::vector<QString>(image_size, blank_word)))         \
    X(std::vector<QString>, Read_buffer, (std::vector<QString>(image_size, blank_word)))        \
    X(QString, Read_data_word, {})                                                              \
    X(QString, Read_fusex_word, {})                                                             \
    X(QString, Read_device_word, {})                                                            \
    X(int16_t, Last_address, 2047)                                                              \
    X(int32_t, Last_used_address, 0)                                                            \
    X(int, Verify_running, 0)                                                                   \
    X(bool, Verify_from_button, false)                                                          \
    X(QString, Board_version, {})                                                               \
    X(bool, Fuse_tab_shown, false)                                                              \
    X(bool, Irctrim_edited, false)                                                              \
    X(int, Msg_shown, 0)                                                                        \
    X(QString, Title_text, {})                                                                  \
    X(QString, App_path, {})                                                                    \
    X(QString, Open_file_name, {})                                                              \
    X(QString, Save_file_name, {})                                                              \
    /* True from the start of a device operation to its end; everything that would start a   \
       second exchange or change the image is held back meanwhile. */                          \
    X(bool, Operation_running, false)                                                           \
    /* The main window was asked to close while an operation ran; it closes when the           \
       operation has ended. */                                                                  \
    X(bool, Close_requested, false)

#define QORVIL_DEFINE_GLOBAL(type, name, start) inline type name = start;
QORVIL_GLOBALS(QORVIL_DEFINE_GLOBAL)
#undef QORVIL_DEFINE_GLOBAL

} // namespace state

namespace state {
// Puts every global back to its start value (a fresh run; used between tests).
void reset_all();
} // namespace state
