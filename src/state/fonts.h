#pragma once
// Fonts for Japanese text.

#include <QFont>

namespace state {

// A fixed-pitch font that holds Japanese: "ＭＳ ゴシック" where present, else IPAGothic,
// else the system's fixed font.
QFont fixed_font(int point_size = 9);

} // namespace state
