// The fuse panel in the main window: option lists, word labels <-> controls and
// Last_address, oscillator switches, hints, tab switches, the program-wait and load fields.

#include "desktop/captions.h"
#include "fuse/fuse_words.h"
#include "fuse/option_tables.h"
#include "fuse/tabs.h"
#include "image/device_image.h"
#include "shell/frm_main.h"
#include "window_kit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using Controls = std::initializer_list<QWidget *>;

// Controls as one text, after setting them from such a text when one is given: a combo
// box's index ('-' for none), a check box's 0 (unchecked), 1 (checked) or 2 (grayed), a text
// field's text after '/', a blank for nullptr.
QString controls(Controls list, const QString &set = {})
{
    QString s;
    for (QWidget *c : list) {
        const QString v = set.mid(s.size(), 1);
        if (auto *combo = qobject_cast<QComboBox *>(c)) {
            if (!v.isEmpty())
                combo->setCurrentIndex(v == "-" ? -1 : v.toInt());
            s += combo->currentIndex() < 0 ? QStringLiteral("-") : QString::number(combo->currentIndex());
        } else if (auto *check = qobject_cast<QCheckBox *>(c)) {
            if (!v.isEmpty())
                check->setCheckState(v == "1" ? Qt::Checked : v == "0" ? Qt::Unchecked : Qt::PartiallyChecked);
            s += check->checkState() == Qt::Checked ? '1' : check->checkState() == Qt::Unchecked ? '0' : '2';
        } else if (auto *field = qobject_cast<QLineEdit *>(c)) {
            if (!v.isEmpty())
                field->setText(set.mid(s.size() + 1).section(' ', 0, 0));
            s += '/' + field->text();
        } else {
            s += ' ';
        }
    }
    return s;
}

// The word controls of both layouts in the order of the word tables, then Last_address:
// FUSE old, FUSE A, FUSEX old/trim, FUSEX A/trim, DEVICE.
QString panel(const shell::FrmMain &w, const QString &set = {})
{
    return controls({w.Combo_FOSC, w.Combo_DIV, w.Check_TURBO, w.Check_SYNC, w.Check_OPTIONX, w.Check_STACKX,
                     w.Check_IRC, w.Check_CP, w.Check_WDTE, nullptr, w.Combo_FOSCa, w.Combo_DIVa, w.Check_TURBOa,
                     w.Check_SYNCa, w.Check_IRCa, w.Check_IFBDa, w.Check_CPa, w.Check_WDTEa, nullptr, w.Combo_MEM,
                     w.Combo_RAM, w.Combo_BOR, w.Check_CF, w.Text_IRCTRIM, nullptr, w.Combo_BPXa, w.Combo_BORTRa,
                     w.Combo_BORa, w.Check_CFa, w.Check_OPT_STa, w.Text_IRCTRIMa, nullptr, w.Combo_RAM_DEVICE,
                     w.Combo_RAM_DEVICEa, w.Combo_MEM_DEVICE, w.Combo_MEM_DEVICEa, nullptr}, set) +
           QString::number(test::S().Last_address);
}

// Which oscillator controls are enabled: Combo_DIV, Combo_FOSC, Combo_DIVa, Combo_FOSCa, Check_IFBDa.
QString enabled(const shell::FrmMain &w)
{
    QString s;
    for (QWidget *c : Controls{w.Combo_DIV, w.Combo_FOSC, w.Combo_DIVa, w.Combo_FOSCa, w.Check_IFBDa})
        s += c->isEnabled() ? '1' : '0';
    return s;
}

