#pragma once
// One programmer board and everything the program knows of it: the state every subsystem
// reads and writes (the globals of the board's original host program keep their names), the
// words and texts that program kept in the controls of its main window, the serial port and
// the exchange trace. The core works on a session; a front end owns one (the windows) or one
// per board (the command line) and hears from it through its Listener.

#include "platform/serial_port.h"
#include "session/panel_values.h"
#include "session/time_left.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace comm {
class Trace;
}

namespace session {

inline constexpr int image_size = 5001;
inline const QString blank_word = QStringLiteral("0FFF");

// The panels of the status bar.
enum class Panel { firmware = 1, progress, activity, time, settings };

// The tabs of the main window. The one in front decides which side is the master copy of
// FUSE and FUSEX: the fuse panel on the fuse tabs, the word texts on the command tab.
enum class Tab { fuse_old = 0, fuse_a = 1, commands = 2, memory = 3 };

// What a front end shows of the session, for View notices.
enum View : unsigned {
    words = 1u << 0,      // Label_fuse_word … Label_device_word_bin
    panel = 1u << 1,      // the fuse panel's values
    address = 1u << 2,    // address_pc
    reply = 1u << 3,      // text_in_hi, text_in_low, text_in_trm
    read_data = 1u << 4,  // Label_read_data, Label_read_data_bin
    version = 1u << 5,    // Label_version
    sync = 1u << 6,       // Label_sync_value, Sync_Label
    load = 1u << 7,       // text_out_hi, text_out_low
    pgm_wait = 1u << 8,   // Text_pgm_wait
    tab = 1u << 9,        // the tab in front
    lists = 1u << 10,     // the option lists were filled afresh
};

// The record shared by every exchange with the board.
struct Link_state {
    double comxx_Start_time = 0;     // when the command was written (monotonic seconds)
    int16_t comxx_error = 0;         // abort counter: 0 = carry on, anything else = stop
    QByteArray comxx_Get_buffer;     // bytes of the last reply
    QByteArray comxx_Put_buffer;     // one payload byte while it is written
    bool comxx_Display_mode = false; // show the acknowledge of the bulk write commands
};

// The first exchange that failed since the note was last cleared, named as the trace names
// it ("cor_entry_ISP", "program:7").
struct Failure {
    enum Kind { none, time_out, port_fault } kind = none;
    QString routine;
    QString reason;  // a port fault's reason
};

// What a front end hears while the core works. Every call comes from the thread that runs
// the session.
class Listener {
public:
    virtual ~Listener() = default;
    virtual void status_changed(Panel, const QString &) {}
    virtual void view_changed(unsigned /*View bits*/) {}
    // A step of an operation's word loop; `total` < 0 when the progress display closes.
    virtual void progress(long /*total*/, long /*current*/) {}
    // An operation has started its busy state (Cancel shown, the busy window with this text),
    // or ended it (Cancel hidden).
    virtual void phase_started(const QString & /*waiting_text*/) {}
    virtual void phase_ended() {}
    // The busy window is hidden (a fault), or closed (an operation's end).
    virtual void busy_window_hidden() {}
    virtual void busy_window_closed() {}
    // The dump file was written anew: the memory view shows it.
    virtual void dump_written(bool /*hide_while_loading*/) {}
    // A command routine met a fault: the communication-error report.
    virtual void board_faulted(const QString & /*report*/) {}
    // An operation found the port closed: the connection dialog, modally.
    virtual void open_connection() {}
};

class Session {
public:
    // Without a port the session uses the system's serial port, made when it is first used
    // (in the thread that uses it).
    explicit Session(std::unique_ptr<platform::Serial_port> port = {});
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // --- The program's state --------------------------------------------------------------
    Link_state Link;
    int16_t Pin_mode = 18;
    int16_t Rev_mode = 1;
    bool Com_setup_done = false;
    int16_t Address_pc = 0xFFF;
    QString Isp_mode = QStringLiteral("OFF");
    std::vector<QString> Mem_buffer = std::vector<QString>(image_size, blank_word);
    std::vector<QString> Read_buffer = std::vector<QString>(image_size, blank_word);
    QString Read_data_word, Read_fusex_word, Read_device_word;
    int16_t Last_address = 2047;
    int32_t Last_used_address = 0;
    Time_left time_left;  // of the word loop running now
    int Verify_running = 0;
    bool Verify_from_button = false;
    QString Board_version;
    bool Fuse_tab_shown = false;
    bool Irctrim_edited = false;
    QString Title_text;
    QString App_path;  // where the dump file goes; empty: no dump file
    QString Open_file_name;
    QString Save_file_name;
    // True while an operation or a single exchange runs (Busy_scope).
    bool Operation_running = false;

