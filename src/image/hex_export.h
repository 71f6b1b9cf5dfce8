#pragma once
// Writing the device image with the FUSE and FUSEX words as an Intel HEX file.

#include "session/session.h"

#include <QString>

namespace image {

// Encodes the fuse panel into the FUSEX and FUSE word texts, then writes the image to
// `path`. An existing file is replaced only once the new one is complete, so a failed write
// leaves it as it was. A failure is reported on status panel 3; the result says whether the
// file was written.
bool Export_hex(session::Session &s, const QString &path);

} // namespace image
