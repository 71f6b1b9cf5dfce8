#pragma once
// What the program's tests share: a fresh program state, scripted message boxes and file
// dialogs, and waiting for a condition without fixed sleeps.

#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace state { class FrmMain; }

namespace test {

// Scripted answers to message boxes; every box shown is recorded.
class Message_script {
public:
    Message_script();
    ~Message_script();
    std::vector<platform::Message> shown;
    std::vector<platform::Answer> answers;  // used in order; then `fallback`
    platform::Answer fallback = platform::Answer::ok;
    // Runs while a box is "open" (for example to click Cancel meanwhile).
    std::function<void(const platform::Message &)> on_show;
};

// Scripted answers to file dialogs.
class File_script {
public:
    File_script();
    ~File_script();
    std::vector<platform::File_request> asked;
    QStringList answers;  // used in order; then empty (cancel)
};

// Deletes every window, resets every global and the settings store, and installs the
// in-memory defaults of a first run. The work folder is a fresh temporary folder.
void fresh_program();

// A fresh program as start-up leaves it before the connection dialog: the main window
// with its handlers and option lists, the image cleared. Returns the main window.
state::FrmMain *program_at_rest();

// A fresh program for the lifetime of a test fixture: declare it as the fixture's first
// member, so that members initialised after it see the new windows.
struct Fresh_program {
    Fresh_program() { fresh_program(); }
    ~Fresh_program() { fresh_program(); }
};

// Processes events until `condition` holds or `limit_ms` passes; returns the condition.
bool wait_until(const std::function<bool()> &condition, int limit_ms = 10000);

// Runs `action` once the event loop is running (for example inside a modal exec()).
void when_idle(std::function<void()> action);

// Settings of section "Settings" (empty text when absent).
QString stored(const QString &key);
void store(const QString &key, const QString &value);

} // namespace test
