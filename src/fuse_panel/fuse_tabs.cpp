#include "fuse_panel/fuse_tabs.h"

#include "fuse_panel/oscillator_rule.h"
#include "desktop/fonts.h"
#include "desktop/translation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace fuse {
namespace {

// Fills a frame from top to bottom: check boxes across the frame, captions with their
// combo box beside them, or a caption with its combo box indented on the next line.
class Rows {
public:
    explicit Rows(QGroupBox *frame) : frame_(frame), grid_(new QGridLayout(frame))
    {
        indent_ = frame->fontMetrics().averageCharWidth() * 3;
        grid_->setColumnStretch(1, 1);
    }

    // A check box. A user click toggles between checked and unchecked; the grayed state
    // is only ever set by the program.
    QCheckBox *check(const char *name, const char *caption, bool indented = false)
    {
        auto *box = new QCheckBox(frame_);
        desktop::show_text(box, "fuse", caption);
        box->setObjectName(QLatin1String(name));
        QObject::connect(box, &QCheckBox::stateChanged, box, [box](int state) {
            if (state != Qt::PartiallyChecked)
                box->setTristate(false);
        });
        add(box, indented ? indent_ : 0);
        return box;
    }

    // A combo box with its caption beside it.
    QComboBox *combo_beside(const char *name, const char *caption)
    {
        grid_->addWidget(label(caption), row_, 0);
        QComboBox *box = combo(name);
        grid_->addWidget(box, row_++, 1);
        return box;
    }

    // A combo box under its caption, both indented.
    QComboBox *combo_below(const char *name, const char *caption)
    {
        add(label(caption), indent_);
        QComboBox *box = combo(name);
        add(box, 2 * indent_);
        return box;
    }

    // The three-character trim field with its caption.
    QLineEdit *trim(const char *name, QLabel **caption_label = nullptr)
    {
        QLabel *l = label(QT_TRANSLATE_NOOP("fuse", "内部RC周波数調整ﾋﾞｯﾄ"));
        if (caption_label)
            *caption_label = l;
        auto *field = new QLineEdit(frame_);
        field->setObjectName(QLatin1String(name));
        field->setMaxLength(3);
        field->setFont(desktop::value_font());
        const QFontMetrics m(field->font());
        field->setMinimumWidth(m.horizontalAdvance(QStringLiteral("0000")) + m.averageCharWidth() * 2);
        field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        grid_->addWidget(l, row_, 0);
        grid_->addWidget(field, row_++, 1, Qt::AlignLeft);
        return field;
    }

    void close() { grid_->setRowStretch(row_, 1); }

private:
    void add(QWidget *w, int indent)
    {
        auto *line = new QHBoxLayout;
        line->addSpacing(indent);
        line->addWidget(w, 1);
        grid_->addLayout(line, row_++, 0, 1, 2);
    }

    QLabel *label(const char *caption)
    {
        auto *l = new QLabel(frame_);
        desktop::show_text(l, "fuse", caption);
        return l;
    }

    QComboBox *combo(const char *name)
    {
        auto *box = new QComboBox(frame_);
        box->setObjectName(QLatin1String(name));
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);  // never narrower than its longest item
        return box;
    }

    QGroupBox *frame_;
    QGridLayout *grid_;
    int indent_ = 0;
    int row_ = 0;
};

QGroupBox *frame(QWidget *parent, const char *name, const char *caption)
{
    auto *f = new QGroupBox(parent);
    desktop::show_text(f, "fuse", caption);
    f->setObjectName(QLatin1String(name));
    return f;
}

