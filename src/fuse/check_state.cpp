#include "fuse/check_state.h"

#include "fuse/panel_values.h"

#include <QCheckBox>

namespace fuse {

int check_value(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return checked;
    case Qt::PartiallyChecked:
        return grayed;
    default:
        return unchecked;
    }
}

void set_check_value(QCheckBox *box, int value)
{
    box->setCheckState(value == checked ? Qt::Checked : value == grayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

} // namespace fuse
