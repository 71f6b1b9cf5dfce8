#pragma once
// The windows every part of the program reaches: each created on first use and reused.
// The windows are built elsewhere; here they are only found.

namespace state {

class FrmMain;
class FrmWhat;
class FrmMsg;

FrmMain &frmMain();
FrmWhat &frmWhat();
FrmMsg &frmMsg();

bool frmMsg_loaded();
void unload_frmMsg();

// Destroys these windows and whatever they own.
void unload_windows();

} // namespace state
