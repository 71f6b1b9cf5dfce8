#pragma once
// The translation context of this part of the program: Tr::tr("…") for texts made at
// run time, QT_TRANSLATE_NOOP("fuse", "…") for texts kept in tables.

#include <QCoreApplication>

namespace fuse {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(fuse)
};
} // namespace fuse