TEST(FusePanel, OptionListsRefillWithTheFieldValuesInOrderAndTheErasedValueSelected)
{
    shell::FrmMain &w = test::program_at_rest();
    for (QComboBox *box : w.findChildren<QComboBox *>())
        box->setCurrentIndex(0);
    w.Check_CP->setCheckState(Qt::Checked);
    w.Text_IRCTRIM->setText(QStringLiteral("010"));
    test::S().Label_fuse_word = QStringLiteral("0123");

    fuse::Combo_init(test::S());  // the second fill

    QStringList lists;
    for (QComboBox *box : {w.Combo_FOSC, w.Combo_DIV, w.Combo_BOR, w.Combo_RAM, w.Combo_MEM, w.Combo_RAM_DEVICE,
                           w.Combo_MEM_DEVICE, w.Combo_FOSCa, w.Combo_DIVa, w.Combo_BORa, w.Combo_BORTRa, w.Combo_BPXa,
                           w.Combo_RAM_DEVICEa, w.Combo_MEM_DEVICEa}) {
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << (i == box->currentIndex() ? "*" : "") + box->itemText(i);
        lists << entries.join('|');
    }
    const QString banks = QStringLiteral("1bank  16byte|2bank  32byte|4bank  64byte|*8bank 128byte");
    const QString pages = QStringLiteral("1Page  512word|2Page 1024word|4Page 2048word|*8Page 4096word");
    EXPECT_EQ(lists, (QStringList{
        "LP|XT|HS|*External RC", "4MHz|2MHz|1Mhz|500KHz|250KHz|125KHz|62.5KHz|*31.25KHz",
        "Brown-Out enable|Reserved|Reserved|*Brown-Out disable", banks, "1page|2page|4page|*4page(default)", banks,
        pages, "LP1(32KHz)|LP2(32KHz-1MHz)|XT1(32KHz-10MHz)|XT2(1MHz-24MHz)|HS1(1MHz～50MHz)|HS2(1MHz～50MHz)|"
               "HS3(1MHz～75MHz)|*External RC",
        "4MHz|1MHz|128KHz|*32KHz", "4.2V|2.6V|2.2V|*Brown-Out disable", "00|01|10|*11",
        "1page,1bank|1page,2bank|4page,4bank|*4page,8bank(default)", banks, pages}));
    EXPECT_EQ(controls({w.Check_CP, w.Text_IRCTRIM}) + test::S().Label_fuse_word, "1/0100123");  // kept
}

// Each decoder sets the controls of both layouts whose characters are there and are 0 or 1,
// and Last_address from the memory combo of the active revision.
TEST(FusePanel, DecodersFillBothLayoutsFromTheWordLabels)
{
    shell::FrmMain &w = test::program_at_rest();
    const std::tuple<int, const char *, const char *> cases[] = {
        {2, "111111111111", "370000001 73000001 3330/111 33300/111 3333 100"},
        {1, "111111111110", "270000001 63000001 2330/111 23300/111 3322 2047"},
        {0, "010100100001", "121010110 51101110 1021/001 10211/001 0011 1023"},
        {1, "111101111111", "370000101 73001001 3330/111 33301/111 3333 2047"},  // 0F7F: internal RC
        {1, "111110111100", "030000001 41000101 0331/111 03310/111 3300 511"},   // bit 6 = 0, bit 5 = 1
        {1, "111111011110", "250000001 22000001 2310/111 23100/111 3322 2047"},  // bit 6 = 1, bit 5 = 0
        // The trim fields take the characters as they are.
        {1, "", "--2222222 --222222 ---2/ ---22/ ---- 100"},
        {1, "101", "--0102222 --012222 ---2/11 ---22/11 ---- 100"},
        {1, "00001000", "-01111022 -0110122 --01/000 --010/000 ---- 100"},
        {1, "11x1x11111 1", "-70020201 -3002001 -330/1x1 -3302/1x1 33-- 100"},
    };
    for (const auto &[rev, bin, expected] : cases) {
        panel(w, "--2222222 --222222 ---2/ ---22/ ----");
        test::S().Rev_mode = int16_t(rev);
        test::S().Last_address = 100;
        for (QString *word : {&test::S().Label_fuse_word_bin, &test::S().Label_fusex_word_bin, &test::S().Label_device_word_bin})
            *word = QString::fromLatin1(bin);
        fuse::Fuse_word_to_panel(test::S());
        fuse::Fusex_word_to_panel(test::S());
        fuse::Device_word_to_panel(test::S());
        EXPECT_EQ(panel(w), expected) << bin;
    }
    // Clearing the image decodes the blank words.
    image::Clear_image(test::S());
    EXPECT_EQ(panel(w), "370000001 73000001 3330/111 33300/111 3322 2047");
}

