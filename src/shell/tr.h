#pragma once
// The translation context of this part of the program: Tr::tr("…") for texts made at
// run time, QT_TRANSLATE_NOOP("shell", "…") for texts kept in tables.

#include <QCoreApplication>

namespace shell {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(shell)
};
} // namespace shell
