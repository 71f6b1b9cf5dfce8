#pragma once
// Window layout is designed in twips (1/1440 inch) and converted at the screen's logical DPI.

#include <QRect>

namespace state {

int px(int twips);          // twips to device-independent pixels
int twips(int pixels);      // pixels to twips
QRect tw_rect(int left, int top, int width, int height);

} // namespace state
