#pragma once
// The translation context of this part of the program: Tr::tr("…") for texts made at
// run time, QT_TRANSLATE_NOOP("manual", "…") for texts kept in tables.

#include <QCoreApplication>

namespace manual {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(manual)
};
} // namespace manual
