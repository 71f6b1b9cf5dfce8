#include "fuse/revision_layout.h"

#include "fuse/tr.h"

#include "platform/settings.h"
#include "state/frm_main.h"
#include "state/windows.h"

#include <QGroupBox>
#include <QLabel>

namespace fuse {

void apply_revision_layout(int rev)
{
    auto &w = state::frmMain();
    const bool a = rev != 0;
    w.Label_msg->setText(a ? Tr::tr("A revisionが選択されています。") : QString());
    w.Label_msg_a->setText(a ? QString() : Tr::tr("old revisionが選択されています。"));
    for (QWidget *f : {static_cast<QWidget *>(w.Frame_fuse), static_cast<QWidget *>(w.Frame_fusex),
                       static_cast<QWidget *>(w.Frame_DEVICE)})
        f->setVisible(!a);
    for (QWidget *f : {static_cast<QWidget *>(w.Frame_fuse_a), static_cast<QWidget *>(w.Frame_fusex_a),
                       static_cast<QWidget *>(w.Frame_DEVICE_a)})
        f->setVisible(a);
}

QString stored_pgm_wait(int rev)
{
    return rev != 0 ? platform::get_setting(QStringLiteral("PGM_Wait_A"), QStringLiteral("45"))
                    : platform::get_setting(QStringLiteral("PGM_Wait_old"), QStringLiteral("240"));
}

} // namespace fuse