QLabel *message_label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// FUSE on the left, FUSEX with DEVICE below it on the right, the message line below both.
void lay_out_tab(QWidget *tab, QGroupBox *fuse, QGroupBox *fusex, QGroupBox *device, QLabel *message)
{
    auto *grid = new QGridLayout(tab);
    grid->addWidget(fuse, 0, 0, 2, 1);
    grid->addWidget(fusex, 0, 1);
    grid->addWidget(device, 1, 1);
    grid->addWidget(message, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
}

void build_old_tab(Fuse_controls &c, QWidget *tab)
{
    c.Frame_fuse = frame(tab, "Frame_fuse", QT_TRANSLATE_NOOP("fuse", "FUSE"));
    Rows fuse(c.Frame_fuse);
    c.Check_TURBO = fuse.check("Check_TURBO", QT_TRANSLATE_NOOP("fuse", "ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ"));
    c.Check_SYNC = fuse.check("Check_SYNC", QT_TRANSLATE_NOOP("fuse", "同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)"));
    c.Check_OPTIONX = fuse.check("Check_OPTIONX", QT_TRANSLATE_NOOP("fuse", "OPTIONﾚｼﾞｽﾀ 拡張ｲﾈｰﾌﾞﾙ"));
    c.Check_STACKX = fuse.check("Check_STACKX", QT_TRANSLATE_NOOP("fuse", "ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ"));
    c.Check_CP = fuse.check("Check_CP", QT_TRANSLATE_NOOP("fuse", "ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ"));
    c.Check_WDTE = fuse.check("Check_WDTE", QT_TRANSLATE_NOOP("fuse", "ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ"));
    c.Check_IRC = fuse.check("Check_IRC", QT_TRANSLATE_NOOP("fuse", "内部RC発振ｲﾈｰﾌﾞﾙ"));
    c.Combo_DIV = fuse.combo_below("Combo_DIV", QT_TRANSLATE_NOOP("fuse", "内部RC周波数"));
    c.Combo_FOSC = fuse.combo_below("Combo_FOSC", QT_TRANSLATE_NOOP("fuse", "外部発振ﾓｰﾄﾞ"));
    fuse.close();

    c.Frame_fusex = frame(tab, "Frame_fusex", QT_TRANSLATE_NOOP("fuse", "FUSEX"));
    Rows fusex(c.Frame_fusex);
    c.Text_IRCTRIM = fusex.trim("Text_IRCTRIM");
    c.Check_CF = fusex.check("Check_CF", QT_TRANSLATE_NOOP("fuse", "ADD/SUB with carry 命令のｻﾎﾟｰﾄ "));
    c.Combo_BOR = fusex.combo_beside("Combo_BOR", QT_TRANSLATE_NOOP("fuse", "Brown-out Reset"));
    c.Combo_RAM = fusex.combo_beside("Combo_RAM", QT_TRANSLATE_NOOP("fuse", "ﾃﾞｰﾀﾒﾓﾘ ﾊﾞﾝｸ"));
    c.Combo_MEM = fusex.combo_beside("Combo_MEM", QT_TRANSLATE_NOOP("fuse", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ"));
    fusex.close();

    c.Frame_DEVICE = frame(tab, "Frame_DEVICE", QT_TRANSLATE_NOOP("fuse", "DEVICE"));
    Rows device(c.Frame_DEVICE);
    c.Combo_RAM_DEVICE = device.combo_beside("Combo_RAM_DEVICE", QT_TRANSLATE_NOOP("fuse", "RAMﾊﾞﾝｸの最大ｻｲｽﾞ"));
    c.Combo_MEM_DEVICE =
        device.combo_beside("Combo_MEM_DEVICE", QT_TRANSLATE_NOOP("fuse", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ"));
    device.close();

    c.Label_msg = message_label(tab, "Label_msg");
    lay_out_tab(tab, c.Frame_fuse, c.Frame_fusex, c.Frame_DEVICE, c.Label_msg);
}

void build_a_tab(Fuse_controls &c, QWidget *tab)
{
    c.Frame_fuse_a = frame(tab, "Frame_fuse_a", QT_TRANSLATE_NOOP("fuse", "FUSE"));
    Rows fuse(c.Frame_fuse_a);
    c.Check_TURBOa = fuse.check("Check_TURBOa", QT_TRANSLATE_NOOP("fuse", "ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ"));
    c.Check_SYNCa = fuse.check("Check_SYNCa", QT_TRANSLATE_NOOP("fuse", "同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)"));
    c.Check_CPa = fuse.check("Check_CPa", QT_TRANSLATE_NOOP("fuse", "ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ"));
    c.Check_WDTEa = fuse.check("Check_WDTEa", QT_TRANSLATE_NOOP("fuse", "ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ"));
    c.Check_IRCa = fuse.check("Check_IRCa", QT_TRANSLATE_NOOP("fuse", "内部/外部発振切り替え"));
    c.Combo_DIVa = fuse.combo_below("Combo_DIVa", QT_TRANSLATE_NOOP("fuse", "内部RC周波数"));
    c.Check_IFBDa = fuse.check("Check_IFBDa", QT_TRANSLATE_NOOP("fuse", "ﾌｨｰﾄﾞﾊﾞｯｸ抵抗ﾃﾞｨｾｲﾌﾞﾙ"), true);
    c.Combo_FOSCa = fuse.combo_below("Combo_FOSCa", QT_TRANSLATE_NOOP("fuse", "外部発振ﾓｰﾄﾞ"));
    fuse.close();

    c.Frame_fusex_a = frame(tab, "Frame_fusex_a", QT_TRANSLATE_NOOP("fuse", "FUSEX"));
    Rows fusex(c.Frame_fusex_a);
    c.Text_IRCTRIMa = fusex.trim("Text_IRCTRIMa", &c.Label28);
    c.Label28->setObjectName(QStringLiteral("Label28"));
    const char *trim_tip = QT_TRANSLATE_NOOP("fuse", "[Enter]でｱｯﾌﾟﾃﾞｰﾄします。");
    desktop::show_tip(c.Text_IRCTRIMa, "fuse", trim_tip);
    desktop::show_tip(c.Label28, "fuse", trim_tip);
    c.Check_OPT_STa = fusex.check("Check_OPT_STa", QT_TRANSLATE_NOOP("fuse", "OPTIONﾚｼﾞｽﾀ /ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ"));
    c.Check_CFa = fusex.check("Check_CFa", QT_TRANSLATE_NOOP("fuse", "ADD/SUB with carry 命令のｻﾎﾟｰﾄ"));
    c.Combo_BORa = fusex.combo_beside("Combo_BORa", QT_TRANSLATE_NOOP("fuse", "Brown-out Reset"));
    c.Combo_BORTRa = fusex.combo_beside("Combo_BORTRa", QT_TRANSLATE_NOOP("fuse", "BOR調整ビット"));
    c.Combo_BPXa = fusex.combo_beside("Combo_BPXa", QT_TRANSLATE_NOOP("fuse", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ"));
    fusex.close();

    c.Frame_DEVICE_a = frame(tab, "Frame_DEVICE_a", QT_TRANSLATE_NOOP("fuse", "DEVICE"));
    Rows device(c.Frame_DEVICE_a);
    c.Combo_RAM_DEVICEa = device.combo_beside("Combo_RAM_DEVICEa", QT_TRANSLATE_NOOP("fuse", "RAMﾊﾞﾝｸの最大ｻｲｽﾞ"));
    c.Combo_MEM_DEVICEa =
        device.combo_beside("Combo_MEM_DEVICEa", QT_TRANSLATE_NOOP("fuse", "ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ"));
    device.close();

    c.Label_msg_a = message_label(tab, "Label_msg_a");
    lay_out_tab(tab, c.Frame_fuse_a, c.Frame_fusex_a, c.Frame_DEVICE_a, c.Label_msg_a);
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
