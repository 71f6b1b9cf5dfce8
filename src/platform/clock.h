#pragma once
// Time for reply waits (monotonic), wall-clock time for elapsed-time texts, sleeping and
// yielding to the event loop.

#include <QDateTime>
#include <QString>

namespace platform {

double now_seconds();            // monotonic, seconds with fractions
void sleep_ms(int ms);           // blocks the calling thread
void yield_events();             // processes pending window events once
QDateTime wall_time();

// "hh:mm:ss" of the time between two instants (hours may exceed 23).
QString elapsed_text(const QDateTime &start, const QDateTime &end);

} // namespace platform