    // Address_pc and its caption address_pc ("0x" and the last three hex digits) together.
    void set_address(int16_t address);

    // --- What the board's original host kept in its main window's controls ---------------
    QString Label_fuse_word, Label_fuse_word_bin;
    QString Label_fusex_word, Label_fusex_word_bin;
    QString Label_device_word, Label_device_word_bin;
    QString text_out_hi = QStringLiteral("0F"), text_out_low = QStringLiteral("FF");  // the load payload
    QString Text_pgm_wait;                                                           // the programming wait
    QString text_in_hi, text_in_low, text_in_trm;                                    // the last reply
    QString address_pc = QStringLiteral("0xFFF");
    QString Label_read_data, Label_read_data_bin;
    QString Label_version;
    QString Label_sync_value, Sync_Label;
    fuse::Fuse_panel fuse_panel;
    fuse::Fusex_panel fusex_panel;
    fuse::Device_panel device_panel;
    Tab shown_tab = Tab::fuse_old;

    // --- The link ---------------------------------------------------------------------------
    platform::Serial_port &port();
    // Replaces the port; none: the system's port again, once it is used.
    void set_port(std::unique_ptr<platform::Serial_port> port) { port_ = std::move(port); }
    // The exchange trace; none while not tracing.
    std::shared_ptr<comm::Trace> trace;
    Failure failure;
    // Set from any thread: the running operation stops at its next test, through its abort
    // path, and whatever a front end runs after it does not start. `stop_signal`, when given,
    // is a flag that a signal sets, which stops the session as well.
    std::atomic<bool> stop_requested{false};
    const std::atomic<bool> *stop_signal = nullptr;
    bool stopping() const { return stop_requested || (stop_signal && *stop_signal); }

    // --- Telling the front end ---------------------------------------------------------------
    Listener &listener() { return *listener_; }
    void set_listener(Listener *listener);  // nullptr: nobody listens
    void show(unsigned views) { listener_->view_changed(views); }

    // A status text as it stands, in every language (an identification, a time, a port).
    void Set_status_text(Panel panel, const QString &text);
    // A status text made in the language of the moment, and made again by retranslate_status.
    void Set_status_text(Panel panel, std::function<QString()> make);
    QString status_text(Panel panel) const { return status_[size_t(panel)]; }
    // False until the panel has been given a text: it shows its caption.
    bool status_set(Panel panel) const { return bool(makers_[size_t(panel)]); }
    // After a change of language: every status text made anew, and the listener told.
    void retranslate_status();

private:
    std::unique_ptr<platform::Serial_port> port_;
    Listener silent_;
    Listener *listener_ = &silent_;
    std::array<QString, 6> status_;
    std::array<std::function<QString()>, 6> makers_;
};

// Marks an operation or an exchange as running, for as long as it lives.
class Busy_scope {
public:
    explicit Busy_scope(Session &s) : s_(s), outermost_(!s.Operation_running) { s.Operation_running = true; }
    ~Busy_scope()
    {
        if (outermost_)
            s_.Operation_running = false;
    }
    Busy_scope(const Busy_scope &) = delete;
    Busy_scope &operator=(const Busy_scope &) = delete;
    bool outermost() const { return outermost_; }

private:
    Session &s_;
    bool outermost_;
};

} // namespace session
