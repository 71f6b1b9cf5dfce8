#pragma once
// The board handshake: ask for the version and check the identification text.

#include "session/session.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace comm {

// The board answers "=" with this many bytes.
constexpr int identification_length = 15;

// Whether a reply is the board's identification: at least 15 bytes, characters 4 to 9
// (counted from 1) exactly "QORVIL".
bool is_board_identification(const QByteArray &reply);

// Characters 4 to 18 of the reply: the identification line for the status bar.
QString identification_line(const QByteArray &reply);

struct Identification {
    enum Outcome { identified, no_answer, wrong_answer, abandoned } outcome = no_answer;
    QByteArray reply;  // what the board sent
    double started = 0; // when the request was written (monotonic seconds)

    QString line() const { return identification_line(reply); }
};

// Configures the session's port (opening it when it is closed), sends "=" and waits up to 2
// seconds for 15 bytes, yielding to the event loop meanwhile. `keep_waiting` is asked after
// each yield; when it says no, the wait is abandoned. Port faults on single steps are passed
// over: a dead line simply does not answer.
Identification identify_board(session::Session &s, const std::function<bool()> &keep_waiting = {});

} // namespace comm
