#include "command_tab/command_tab.h"

#include "command_tab/manual_panel.h"
#include "desktop/fonts.h"
#include "desktop/translation.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace manual {
namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

// A fixed caption, in the language of the moment.
QLabel *caption(QWidget *parent, const char *source, const char *name = nullptr)
{
    QLabel *l = label(parent, name, QString());
    desktop::show_text(l, "manual", source);
    return l;
}

// A sunken field showing a value, wide enough for `widest`.
QLabel *value_label(QWidget *parent, const char *name, const QString &widest)
{
    QLabel *l = label(parent, name, QString());
    l->setFont(desktop::value_font());
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(QFontMetrics(l->font()).horizontalAdvance(widest + "  ") + 2 * l->frameWidth());
    return l;
}

QLineEdit *field(QWidget *parent, const char *name, const QString &text, int characters)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setFont(desktop::value_font());
    const QFontMetrics m(e->font());
    // As wide as its longest text and a little room, no wider.
    e->setFixedWidth(m.horizontalAdvance(QString(characters + 2, QLatin1Char('0'))) + m.averageCharWidth());
    return e;
}

QHBoxLayout *line(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    for (QWidget *w : widgets)
        row->addWidget(w);
    row->addStretch();
    return row;
}

} // namespace

void build_command_tab(Command_tab_controls &c, QWidget *tab, session::Session &s)
{
    auto *columns = new QHBoxLayout(tab);
    auto *buttons = new QVBoxLayout;
    build_command_buttons(c, tab, buttons, s);
    buttons->addStretch();
    columns->addLayout(buttons);

    // Middle column: address, load fields, reply fields, last word read, board replies.
    auto *middle = new QVBoxLayout;
    c.address_pc = value_label(tab, "address_pc", QStringLiteral("0xFFF"));
    middle->addLayout(line({caption(tab, QT_TRANSLATE_NOOP("manual", "Address")), c.address_pc}));

    middle->addWidget(caption(tab, QT_TRANSLATE_NOOP("manual", "Load DATA (Hi / Low)")));
    c.text_out_hi = field(tab, "text_out_hi", QStringLiteral("0F"), 2);
    c.text_out_low = field(tab, "text_out_low", QStringLiteral("FF"), 2);
    c.text_out_hi->setMaxLength(2);
    c.text_out_low->setMaxLength(2);
    desktop::show_accessible_name(c.text_out_hi, "manual", QT_TRANSLATE_NOOP("manual", "Load DATA Hi"));
    desktop::show_accessible_name(c.text_out_low, "manual", QT_TRANSLATE_NOOP("manual", "Load DATA Low"));
    middle->addLayout(line({c.text_out_hi, c.text_out_low}));
    c.Label_out_hint = caption(tab, QT_TRANSLATE_NOOP("manual", "16進で入力。　　　　　Hiﾊﾞｲﾄは下位4bitのみ。）"),
                               "Label_out_hint");
    middle->addWidget(c.Label_out_hint);

    c.Frame_reply = new QGroupBox(tab);
    desktop::show_text(c.Frame_reply, "manual", QT_TRANSLATE_NOOP("manual", "返信データ(16進表示)"));
    c.Frame_reply->setObjectName(QStringLiteral("Frame_reply"));
    auto *reply = new QGridLayout(c.Frame_reply);
    const char *captions[] = {QT_TRANSLATE_NOOP("manual", "1byte目"), QT_TRANSLATE_NOOP("manual", "2byte目"),
                              QT_TRANSLATE_NOOP("manual", "3byte目")};
    QLineEdit **fields[] = {&c.text_in_hi, &c.text_in_low, &c.text_in_trm};
    const char *names[] = {"text_in_hi", "text_in_low", "text_in_trm"};
    for (int i = 0; i < 3; ++i) {
        reply->addWidget(caption(c.Frame_reply, captions[i]), 0, i);
        *fields[i] = field(c.Frame_reply, names[i], QString(), 7);  // "No data"
        (*fields[i])->setReadOnly(true);
        reply->addWidget(*fields[i], 1, i);
    }
    middle->addWidget(c.Frame_reply);

    middle->addWidget(caption(tab, QT_TRANSLATE_NOOP("manual", "Read DATA")));
    c.Label_read_data = value_label(tab, "Label_read_data", QStringLiteral("0FFF"));
    c.Label_read_data_bin = value_label(tab, "Label_read_data_bin", QStringLiteral("111111111111"));
    middle->addLayout(line({c.Label_read_data, c.Label_read_data_bin}));

    middle->addWidget(caption(tab, QT_TRANSLATE_NOOP("manual", "Version")));
    c.Label_version = value_label(tab, "Label_version", QStringLiteral(" SX QORVIL V1.02\r\n"));
    middle->addLayout(line({c.Label_version}));
    c.Label_sync_value = value_label(tab, "Label_sync_value", QStringLiteral("255"));
    c.Sync_Label = label(tab, "Sync_Label", QString());
    // Room for the widest sync width the board can report.
    const auto sync_room = [l = c.Sync_Label] {
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(
            QCoreApplication::translate("comm", "同期幅%1us %2cycle ").arg(QStringLiteral("12.72")).arg(31)));
    };
    sync_room();
    desktop::on_language_change(c.Sync_Label, sync_room);
    middle->addLayout(line({caption(tab, QT_TRANSLATE_NOOP("manual", "Sync")), c.Label_sync_value, c.Sync_Label}));
    middle->addStretch();
    auto *body = new QGridLayout;
    body->addLayout(middle, 0, 0);
    columns->addLayout(body, 1);

    // Right column: the configuration words and the message line.
    auto *right = new QVBoxLayout;
    auto *words = new QGridLayout;
    const char *word_captions[] = {QT_TRANSLATE_NOOP("manual", "FUSE"), QT_TRANSLATE_NOOP("manual", "FUSEX"),
                                   QT_TRANSLATE_NOOP("manual", "DEVICE")};
    QLabel **hex[] = {&c.Label_fuse_word, &c.Label_fusex_word, &c.Label_device_word};
    QLabel **bin[] = {&c.Label_fuse_word_bin, &c.Label_fusex_word_bin, &c.Label_device_word_bin};
    const char *hex_names[] = {"Label_fuse_word", "Label_fusex_word", "Label_device_word"};
    const char *bin_names[] = {"Label_fuse_word_bin", "Label_fusex_word_bin", "Label_device_word_bin"};
    for (int i = 0; i < 3; ++i) {
        words->addWidget(caption(tab, word_captions[i]), i, 0);
        *hex[i] = value_label(tab, hex_names[i], QStringLiteral("0FFF"));
        *bin[i] = value_label(tab, bin_names[i], QStringLiteral("111111111111"));
        words->addWidget(*hex[i], i, 1);
        words->addWidget(*bin[i], i, 2);
    }
    right->addLayout(words);
    c.L_pgm_msg = label(tab, "L_pgm_msg", QString());
    c.L_pgm_msg->setWordWrap(true);
    c.L_pgm_msg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.L_pgm_msg->setMinimumWidth(c.L_pgm_msg->fontMetrics().averageCharWidth() * 36);
    right->addWidget(c.L_pgm_msg, 1);

    // The program wait and the programming time it gives.
    c.Text_pgm_wait = field(tab, "Text_pgm_wait", QString(), 3);
    c.Label_pgm_wait = label(tab, "Label_pgm_wait", QString());
    c.Label_pgm_wait->setWordWrap(true);
    // Room for the longest word a caption of 0 to 255 has, so that a new caption never
    // widens the window.
    c.Label_pgm_wait->setMinimumWidth(c.Label_pgm_wait->fontMetrics().horizontalAdvance(QStringLiteral("255x1.06ms=")));
    auto *wait = new QHBoxLayout;
    QLabel *wait_caption = caption(tab, QT_TRANSLATE_NOOP("manual", "PGM_wait"));
    wait_caption->setBuddy(c.Text_pgm_wait);  // names the field for a screen reader
    wait->addWidget(wait_caption);
    wait->addWidget(c.Text_pgm_wait);
    wait->addWidget(c.Label_pgm_wait, 1);
    body->addLayout(right, 0, 1);
    body->addLayout(wait, 1, 0, 1, 2);
    body->setColumnStretch(1, 1);
}

} // namespace manual
