#pragma once
// Starting and stopping the exchange trace from the Option menu and the command line.

#include <QString>

namespace shell {

class FrmMain;

// Appends "通信ログを保存..." to the Option menu; it is checked while a trace runs.
void add_trace_menu_entry(FrmMain &w);

// What the entry does: stops a running trace, otherwise asks for a file and traces into it.
void trace_menu_chosen();

// Starts the trace into `path`. Returns an empty text, or the status-panel text telling
// why the file cannot be opened.
QString start_window_trace(const QString &path);

} // namespace shell
