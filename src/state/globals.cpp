#include "state/globals.h"

namespace state {

void reset_all()
{
    Link = Link_state{};
    Pin_mode = 18;
    Rev_mode = 1;
    Com_setup_done = false;
    Address_pc = 0xFFF;
    Isp_mode = QStringLiteral("OFF");
    Mem_buffer.assign(image_size, blank_word);
    Read_buffer.assign(image_size, blank_word);
    Read_data_word.clear();
    Read_fusex_word.clear();
    Read_device_word.clear();
    Last_address = 2047;
    Last_used_address = 0;
    Verify_running = 0;
    Verify_from_button = false;
    Board_version.clear();
    Fuse_tab_shown = false;
    Irctrim_edited = false;
    Msg_shown = 0;
    Title_text.clear();
    App_path.clear();
    Open_file_name.clear();
    Save_file_name.clear();
    Operation_running = false;
    Close_requested = false;
}

} // namespace state
