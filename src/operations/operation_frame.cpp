#include "operations/operation_frame.h"

#include "operations/tr.h"

#include "image/device_image.h"
#include "platform/clock.h"

#include <cmath>

namespace operations {

void start_word_loop(session::Session &s, const std::vector<session::Step_cost> &steps)
{
    s.time_left.start(steps, platform::now_seconds());
}

void Show_progress(session::Session &s, long total, long current)
{
    s.time_left.reach(current, platform::now_seconds());
    s.listener().progress(total, current);
    // A total of 0 (a single word) counts as complete.
    const int remaining = total > 0 ? int(100 - std::floor(100.0 * double(current) / double(total))) : 0;
    if (remaining % 5 == 0)
        s.Set_status_text(session::Panel::progress, [remaining] { return Tr::tr("残り　%1 %").arg(remaining); });
    if (current == total || total <= 0)
        s.Set_status_text(session::Panel::progress, QString());
    platform::yield_events();
}

void Close_progress(session::Session &s)
{
    s.time_left.stop();
    s.listener().progress(-1, 0);
    s.Set_status_text(session::Panel::progress, QString());
    platform::yield_events();
}

Stop Abort_operation(session::Session &s)
{
    Stop stop;
    switch (s.failure.kind) {
    case session::Failure::none:
        stop.reason = Stop::cancel;
        break;
    case session::Failure::time_out:
        stop.reason = Stop::time_out;
        break;
    case session::Failure::port_fault:
        stop.reason = Stop::port_fault;
        break;
    }
    stop.routine = s.failure.routine;
    stop.details = s.failure.reason;
    stop.counter = int16_t(s.Link.comxx_error + 1);
    comm::cor_exit_ISP(s);
    // Leaving ISP mode may itself fail (the board has gone silent); the count shown is
    // still the one of this abort.
    s.Link.comxx_error = int16_t(stop.counter);
    s.Set_status_text(session::Panel::activity, [counter = stop.counter] { return Tr::tr("処理中止 (%1)").arg(counter); });
    Close_progress(s);
    s.listener().phase_ended();
    s.listener().busy_window_hidden();
    return stop;
}

QString abort_box_title() { return Tr::tr("error"); }

QString abort_box_text()
{
    return Tr::tr("  デバイス　アクセスエラーが発生しました。  !!!　　　　  \r") + QString(28, ' ')
           + Tr::tr("\r  処理を中止しました。　");
}

void Ensure_port_open(session::Session &s)
{
    if (!s.port().is_open())
        s.listener().open_connection();
}

void Close_port_if_open(session::Session &s)
{
    if (s.port().is_open())
        s.port().close();
}

bool stopped(session::Session &s, Outcome &o)
{
    // An operation clears the counter when it starts; a stop asked for before must hold.
    if (s.stopping() && s.Link.comxx_error == 0)
        s.Link.comxx_error = 1;
    if (s.Link.comxx_error == 0)
        return false;
    o.end = Outcome::stopped;
    o.stop = Abort_operation(s);
    return true;
}

bool send_pin_mode(session::Session &s, Outcome &o)
{
    if (s.Pin_mode == 18) {
        comm::cor_mode_18pin(s);
        return true;
    }
    if (s.Pin_mode == 28) {
        comm::cor_mode_28pin(s);
        return true;
    }
    o.end = Outcome::not_started;
    o.refusal = Outcome::no_package;
    return false;
}

void show_elapsed(session::Session &s, const QDateTime &start)
{
    s.Set_status_text(session::Panel::time, platform::elapsed_text(start, platform::wall_time()));
}

void reset_for_operation(session::Session &s)
{
    s.Link.comxx_error = 0;
    s.failure = {};
    s.set_address(4095);
}

bool start_operation(session::Session &s, const Operation_start &start, Outcome &o)
{
    if (start.dump_image)
        image::Dump_image(s);
    if (start.clear_time)
        s.Set_status_text(session::Panel::time, QString());
    s.Set_status_text(session::Panel::activity, start.running_text);
    s.listener().phase_started(start.waiting_text);
    reset_for_operation(s);
    if (start.full_memory)
        s.Last_address = 2047;
    Ensure_port_open(s);
    if (stopped(s, o))
        return false;
    if (!send_pin_mode(s, o))
        return false;
    return !stopped(s, o);
}

bool run_chain(session::Session &s, Outcome &o, std::initializer_list<comm::Routine> routines)
{
    for (comm::Routine routine : routines) {
        routine(s);
        if (stopped(s, o))
            return false;
    }
    return true;
}

int last_non_blank_address(const session::Session &s)
{
    int last = -1;
    for (int i = 0; i <= s.Last_address; ++i)
        if (s.Mem_buffer[size_t(i)] != session::blank_word)
            last = i;
    return last;
}

} // namespace operations
