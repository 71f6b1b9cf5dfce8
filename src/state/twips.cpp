#include "state/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace state {
namespace {
double dpi()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const double d = s ? s->logicalDotsPerInchX() : 96.0;
    return d > 0 ? d : 96.0;
}
} // namespace

int px(int twips) { return int(std::lround(twips * dpi() / 1440.0)); }
int twips(int pixels) { return int(std::lround(pixels * 1440.0 / dpi())); }
QRect tw_rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace state
