#include "fuse/fuse_controls.h"

#include "shell/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace fuse {
namespace {
QGroupBox *frame(QWidget *parent, const char *name, const char *caption, int left, int top, int width, int height)
{
    auto *f = new QGroupBox(QString::fromUtf8(caption), parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(shell::tw_rect(left, top, width, height));
    return f;
}

QLabel *message_label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(shell::tw_rect(150, 5500, 8000, 400));
    return l;
}
} // namespace

void build_fuse_tabs(Fuse_controls &c, QWidget *old_tab, QWidget *a_tab)
{
    c.Frame_fuse = frame(old_tab, "Frame_fuse", "FUSE", 120, 120, 4100, 4000);
    c.Frame_fusex = frame(old_tab, "Frame_fusex", "FUSEX", 4320, 120, 4100, 3000);
    c.Frame_DEVICE = frame(old_tab, "Frame_DEVICE", "DEVICE", 4320, 3220, 4100, 2000);
    c.Label_msg = message_label(old_tab, "Label_msg");
    c.Frame_fuse_a = frame(a_tab, "Frame_fuse_a", "FUSE", 120, 120, 4100, 4000);
    c.Frame_fusex_a = frame(a_tab, "Frame_fusex_a", "FUSEX", 4320, 120, 4100, 3000);
    c.Frame_DEVICE_a = frame(a_tab, "Frame_DEVICE_a", "DEVICE", 4320, 3220, 4100, 2000);
    c.Label_msg_a = message_label(a_tab, "Label_msg_a");
}

} // namespace fuse
