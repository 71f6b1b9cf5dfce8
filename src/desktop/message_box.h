#pragma once
// Message boxes. A responder installed by tests (or batch mode) answers instead of a window.

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace desktop {

enum class Icon { none, information, exclamation, critical, question };
enum class Buttons { ok, ok_cancel, yes_no };
enum class Answer { ok, cancel, yes, no };

struct Message {
    Icon icon = Icon::none;
    QString title;
    QString text;
    Buttons buttons = Buttons::ok;
};

using Responder = std::function<Answer(const Message &)>;

// Shows the box modally (over `parent` when given) and returns the user's answer.
Answer show_message(const Message &message, QWidget *parent = nullptr);

// The box's text as shown: lines for the carriage returns, and a table when the lines hold
// columns separated by tabs.
QString message_markup(QString text);

// Replaces the window by `responder`; an empty responder restores the window.
void set_message_responder(Responder responder);

} // namespace desktop
