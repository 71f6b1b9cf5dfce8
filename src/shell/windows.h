#pragma once
// The windows of the program and the session they show: each window is created on first
// use and reused.

#include "session/session.h"

namespace comm {
class FrmCom;
}

namespace shell {

class FrmAbout;
class FrmMain;
class FrmMsg;
class FrmWhat;

// The board the windows work with.
session::Session &session();

FrmMain &frmMain();
FrmWhat &frmWhat();
FrmMsg &frmMsg();
comm::FrmCom &frmCom();
FrmAbout &frmAbout();

bool frmMsg_loaded();
void unload_frmMsg();
void unload_frmAbout();

// Destroys every window and starts a fresh session (the end of the program, or between tests).
void unload_all_windows();

} // namespace shell
