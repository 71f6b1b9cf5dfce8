#include "desktop/busy.h"

#include <QCoreApplication>
#include <QTimer>

namespace desktop {
namespace {
std::function<void()> idle_hook;
}

Window_busy::Window_busy(session::Session &s) : busy_(s) {}

Window_busy::~Window_busy()
{
    if (busy_.outermost() && idle_hook)
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            if (idle_hook)
                idle_hook();
        });
}

void when_idle(std::function<void()> hook) { idle_hook = std::move(hook); }

} // namespace desktop
