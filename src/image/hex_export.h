#pragma once
// Writing the device image with the FUSE and FUSEX words as an Intel HEX file.

#include <QString>
#include <QStringList>

namespace image {

// The records of the image: one data record per eight words from address 0 to
// Last_address, the record with FUSE and FUSEX at byte address 0x2020, the end record.
// Takes the words as they are; does not encode the panel.
QStringList hex_records_of_image();

// Encodes the fuse panel into the FUSEX and FUSE labels, then writes the image to
// Save_file_name. An existing file is replaced only once the new one is complete, so a
// failed write leaves it as it was. A failure is reported on status panel 3; the result
// says whether the file was written.
bool Export_hex();

} // namespace image
