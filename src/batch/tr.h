#pragma once
// The translation context of the command line: Tr::tr("…") for texts made at run time,
// QT_TRANSLATE_NOOP("batch", "…") for texts kept in tables.

#include <QCoreApplication>

namespace batch {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(batch)
};
} // namespace batch
