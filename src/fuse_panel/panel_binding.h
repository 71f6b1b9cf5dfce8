#pragma once
// The controls of both fuse tabs show the session's panel values, and what the user changes
// there goes into the session.

#include "fuse_panel/fuse_controls.h"
#include "session/session.h"

#include <QObject>

class QWidget;

namespace fuse {

class Panel_binding final : public QObject {
public:
    // `owner` holds the controls (found by their names).
    Panel_binding(Fuse_controls &c, session::Session &s, QWidget *owner);

    // The controls take the session's values (and the oscillator switches their rules).
    void show_values();
    // The option lists anew, in the language shown; then the values.
    void fill_lists();

private:
    Fuse_controls &c_;
    session::Session &s_;
    QWidget *owner_;
    bool showing_ = false;  // the program sets the controls: nothing goes back
};

} // namespace fuse
