#pragma once
// The connection dialog's search for the board: a "自動検出" button beside the port list
// and a list of what every port answered.

namespace comm {

class FrmCom;

// Creates the button and the result list in the dialog and connects them; called once,
// from the dialog's constructor.
void add_port_probe(FrmCom &dialog);

} // namespace comm
