#include "fuse_panel/revision_layout.h"

#include "fuse/tr.h"
#include "fuse_panel/fuse_controls.h"

#include <QGroupBox>
#include <QLabel>

namespace fuse {

void apply_revision_layout(Fuse_controls &c, int rev)
{
    const bool a = rev != 0;
    c.Label_msg->setText(a ? Tr::tr("A revisionが選択されています。") : QString());
    c.Label_msg_a->setText(a ? QString() : Tr::tr("old revisionが選択されています。"));
    for (QWidget *f : {static_cast<QWidget *>(c.Frame_fuse), static_cast<QWidget *>(c.Frame_fusex),
                       static_cast<QWidget *>(c.Frame_DEVICE)})
        f->setVisible(!a);
    for (QWidget *f : {static_cast<QWidget *>(c.Frame_fuse_a), static_cast<QWidget *>(c.Frame_fusex_a),
                       static_cast<QWidget *>(c.Frame_DEVICE_a)})
        f->setVisible(a);
}

} // namespace fuse
