// The option lists, and the word labels <-> the fuse panel's controls and Last_address.

#include "fuse_fixture.h"

#include "fuse/fuse_words.h"
#include "image/device_image.h"
#include "image/word_text.h"

#include <QSet>

#include <functional>

namespace {

using FuseWords = FusePanel;

TEST_F(FuseWords, OptionListsRefillWithoutDuplicatesAndSelectTheErasedValue)
{
    const QList<QComboBox *> all = w->findChildren<QComboBox *>(QRegularExpression("^Combo_"));
    ASSERT_EQ(all.size(), 14);
    for (QComboBox *box : all)
        box->setCurrentIndex(0);
    w->Check_CP->setCheckState(Qt::Checked);
    w->Text_IRCTRIM->setText(QStringLiteral("010"));
    w->Label_fuse_word->setText(QStringLiteral("0123"));

    fuse::Combo_init();  // the second fill

    for (QComboBox *box : all) {
        const std::string name = box->objectName().toStdString();
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        const int expected = (box == w->Combo_DIV || box == w->Combo_FOSCa) ? 8 : 4;
        EXPECT_EQ(list.size(), expected) << name;
        EXPECT_EQ(box->currentIndex(), expected - 1) << name;  // the all-ones field value
        if (box != w->Combo_BOR) {  // the only list with two equal entries ("Reserved")
            EXPECT_EQ(QSet<QString>(list.begin(), list.end()).size(), list.size()) << name;
        }
    }
    EXPECT_EQ(w->Combo_FOSC->currentText(), "External RC");
    EXPECT_EQ(w->Combo_MEM->currentText(), "4page(default)");
    EXPECT_EQ(w->Combo_MEM_DEVICE->currentText(), "8Page 4096word");
    EXPECT_EQ(w->Check_CP->checkState(), Qt::Checked);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "010");
    EXPECT_EQ(w->Label_fuse_word->text(), "0123");
}

TEST_F(FuseWords, BlankWordsFromClearingShowTheErasedOptions)
{
    // Everything away from the erased state first.
    for (QComboBox *box : w->findChildren<QComboBox *>(QRegularExpression("^Combo_")))
        box->setCurrentIndex(0);
    const QList<QCheckBox *> checks = w->findChildren<QCheckBox *>(QRegularExpression("^Check_"));
    ASSERT_EQ(checks.size(), 16);
    for (QCheckBox *box : checks)
        box->setCheckState(Qt::PartiallyChecked);
    w->Text_IRCTRIM->setText(QStringLiteral("000"));
    w->Text_IRCTRIMa->setText(QStringLiteral("000"));
    state::Last_address = 511;

    image::Clear_image();

    const std::pair<QComboBox *, int> combos[] = {
        {w->Combo_FOSC, 3},       {w->Combo_DIV, 7},         {w->Combo_FOSCa, 7},      {w->Combo_DIVa, 3},
        {w->Combo_MEM, 3},        {w->Combo_RAM, 3},         {w->Combo_BOR, 3},        {w->Combo_BPXa, 3},
        {w->Combo_BORTRa, 3},     {w->Combo_BORa, 3},        {w->Combo_RAM_DEVICE, 3}, {w->Combo_RAM_DEVICEa, 3},
        {w->Combo_MEM_DEVICE, 2}, {w->Combo_MEM_DEVICEa, 2},  // DEVICE 0FFE
    };
    for (const auto &[box, index] : combos)
        EXPECT_EQ(box->currentIndex(), index) << box->objectName().toStdString();
    for (QCheckBox *box : checks) {
        const bool watchdog = box == w->Check_WDTE || box == w->Check_WDTEa;
        EXPECT_EQ(box->checkState(), watchdog ? Qt::Checked : Qt::Unchecked) << box->objectName().toStdString();
    }
    EXPECT_EQ(w->Text_IRCTRIM->text(), "111");
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "111");
    EXPECT_EQ(state::Last_address, 2047);
}

