#include "fuse/fuse_controls.h"

#include "fuse/oscillator_rule.h"
#include "shell/fonts.h"
#include "shell/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace fuse {
namespace {
using shell::tw_rect;

// Layout inside the frames, twips.
constexpr int row_top = 330;      // first row, below the frame caption
constexpr int row_step = 420;
constexpr int row_height = 360;
constexpr int inner_left = 200;
constexpr int indent = 300;       // controls that belong to the check box above them

// Frames of one tab: FUSE on the left, FUSEX and DEVICE on the right.
constexpr int left_frame_x = 100, left_frame_w = 4150;
constexpr int right_frame_x = 4350, right_frame_w = 4150;
constexpr int frame_top = 100;
constexpr int frame_gap = 100;

int row_y(int row) { return row_top + row * row_step; }
int twips_width(const QWidget *w) { return shell::twips(w->width()); }
int frame_height(int rows) { return row_y(rows - 1) + row_height + 180; }

QGroupBox *frame(QWidget *parent, const char *name, const char *caption, int left, int top, int width, int height)
{
    auto *f = new QGroupBox(QString::fromUtf8(caption), parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(tw_rect(left, top, width, height));
    return f;
}

QLabel *message_label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(tw_rect(150, 5550, 8300, 400));
    return l;
}

// A check box on its own row. A user click toggles between checked and unchecked; the
// grayed state is only ever set by the program.
QCheckBox *check(QGroupBox *f, const char *name, const char *caption, int row, int left = inner_left)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), f);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(tw_rect(left, row_y(row), twips_width(f) - left - 100, row_height));
    QObject::connect(box, &QCheckBox::stateChanged, box, [box](int state) {
        if (state != Qt::PartiallyChecked)
            box->setTristate(false);
    });
    return box;
}

// A caption with its combo box beside it, on one row.
QComboBox *combo(QGroupBox *f, const char *name, const char *caption, int row, int label_width,
                 int left = inner_left)
{
    auto *label = new QLabel(QString::fromUtf8(caption), f);
    label->setGeometry(tw_rect(left, row_y(row), label_width, row_height));
    auto *box = new QComboBox(f);
    box->setObjectName(QLatin1String(name));
    const int x = left + label_width + 80;
    box->setGeometry(tw_rect(x, row_y(row), twips_width(f) - x - 150, row_height));
    return box;
}

// A trim field: caption, then a three-character field.
QLineEdit *trim_field(QGroupBox *f, const char *name, QLabel **caption_label, int row)
{
    auto *label = new QLabel(QStringLiteral("内部RC周波数調整ﾋﾞｯﾄ"), f);
    label->setGeometry(tw_rect(inner_left, row_y(row), 2100, row_height));
    if (caption_label)
        *caption_label = label;
    auto *field = new QLineEdit(f);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(3);
    field->setFont(shell::fixed_font(10));
    field->setGeometry(tw_rect(inner_left + 2200, row_y(row), 700, row_height));
    return field;
}

