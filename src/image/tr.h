#pragma once
// The translation context of this part of the program: Tr::tr("…") for texts made at
// run time, QT_TRANSLATE_NOOP("image", "…") for texts kept in tables.

#include <QCoreApplication>

namespace image {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(image)
};
} // namespace image
