#pragma once
// The program's windows, each created on first use and reused afterwards.

namespace comm { class FrmCom; }

namespace shell {

class FrmMain;
class FrmAbout;
class FrmWhat;
class FrmMsg;

FrmMain &frmMain();
FrmAbout &frmAbout();
FrmWhat &frmWhat();
FrmMsg &frmMsg();
comm::FrmCom &frmCom();

bool frmMsg_loaded();
void unload_frmMsg();
void unload_frmAbout();

// Destroys every window (end of the program, or between tests).
void unload_all_windows();

} // namespace shell