void build_old_tab(Fuse_controls &c, QWidget *tab)
{
    const int fuse_rows = 9, fusex_rows = 5, device_rows = 2;
    c.Frame_fuse = frame(tab, "Frame_fuse", "FUSE", left_frame_x, frame_top, left_frame_w, frame_height(fuse_rows));
    c.Check_TURBO = check(c.Frame_fuse, "Check_TURBO", "ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ", 0);
    c.Check_SYNC = check(c.Frame_fuse, "Check_SYNC", "同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)", 1);
    c.Check_OPTIONX = check(c.Frame_fuse, "Check_OPTIONX", "OPTIONﾚｼﾞｽﾀ 拡張ｲﾈｰﾌﾞﾙ", 2);
    c.Check_STACKX = check(c.Frame_fuse, "Check_STACKX", "ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ", 3);
    c.Check_CP = check(c.Frame_fuse, "Check_CP", "ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ", 4);
    c.Check_WDTE = check(c.Frame_fuse, "Check_WDTE", "ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ", 5);
    c.Check_IRC = check(c.Frame_fuse, "Check_IRC", "内部RC発振ｲﾈｰﾌﾞﾙ", 6);
    c.Combo_DIV = combo(c.Frame_fuse, "Combo_DIV", "内部RC周波数", 7, 1350, inner_left + indent);
    c.Combo_FOSC = combo(c.Frame_fuse, "Combo_FOSC", "外部発振ﾓｰﾄﾞ", 8, 1350, inner_left + indent);

    const int fusex_height = frame_height(fusex_rows);
    c.Frame_fusex = frame(tab, "Frame_fusex", "FUSEX", right_frame_x, frame_top, right_frame_w, fusex_height);
    c.Text_IRCTRIM = trim_field(c.Frame_fusex, "Text_IRCTRIM", nullptr, 0);
    c.Check_CF = check(c.Frame_fusex, "Check_CF", "ADD/SUB with carry 命令のｻﾎﾟｰﾄ ", 1);
    c.Combo_BOR = combo(c.Frame_fusex, "Combo_BOR", "Brown-out Reset", 2, 1500);
    c.Combo_RAM = combo(c.Frame_fusex, "Combo_RAM", "ﾃﾞｰﾀﾒﾓﾘ ﾊﾞﾝｸ", 3, 1500);
    c.Combo_MEM = combo(c.Frame_fusex, "Combo_MEM", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ", 4, 1500);

    c.Frame_DEVICE = frame(tab, "Frame_DEVICE", "DEVICE", right_frame_x, frame_top + fusex_height + frame_gap,
                           right_frame_w, frame_height(device_rows));
    c.Combo_RAM_DEVICE = combo(c.Frame_DEVICE, "Combo_RAM_DEVICE", "RAMﾊﾞﾝｸの最大ｻｲｽﾞ", 0, 1900);
    c.Combo_MEM_DEVICE = combo(c.Frame_DEVICE, "Combo_MEM_DEVICE", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ", 1, 1900);

    c.Label_msg = message_label(tab, "Label_msg");
}

void build_a_tab(Fuse_controls &c, QWidget *tab)
{
    const int fuse_rows = 8, fusex_rows = 6, device_rows = 2;
    c.Frame_fuse_a = frame(tab, "Frame_fuse_a", "FUSE", left_frame_x, frame_top, left_frame_w, frame_height(fuse_rows));
    c.Check_TURBOa = check(c.Frame_fuse_a, "Check_TURBOa", "ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ", 0);
    c.Check_SYNCa = check(c.Frame_fuse_a, "Check_SYNCa", "同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)", 1);
    c.Check_CPa = check(c.Frame_fuse_a, "Check_CPa", "ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ", 2);
    c.Check_WDTEa = check(c.Frame_fuse_a, "Check_WDTEa", "ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ", 3);
    c.Check_IRCa = check(c.Frame_fuse_a, "Check_IRCa", "内部/外部発振切り替え", 4);
    c.Combo_DIVa = combo(c.Frame_fuse_a, "Combo_DIVa", "内部RC周波数", 5, 1350, inner_left + indent);
    c.Check_IFBDa = check(c.Frame_fuse_a, "Check_IFBDa", "ﾌｨｰﾄﾞﾊﾞｯｸ抵抗ﾃﾞｨｾｲﾌﾞﾙ", 6, inner_left + indent);
    c.Combo_FOSCa = combo(c.Frame_fuse_a, "Combo_FOSCa", "外部発振ﾓｰﾄﾞ", 7, 1350, inner_left + indent);

    const int fusex_height = frame_height(fusex_rows);
    c.Frame_fusex_a = frame(tab, "Frame_fusex_a", "FUSEX", right_frame_x, frame_top, right_frame_w, fusex_height);
    c.Text_IRCTRIMa = trim_field(c.Frame_fusex_a, "Text_IRCTRIMa", &c.Label28, 0);
    c.Label28->setObjectName(QStringLiteral("Label28"));
    const QString trim_tip = QStringLiteral("[Enter]でｱｯﾌﾟﾃﾞｰﾄします。");
    c.Text_IRCTRIMa->setToolTip(trim_tip);
    c.Label28->setToolTip(trim_tip);
    c.Check_OPT_STa = check(c.Frame_fusex_a, "Check_OPT_STa", "OPTIONﾚｼﾞｽﾀ /ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ", 1);
    c.Check_CFa = check(c.Frame_fusex_a, "Check_CFa", "ADD/SUB with carry 命令のｻﾎﾟｰﾄ", 2);
    c.Combo_BORa = combo(c.Frame_fusex_a, "Combo_BORa", "Brown-out Reset", 3, 1500);
    c.Combo_BORTRa = combo(c.Frame_fusex_a, "Combo_BORTRa", "BOR調整ビット", 4, 1500);
    c.Combo_BPXa = combo(c.Frame_fusex_a, "Combo_BPXa", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ", 5, 1500);

    c.Frame_DEVICE_a = frame(tab, "Frame_DEVICE_a", "DEVICE", right_frame_x, frame_top + fusex_height + frame_gap,
                             right_frame_w, frame_height(device_rows));
    c.Combo_RAM_DEVICEa = combo(c.Frame_DEVICE_a, "Combo_RAM_DEVICEa", "RAMﾊﾞﾝｸの最大ｻｲｽﾞ", 0, 1900);
    c.Combo_MEM_DEVICEa = combo(c.Frame_DEVICE_a, "Combo_MEM_DEVICEa", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ", 1, 1900);

    c.Label_msg_a = message_label(tab, "Label_msg_a");
}
} // namespace

void build_fuse_tabs(Fuse_controls &c, QWidget *old_tab, QWidget *a_tab)
{
    build_old_tab(c, old_tab);
    build_a_tab(c, a_tab);

    // The oscillator switches keep the enabled controls in step with their state, whoever
    // changes them; the boxes start unchecked.
    QObject::connect(c.Check_IRC, &QCheckBox::stateChanged, c.Check_IRC, [&c](int) { apply_irc_rule(c); });
    QObject::connect(c.Check_IRCa, &QCheckBox::stateChanged, c.Check_IRCa, [&c](int) { apply_irca_rule(c); });
    apply_irc_rule(c);
    apply_irca_rule(c);
}

} // namespace fuse
