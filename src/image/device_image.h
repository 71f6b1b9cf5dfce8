#pragma once
// The device image, the configuration words and the text dump "sx_hex.txt".

#include "session/session.h"

#include <QString>

namespace image {

// Blanks both images and the address; FUSE and FUSEX 0FFF, DEVICE 0FFE, decoded into the panel.
void Clear_image(session::Session &s);
// Writes the dump file of the image (when the session has a folder for it) and lets the
// memory view show it.
void Dump_image(session::Session &s);
void Clear_and_dump(session::Session &s);

// The dump file of the session: "sx_hex.txt" in App_path; empty when the session keeps none.
QString dump_path(const session::Session &s);

} // namespace image
