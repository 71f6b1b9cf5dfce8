#include "state/fuse_controls.h"

#include "fuse/oscillator_rule.h"
#include "state/fonts.h"
#include "state/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace fuse {
namespace {
using state::tw_rect;

// Frames of one tab, state::twips: FUSE on the left, FUSEX with DEVICE below it on the right.
constexpr int left_frame_x = 80, left_frame_w = 3450;
constexpr int right_frame_x = 3610, right_frame_w = 4850;
constexpr int frame_top = 100, frame_gap = 100;

// Rows inside a frame, state::twips.
constexpr int first_row = 330;    // below the frame caption
constexpr int row_step = 420;
constexpr int row_height = 360;
constexpr int caption_step = 290; // a caption with its control on the next line
constexpr int caption_height = 280;
constexpr int margin = 200;
constexpr int right_margin = 150;
constexpr int indent = 300;       // controls that belong to the check box above them
constexpr int bottom_margin = 120;

// Fills a frame from top to bottom, one control per row.
class Rows {
public:
    explicit Rows(QGroupBox *frame) : frame_(frame), width_(state::twips(frame->width())) {}

    // A check box. A user click toggles between checked and unchecked; the grayed state
    // is only ever set by the program.
    QCheckBox *check(const char *name, const char *caption, int left = margin)
    {
        auto *box = new QCheckBox(QString::fromUtf8(caption), frame_);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(state::tw_rect(left, y_, width_ - left - right_margin, row_height));
        QObject::connect(box, &QCheckBox::stateChanged, box, [box](int state) {
            if (state != Qt::PartiallyChecked)
                box->setTristate(false);
        });
        y_ += row_step;
        return box;
    }

    // A combo box with its caption beside it.
    QComboBox *combo_beside(const char *name, const char *caption, int caption_width)
    {
        label(caption, margin, y_, caption_width, row_height);
        const int x = margin + caption_width + 80;
        QComboBox *box = combo(name, x, y_, width_ - x - right_margin);
        y_ += row_step;
        return box;
    }

    // A combo box under its caption, both indented.
    QComboBox *combo_below(const char *name, const char *caption, int left = margin + indent)
    {
        label(caption, left, y_, width_ - left - right_margin, caption_height);
        y_ += caption_step;
        QComboBox *box = combo(name, left + 150, y_, width_ - left - 150 - right_margin);
        y_ += row_step + 10;
        return box;
    }

    // The three-character trim field with its caption.
    QLineEdit *trim(const char *name, QLabel **caption_label = nullptr)
    {
        QLabel *l = label("内部RC周波数調整ﾋﾞｯﾄ", margin, y_, 2100, row_height);
        if (caption_label)
            *caption_label = l;
        auto *field = new QLineEdit(frame_);
        field->setObjectName(QLatin1String(name));
        field->setMaxLength(3);
        field->setFont(state::fixed_font(10));
        field->setGeometry(state::tw_rect(margin + 2200, y_, 700, row_height));
        y_ += row_step;
        return field;
    }

    // Shrinks the frame to its rows; returns its bottom edge in the tab.
    int close()
    {
        const QRect g = frame_->geometry();
        frame_->resize(g.width(), state::px(y_ - row_step + row_height + bottom_margin));
        return state::twips(frame_->geometry().bottom());
    }

private:
    QLabel *label(const char *caption, int left, int top, int width, int height)
    {
        auto *l = new QLabel(QString::fromUtf8(caption), frame_);
        l->setGeometry(state::tw_rect(left, top, width, height));
        return l;
    }

    QComboBox *combo(const char *name, int left, int top, int width)
    {
        auto *box = new QComboBox(frame_);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(state::tw_rect(left, top, width, row_height));
        return box;
    }

