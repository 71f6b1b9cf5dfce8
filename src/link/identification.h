#pragma once
// The board handshake: ask for the version and check the identification text.

#include <QByteArray>
#include <QString>
#include <functional>

namespace comm {

struct Identification {
    enum Outcome { identified, no_answer, wrong_answer, abandoned } outcome = no_answer;
    QByteArray reply;  // what the board sent
    double started = 0; // when the request was written (monotonic seconds)

    // Characters 4 to 18 of the reply: the identification line for the status bar.
    QString line() const { return QString::fromLatin1(reply).mid(3, 15); }
};

// Configures the open port, sends "=" and waits up to 2 seconds for 15 bytes, yielding to
// the event loop meanwhile. `keep_waiting` is asked after each yield; when it says no, the
// wait is abandoned. Port faults on single steps are passed over: a dead line simply does
// not answer.
Identification identify_board(const std::function<bool()> &keep_waiting = {});

} // namespace comm