TEST_F(FuseWords, EncodersWriteTheActiveRevisionsWordAsHexAndBinaryText)
{
    struct Case {
        int rev;
        int pin;
        std::function<void(state::FrmMain *)> change;  // of the blank panel
        const char *fuse;
        const char *fusex;
    };
    const Case cases[] = {
        {0, 18, [](state::FrmMain *) {}, "0FFF", "0FFF"},
        {0, 18, [](state::FrmMain *w) { w->Check_CP->setCheckState(Qt::Checked); }, "0FF7", "0FFF"},
        {0, 18, [](state::FrmMain *w) { w->Text_IRCTRIM->setText(QStringLiteral("000")); }, "0FFF", "00FF"},
        {0, 18, [](state::FrmMain *w) { w->Text_IRCTRIM->setText(QStringLiteral("001")); }, "0FFF", "05FF"},
        {0, 18, [](state::FrmMain *w) { w->Text_IRCTRIM->setText(QStringLiteral("100")); }, "0FFF", "0CFF"},
        {1, 28, [](state::FrmMain *w) { w->Check_CP->setCheckState(Qt::Checked); }, "0FFF", "0FFF"},
        {1, 18, [](state::FrmMain *w) { w->Check_IRCa->setCheckState(Qt::Checked); }, "0F7F", "0BFF"},
    };
    for (const Case &c : cases) {
        image::Clear_image();
        state::Rev_mode = c.rev;
        state::Pin_mode = c.pin;
        c.change(w);
        fuse::Fuse_panel_to_word();
        fuse::Fusex_panel_to_word();
        EXPECT_EQ(w->Label_fuse_word->text(), c.fuse) << c.fuse << " " << c.fusex;
        EXPECT_EQ(w->Label_fusex_word->text(), c.fusex) << c.fuse << " " << c.fusex;
        EXPECT_EQ(w->Label_fuse_word_bin->text(), image::Hex_to_bin_text(c.fuse));
        EXPECT_EQ(w->Label_fusex_word_bin->text(), image::Hex_to_bin_text(c.fusex));
    }
    EXPECT_EQ(w->Label_fusex_word_bin->text(), "101111111111");
}

TEST_F(FuseWords, LastAddressFollowsTheActiveRevisionsMemoryField)
{
    // An unknown revision encodes nothing and keeps Last_address; the panel is still decoded.
    state::Rev_mode = 2;
    state::Last_address = 1023;
    w->Check_CP->setCheckState(Qt::Checked);
    w->Combo_MEM->setCurrentIndex(0);
    fuse::Fuse_panel_to_word();
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(w->Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFF");
    EXPECT_EQ(state::Last_address, 1023);
    w->Label_fusex_word_bin->setText(QStringLiteral("111111111110"));
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(state::Last_address, 1023);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 2);

    // The encoder reads the combo of the active revision.
    state::Rev_mode = 1;
    w->Combo_BPXa->setCurrentIndex(1);
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(state::Last_address, 511);
    state::Rev_mode = 0;
    w->Combo_MEM->setCurrentIndex(1);
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(state::Last_address, 1023);

    // The decoder sets both layouts, then Last_address from the active one.
    const std::tuple<const char *, int, int> cases[] = {
        {"111111111101", 1, 511},  {"111111111101", 0, 1023}, {"111111111100", 0, 511},
        {"111111111111", 0, 2047}, {"111111111100", 1, 511},  {"111111111110", 1, 2047},
    };
    for (const auto &[bin, rev, last] : cases) {
        state::Rev_mode = rev;
        w->Label_fusex_word_bin->setText(QString::fromLatin1(bin));
        fuse::Fusex_word_to_panel();
        EXPECT_EQ(state::Last_address, last) << bin << " revision " << rev;
    }
}

TEST_F(FuseWords, EmptyOrTooShortBinaryTextKeepsTheControlsItDoesNotCover)
{
    w->Combo_FOSC->setCurrentIndex(1);
    w->Combo_BPXa->setCurrentIndex(2);
    w->Check_CFa->setCheckState(Qt::PartiallyChecked);
    set_words(QString(), QString());
    w->Label_device_word_bin->clear();
    fuse::Fuse_word_to_panel();
    fuse::Fusex_word_to_panel();
    fuse::Device_word_to_panel();
    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 1);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 2);
    EXPECT_EQ(w->Check_CFa->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(w->Combo_MEM_DEVICE->currentIndex(), 2);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "");
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "");

    w->Combo_MEM->setCurrentIndex(1);
    set_words(QStringLiteral("0000"), QStringLiteral("0101111111"));
    fuse::Fuse_word_to_panel();
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(w->Check_TURBO->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_STACKX->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_IRC->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 1);
    EXPECT_EQ(w->Combo_DIV->currentIndex(), 7);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 1);
    EXPECT_EQ(w->Combo_RAM->currentIndex(), 3);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "001");
}

} // namespace
