#include "state/command_tab_controls.h"

#include "manual/manual_panel.h"
#include "state/fonts.h"
#include "state/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace manual {
namespace {
using state::tw_rect;

QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    l->setGeometry(state::tw_rect(left, top, width, height));
    return l;
}

QLabel *value_label(QWidget *parent, const char *name, int left, int top, int width)
{
    QLabel *l = label(parent, name, QString(), left, top, width, 300);
    l->setFont(state::fixed_font(10));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

QLineEdit *field(QWidget *parent, const char *name, const QString &text, int left, int top, int width)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(state::tw_rect(left, top, width, 330));
    e->setFont(state::fixed_font(10));
    return e;
}
} // namespace

void build_command_tab(state::Command_tab_controls &c, QWidget *tab)
{
    // Middle column: address, load fields, reply fields, last word read, board replies.
    label(tab, nullptr, QStringLiteral("Address"), 2050, 180, 900, 300);
    c.address_pc = value_label(tab, "address_pc", 3000, 150, 800);
    c.address_pc->setText(QStringLiteral("0xFFF"));

    label(tab, nullptr, QStringLiteral("Load DATA (Hi / Low)"), 2050, 620, 2400, 300);
    c.text_out_hi = field(tab, "text_out_hi", QStringLiteral("0F"), 2050, 930, 600);
    c.text_out_low = field(tab, "text_out_low", QStringLiteral("FF"), 2750, 930, 600);
    c.text_out_hi->setMaxLength(2);
    c.text_out_low->setMaxLength(2);
    c.Label_out_hint = label(tab, "Label_out_hint", QStringLiteral("16進で入力。　　　　　Hiﾊﾞｲﾄは下位4bitのみ。）"),
                             2050, 1330, 6400, 300);

    c.Frame_reply = new QGroupBox(QStringLiteral("返信データ(16進表示)"), tab);
    c.Frame_reply->setObjectName(QStringLiteral("Frame_reply"));
    c.Frame_reply->setGeometry(state::tw_rect(2050, 1750, 3100, 1050));
    const char *captions[] = {"1byte目", "2byte目", "3byte目"};
    QLineEdit **fields[] = {&c.text_in_hi, &c.text_in_low, &c.text_in_trm};
    const char *names[] = {"text_in_hi", "text_in_low", "text_in_trm"};
    for (int i = 0; i < 3; ++i) {
        label(c.Frame_reply, nullptr, QString::fromUtf8(captions[i]), 120 + i * 980, 300, 900, 280);
        *fields[i] = field(c.Frame_reply, names[i], QString(), 120 + i * 980, 600, 880);
        (*fields[i])->setReadOnly(true);
    }

    label(tab, nullptr, QStringLiteral("Read DATA"), 2050, 2950, 1200, 300);
    c.Label_read_data = value_label(tab, "Label_read_data", 2050, 3250, 700);
    c.Label_read_data_bin = value_label(tab, "Label_read_data_bin", 2850, 3250, 1800);

    label(tab, nullptr, QStringLiteral("Version"), 2050, 3700, 1200, 300);
    c.Label_version = value_label(tab, "Label_version", 2050, 4000, 3100);
    label(tab, nullptr, QStringLiteral("Sync"), 2050, 4450, 700, 300);
    c.Label_sync_value = value_label(tab, "Label_sync_value", 2750, 4420, 600);
    c.Sync_Label = label(tab, "Sync_Label", QString(), 3450, 4450, 2600, 300);

    // Right column: the configuration words and the message line.
    const char *word_captions[] = {"FUSE", "FUSEX", "DEVICE"};
    QLabel **hex[] = {&c.Label_fuse_word, &c.Label_fusex_word, &c.Label_device_word};
    QLabel **bin[] = {&c.Label_fuse_word_bin, &c.Label_fusex_word_bin, &c.Label_device_word_bin};
    const char *hex_names[] = {"Label_fuse_word", "Label_fusex_word", "Label_device_word"};
    const char *bin_names[] = {"Label_fuse_word_bin", "Label_fusex_word_bin", "Label_device_word_bin"};
    for (int i = 0; i < 3; ++i) {
        const int top = 150 + i * 420;
        label(tab, nullptr, QString::fromUtf8(word_captions[i]), 5400, top + 30, 750, 300);
        *hex[i] = value_label(tab, hex_names[i], 6150, top, 650);
        *bin[i] = value_label(tab, bin_names[i], 6850, top, 1500);
    }
    c.L_pgm_msg = label(tab, "L_pgm_msg", QString(), 5400, 1800, 3050, 1500);
    c.L_pgm_msg->setWordWrap(true);
    c.L_pgm_msg->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Bottom row: the program wait and the programming time it gives.
    label(tab, nullptr, QStringLiteral("PGM_wait"), 2050, 5000, 1000, 300);
    c.Text_pgm_wait = field(tab, "Text_pgm_wait", QString(), 3050, 4970, 800);
    c.Label_pgm_wait = label(tab, "Label_pgm_wait", QString(), 4000, 5000, 4450, 300);

    build_command_buttons(c, tab);
}

} // namespace manual