// Values no word gives, and controls of the group or layout the encoder does not read.
TEST(FusePanel, EncodersWriteTheActiveRevisionsWordsAndLastAddress)
{
    shell::FrmMain &w = test::program_at_rest();
    const std::tuple<int, int, const char *, const char *> cases[] = {
        // revision, package, the blank panel changed to, FUSE FUSEX Last_address
        {0, 18, "370000001 73000001 3330/111 33300/111 3322", "0FFF 0FFF 2047"},
        {0, 18, "-72000002 73000001 3330/1x1 33300/111 3322", "07F8 0DFF 2047"},
        {0, 18, "370000011 03000011 1330/1 03300/111 3322", "0FF7 0CFD 1023"},
        {0, 28, "370000001 73000001 3330/ 03300/000 3322", "0FFF 00FF 2047"},
        {0, 18, "370000001 73000001 3332/000 33300/111 3322", "0FFF 003F 2047"},
        {1, 28, "070000011 -0000001 0330/111 33300/111 3322", "0FDC 0FFF 2047"},
        {1, 18, "370000001 73001001 3330/111 33300/111 3322", "0F7F 0BFF 2047"},
        {1, 18, "370000001 01001101 3331/111 13300/111 3322", "0F3F 0BFD 511"},
        {1, 28, "370000001 01002101 3330/111 33300/111 3322", "0F3F 0FFF 2047"},
        {1, 28, "370000001 7-001001 3330/111 33300/x1 3322", "0F1C 06FF 2047"},
        {2, 28, "370000011 73000001 0330/111 33300/111 3322", "0FFF 0FFF 100"},
    };
    for (const auto &[rev, pin, set, expected] : cases) {
        image::Clear_image(test::S());
        panel(w, QString::fromLatin1(set));
        test::S().Rev_mode = int16_t(rev);
        test::S().Pin_mode = int16_t(pin);
        test::S().Last_address = 100;
        fuse::Fuse_panel_to_word(test::S());
        fuse::Fusex_panel_to_word(test::S());
        EXPECT_EQ(w.Label_fuse_word->text() + ' ' + w.Label_fusex_word->text() + ' ' +
                  QString::number(test::S().Last_address), expected) << set;
    }
}

// The command tab shows the words the panel gives, and every tab switch there shows the
// manual panel's fields; a fuse tab shows the panel the words give, tab 0 without those fields.
TEST(FusePanel, TabSwitchesCarryThePanelIntoTheWordsAndBack)
{
    const std::tuple<int, const char *, const char *, const char *> cases[] = {
        // revision, panel on its tab, words on the command tab, panel back on the fuse tab
        {0, "101010100 73000001 0211/101 33300/111 3322", "0509 0D98 010100001001 110110011000 11111111",
         "101010100 10101100 0211/101 02110/101 3322 511 00000000"},
        {1, "370000001 71011011 3330/111 20211/010 3322", "0B37 0222 101100110111 001000100010 11111111",
         "330100111 71011111 2021/010 20211/010 3322 2047 11111111"},
    };
    for (const auto &[rev, set, words, back] : cases) {
        shell::FrmMain &w = test::program_at_rest();
        const auto manual_fields = [&w] {
            QString s = QStringLiteral(" ");
            for (QWidget *f : Controls{w.address_pc, w.text_in_hi, w.text_in_low, w.text_in_trm, w.text_out_hi,
                                       w.text_out_low, w.Label_read_data, w.Label_read_data_bin})
                s += f->isHidden() ? '0' : '1';
            return s;
        };
        test::S().Rev_mode = int16_t(rev);
        w.SSTab1->setCurrentIndex(rev);
        panel(w, QString::fromLatin1(set));
        w.SSTab1->setCurrentIndex(2);
        EXPECT_EQ(QStringList({w.Label_fuse_word->text(), w.Label_fusex_word->text(), w.Label_fuse_word_bin->text(),
                               w.Label_fusex_word_bin->text()}).join(' ') + manual_fields(), words);
        EXPECT_EQ(desktop::caption(w.L_pgm_msg), QStringLiteral("通常は使用しません。\rコマンド解析に使用すると便利です。"));
        w.SSTab1->setCurrentIndex(3);  // nothing changes
        w.SSTab1->setCurrentIndex(rev);
        EXPECT_EQ(panel(w) + manual_fields(), back);
    }
}

