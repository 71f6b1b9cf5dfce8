#pragma once
// Fonts for Japanese text.

#include <QFont>

namespace desktop {

// A fixed-pitch font that holds Japanese: "ＭＳ ゴシック" where present, else IPAGothic,
// else the system's fixed font.
QFont fixed_font(int point_size = 9);

// The fixed-pitch font one point larger than the user interface font, for words and dumps.
QFont value_font();

} // namespace desktop
