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

inline Link_state Link;

inline int16_t Pin_mode = 18;
inline int16_t Rev_mode = 1;
inline bool Com_setup_done = false;
inline int16_t Address_pc = 0xFFF;
inline QString Isp_mode = QStringLiteral("OFF");
inline std::vector<QString> Mem_buffer(image_size, blank_word);
inline std::vector<QString> Read_buffer(image_size, blank_word);
inline QString Read_data_word;
inline QString Read_fusex_word;
inline QString Read_device_word;
inline int16_t Last_address = 2047;
inline int32_t Last_used_address = 0;
inline int Verify_running = 0;
inline bool Verify_from_button = false;
inline QString Board_version;
inline bool Fuse_tab_shown = false;
inline bool Irctrim_edited = false;
inline int Msg_shown = 0;
inline QString Title_text;
inline QString App_path;
inline QString Open_file_name;
inline QString Save_file_name;

// True from the start of a device operation to its end; everything that would start a
// second exchange or change the image is held back meanwhile.
inline bool Operation_running = false;

// The main window was asked to close while an operation ran; it closes when the
// operation has ended.
inline bool Close_requested = false;

} // namespace state

namespace state {
// Puts every global back to its start value (a fresh run; used between tests).
void reset_all();
} // namespace state