TEST(FusePanel, OscillatorSwitchesEnableEitherTheInternalOrTheExternalControls)
{
    shell::FrmMain &w = test::program_at_rest();
    QStringList seen{enabled(w)};
    for (QCheckBox *box : {w.Check_IRC, w.Check_IRCa, w.Check_IRC}) {
        box->click();
        seen << enabled(w);
    }
    w.Check_IRCa->setCheckState(Qt::PartiallyChecked);  // grayed counts as not checked
    seen << enabled(w);
    for (const char *fuse : {"111101111111", "111111111111"}) {  // 0F7F, 0FFF
        test::S().Label_fuse_word_bin = QString::fromLatin1(fuse);
        fuse::Fuse_word_to_panel(test::S());
        seen << enabled(w);
    }
    w.Check_IRCa->click();  // once the program has grayed a box, a click still only checks or unchecks it
    seen << enabled(w) + controls({w.Check_IRCa});
    EXPECT_EQ(seen.join(' '), "01011 10011 10100 01100 01011 10100 01011 011001");
}

// Once until Fuse_tab_shown is cleared; the tab switch decodes the word.
TEST(FusePanel, SelectFuseTabBringsTheActiveRevisionsTabOnceAndAppliesTheARevisionRule)
{
    shell::FrmMain &w = test::program_at_rest();
    test::S().Rev_mode = 0;
    w.SSTab1->setCurrentIndex(3);
    test::S().Label_fuse_word_bin = QStringLiteral("111111110111");  // code protection
    w.mnuOption->trigger();
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    EXPECT_TRUE(test::S().Fuse_tab_shown && test::S().Link.comxx_Display_mode && w.Check_CP->isChecked());
    w.SSTab1->setCurrentIndex(3);
    fuse::Select_fuse_tab(test::S());
    EXPECT_EQ(w.SSTab1->currentIndex(), 3);

    // With the tab already in front there is no tab switch, but the A-revision rule still holds.
    test::S().Fuse_tab_shown = false;
    test::S().Rev_mode = 1;
    w.SSTab1->setCurrentIndex(1);
    test::S().fuse_panel.Check_IRCa = fuse::checked;  // not shown yet
    fuse::Select_fuse_tab(test::S());
    EXPECT_EQ(QString::number(w.SSTab1->currentIndex()) + enabled(w), "101100");
}

