#pragma once
// The translation context of this part of the program: Tr::tr("…") for texts made at
// run time, QT_TRANSLATE_NOOP("state", "…") for texts kept in tables.

#include <QCoreApplication>

namespace state {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(state)
};
} // namespace state
