#pragma once
// The translation context of this part of the program: Tr::tr("…") for texts made at
// run time, QT_TRANSLATE_NOOP("operations", "…") for texts kept in tables.

#include <QCoreApplication>

namespace operations {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(operations)
};
} // namespace operations