TEST(FusePanel, FocusHintsAndKeysOfTheTrimProgramWaitAndLoadFields)
{
    shell::FrmMain &w = test::program_at_rest();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(test::wait_until([&] { return w.isActiveWindow(); }));
    const auto focus = [](QWidget *field) {
        field->setFocus(Qt::OtherFocusReason);
        return test::wait_until([field] { return field->hasFocus(); });
    };
    w.SSTab1->setCurrentIndex(1);
    ASSERT_TRUE(focus(w.Text_IRCTRIMa));
    EXPECT_EQ(w.Label_msg_a->text() + '|' + w.Text_IRCTRIMa->toolTip(),
              "ここはSCENIX社で設定済みです。変更すると内部RC発周波数が変化します。|[Enter]でｱｯﾌﾟﾃﾞｰﾄします。");
    EXPECT_TRUE(focus(w.Check_CFa) && w.Label_msg_a->text().isEmpty());
    w.SSTab1->setCurrentIndex(2);
    desktop::set_caption(w.L_pgm_msg, QString());
    ASSERT_TRUE(focus(w.Text_pgm_wait));
    EXPECT_EQ(desktop::caption(w.L_pgm_msg), QStringLiteral("数値の設定範囲は、0＜数値＜256です。"));

    // Character keys in the A trim field, Enter and Backspace too, mark it edited; every key
    // still reaches the field.
    QString seen;
    const std::tuple<QLineEdit *, int, const char *> keys[] = {
        {w.Text_IRCTRIMa, Qt::Key_Left, ""}, {w.Text_IRCTRIMa, Qt::Key_Shift, ""},
        {w.Text_IRCTRIMa, Qt::Key_Delete, "\x7f"}, {w.Text_IRCTRIMa, Qt::Key_0, "0"},
        {w.Text_IRCTRIMa, Qt::Key_Return, "\r"}, {w.Text_IRCTRIMa, Qt::Key_Enter, "\r"},
        {w.Text_IRCTRIMa, Qt::Key_Backspace, "\b"}, {w.Text_IRCTRIM, Qt::Key_1, "1"}};
    for (const auto &[field, key, typed] : keys) {
        test::S().Irctrim_edited = false;
        field->setText(QStringLiteral("111"));
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(typed));
        QApplication::sendEvent(field, &down);
        seen += QString::number(test::S().Irctrim_edited) + field->text() + ' ';
    }
    EXPECT_EQ(seen, "0111 0111 0111 1111 1111 1111 111 0111 ");

    // Lower-case letters in a load field turn upper case at once, the cursor where typing left it.
    w.text_out_low->clear();
    w.text_out_low->insert(QStringLiteral("a"));
    w.text_out_low->setCursorPosition(0);
    w.text_out_low->insert(QStringLiteral("b"));
    EXPECT_EQ(w.text_out_low->text() + QString::number(w.text_out_low->cursorPosition()), "BA1");
}

TEST(FusePanel, ProgramWaitCaptionFollowsTheFieldAndIsStoredPerRevisionAfterTheConnectionDialog)
{
    shell::FrmMain &w = test::program_at_rest();
    QStringList captions;
    for (const char *count : {"240", "45", "1", "255", "12a", "abc", " +2.9", ".95", "-1", "-0", ""}) {
        w.Text_pgm_wait->setText(QString::fromLatin1(count));
        captions << w.Label_pgm_wait->text().mid(18);  // after "Programing time = "
    }
    EXPECT_EQ(captions, (QStringList{"240x1.06ms= 254ms", "45x1.06ms= 47ms", "1x1.06ms= 1ms", "255x1.06ms= 270ms",
                                     "12ax1.06ms= 12ms", "abcx1.06ms= 0ms", " +2.9x1.06ms= 3ms", ".95x1.06ms= 1ms",
                                     "-1x1.06ms= -2ms", "-0x1.06ms= 0ms", "0x1.06ms= 0ms"}));
    EXPECT_TRUE(w.Label_pgm_wait->text().startsWith("Programing time = "));
    EXPECT_EQ(w.Text_pgm_wait->text(), "0");  // the empty field becomes 0
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "");  // not before the connection dialog

    test::S().Com_setup_done = true;
    test::S().Rev_mode = 1;
    w.Text_pgm_wait->setText(QStringLiteral("60"));
    w.Text_pgm_wait->setText(QStringLiteral("12a"));  // shown but not stored
    test::S().Rev_mode = 0;
    w.Text_pgm_wait->setText(QStringLiteral("200"));
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")) + ' ' + test::stored(QStringLiteral("PGM_Wait_old")), "60 200");

    test::S().Text_pgm_wait = QStringLiteral("100");  // every tab switch shows the caption again
    w.SSTab1->setCurrentIndex(3);
    EXPECT_EQ(w.Label_pgm_wait->text(), "Programing time = 100x1.06ms= 106ms");
}

} // namespace
