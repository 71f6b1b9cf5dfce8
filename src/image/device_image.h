#pragma once
// The device image, the configuration-word labels and the text dump "sx_hex.txt".

#include <QString>

namespace image {

void Clear_image();
void Dump_image();
void Clear_and_dump();

// Full path of the dump file.
QString dump_path();

} // namespace image