    QGroupBox *frame_;
    int width_;
    int y_ = first_row;
};

QGroupBox *frame(QWidget *parent, const char *name, const char *caption, int left, int top, int width)
{
    auto *f = new QGroupBox(QString::fromUtf8(caption), parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(state::tw_rect(left, top, width, 6000));  // height follows the rows
    return f;
}

QLabel *message_label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(state::tw_rect(150, 5500, 8300, 400));
    return l;
}

constexpr int fusex_caption_width = 1650;
constexpr int device_caption_width = 2300;

void build_old_tab(state::Fuse_controls &c, QWidget *tab)
{
    c.Frame_fuse = frame(tab, "Frame_fuse", "FUSE", left_frame_x, frame_top, left_frame_w);
    Rows fuse(c.Frame_fuse);
    c.Check_TURBO = fuse.check("Check_TURBO", "ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ");
    c.Check_SYNC = fuse.check("Check_SYNC", "同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)");
    c.Check_OPTIONX = fuse.check("Check_OPTIONX", "OPTIONﾚｼﾞｽﾀ 拡張ｲﾈｰﾌﾞﾙ");
    c.Check_STACKX = fuse.check("Check_STACKX", "ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ");
    c.Check_CP = fuse.check("Check_CP", "ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ");
    c.Check_WDTE = fuse.check("Check_WDTE", "ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ");
    c.Check_IRC = fuse.check("Check_IRC", "内部RC発振ｲﾈｰﾌﾞﾙ");
    c.Combo_DIV = fuse.combo_below("Combo_DIV", "内部RC周波数");
    c.Combo_FOSC = fuse.combo_below("Combo_FOSC", "外部発振ﾓｰﾄﾞ");
    fuse.close();

    c.Frame_fusex = frame(tab, "Frame_fusex", "FUSEX", right_frame_x, frame_top, right_frame_w);
    Rows fusex(c.Frame_fusex);
    c.Text_IRCTRIM = fusex.trim("Text_IRCTRIM");
    c.Check_CF = fusex.check("Check_CF", "ADD/SUB with carry 命令のｻﾎﾟｰﾄ ");
    c.Combo_BOR = fusex.combo_beside("Combo_BOR", "Brown-out Reset", fusex_caption_width);
    c.Combo_RAM = fusex.combo_beside("Combo_RAM", "ﾃﾞｰﾀﾒﾓﾘ ﾊﾞﾝｸ", fusex_caption_width);
    c.Combo_MEM = fusex.combo_beside("Combo_MEM", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ", fusex_caption_width);
    const int fusex_bottom = fusex.close();

    c.Frame_DEVICE = frame(tab, "Frame_DEVICE", "DEVICE", right_frame_x, fusex_bottom + frame_gap, right_frame_w);
    Rows device(c.Frame_DEVICE);
    c.Combo_RAM_DEVICE = device.combo_beside("Combo_RAM_DEVICE", "RAMﾊﾞﾝｸの最大ｻｲｽﾞ", device_caption_width);
    c.Combo_MEM_DEVICE =
        device.combo_beside("Combo_MEM_DEVICE", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ", device_caption_width);
    device.close();

    c.Label_msg = message_label(tab, "Label_msg");
}

void build_a_tab(state::Fuse_controls &c, QWidget *tab)
{
    c.Frame_fuse_a = frame(tab, "Frame_fuse_a", "FUSE", left_frame_x, frame_top, left_frame_w);
    Rows fuse(c.Frame_fuse_a);
    c.Check_TURBOa = fuse.check("Check_TURBOa", "ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ");
    c.Check_SYNCa = fuse.check("Check_SYNCa", "同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)");
    c.Check_CPa = fuse.check("Check_CPa", "ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ");
    c.Check_WDTEa = fuse.check("Check_WDTEa", "ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ");
    c.Check_IRCa = fuse.check("Check_IRCa", "内部/外部発振切り替え");
    c.Combo_DIVa = fuse.combo_below("Combo_DIVa", "内部RC周波数");
    c.Check_IFBDa = fuse.check("Check_IFBDa", "ﾌｨｰﾄﾞﾊﾞｯｸ抵抗ﾃﾞｨｾｲﾌﾞﾙ", margin + indent);
    c.Combo_FOSCa = fuse.combo_below("Combo_FOSCa", "外部発振ﾓｰﾄﾞ");
    fuse.close();

    c.Frame_fusex_a = frame(tab, "Frame_fusex_a", "FUSEX", right_frame_x, frame_top, right_frame_w);
    Rows fusex(c.Frame_fusex_a);
    c.Text_IRCTRIMa = fusex.trim("Text_IRCTRIMa", &c.Label28);
    c.Label28->setObjectName(QStringLiteral("Label28"));
    const QString trim_tip = QStringLiteral("[Enter]でｱｯﾌﾟﾃﾞｰﾄします。");
    c.Text_IRCTRIMa->setToolTip(trim_tip);
    c.Label28->setToolTip(trim_tip);
    c.Check_OPT_STa = fusex.check("Check_OPT_STa", "OPTIONﾚｼﾞｽﾀ /ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ");
    c.Check_CFa = fusex.check("Check_CFa", "ADD/SUB with carry 命令のｻﾎﾟｰﾄ");
    c.Combo_BORa = fusex.combo_beside("Combo_BORa", "Brown-out Reset", fusex_caption_width);
    c.Combo_BORTRa = fusex.combo_beside("Combo_BORTRa", "BOR調整ビット", fusex_caption_width);
    c.Combo_BPXa = fusex.combo_beside("Combo_BPXa", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ", fusex_caption_width);
    const int fusex_bottom = fusex.close();

    c.Frame_DEVICE_a = frame(tab, "Frame_DEVICE_a", "DEVICE", right_frame_x, fusex_bottom + frame_gap, right_frame_w);
    Rows device(c.Frame_DEVICE_a);
    c.Combo_RAM_DEVICEa = device.combo_beside("Combo_RAM_DEVICEa", "RAMﾊﾞﾝｸの最大ｻｲｽﾞ", device_caption_width);
    c.Combo_MEM_DEVICEa =
        device.combo_beside("Combo_MEM_DEVICEa", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ", device_caption_width);
    device.close();

    c.Label_msg_a = message_label(tab, "Label_msg_a");
}
} // namespace

void build_fuse_tabs(state::Fuse_controls &c, QWidget *old_tab, QWidget *a_tab)
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
