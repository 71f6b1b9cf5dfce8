// The word labels and the fuse panel's controls: decoding, encoding and Last_address.

#include "fuse_fixture.h"

#include "fuse/fuse_words.h"
#include "image/device_image.h"

namespace {

using FuseWords = FusePanel;

TEST_F(FuseWords, BlankWordsFromClearingShowTheErasedOptions)
{
    // Everything away from the erased state first.
    for (QComboBox *box : w->findChildren<QComboBox *>(QRegularExpression("^Combo_")))
        box->setCurrentIndex(0);
    for (QCheckBox *box : w->findChildren<QCheckBox *>(QRegularExpression("^Check_")))
        box->setCheckState(Qt::PartiallyChecked);
    state::Last_address = 511;

    image::Clear_image();

    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 3);
    EXPECT_EQ(w->Combo_DIV->currentIndex(), 7);
    EXPECT_EQ(w->Check_WDTE->checkState(), Qt::Checked);
    for (QCheckBox *box : {w->Check_TURBO, w->Check_SYNC, w->Check_OPTIONX, w->Check_STACKX, w->Check_IRC,
                           w->Check_CP})
        EXPECT_EQ(box->checkState(), Qt::Unchecked) << box->objectName().toStdString();

    EXPECT_EQ(w->Combo_FOSCa->currentIndex(), 7);
    EXPECT_EQ(w->Combo_DIVa->currentIndex(), 3);
    EXPECT_EQ(w->Check_WDTEa->checkState(), Qt::Checked);
    for (QCheckBox *box : {w->Check_TURBOa, w->Check_SYNCa, w->Check_IRCa, w->Check_IFBDa, w->Check_CPa})
        EXPECT_EQ(box->checkState(), Qt::Unchecked) << box->objectName().toStdString();

    for (QComboBox *box : {w->Combo_MEM, w->Combo_RAM, w->Combo_BOR, w->Combo_BPXa, w->Combo_BORTRa, w->Combo_BORa})
        EXPECT_EQ(box->currentIndex(), 3) << box->objectName().toStdString();
    for (QCheckBox *box : {w->Check_CF, w->Check_CFa, w->Check_OPT_STa})
        EXPECT_EQ(box->checkState(), Qt::Unchecked) << box->objectName().toStdString();
    EXPECT_EQ(w->Text_IRCTRIM->text(), "111");
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "111");
    EXPECT_EQ(state::Last_address, 2047);

    // DEVICE "0FFE"
    EXPECT_EQ(w->Combo_RAM_DEVICE->currentIndex(), 3);
    EXPECT_EQ(w->Combo_RAM_DEVICEa->currentIndex(), 3);
    EXPECT_EQ(w->Combo_MEM_DEVICE->currentIndex(), 2);
    EXPECT_EQ(w->Combo_MEM_DEVICEa->currentIndex(), 2);
}

TEST_F(FuseWords, EncodersWriteTheHexTextThenItsBinaryText)
{
    image::Clear_image();
    state::Rev_mode = 0;
    w->Check_CP->setCheckState(Qt::Checked);
    fuse::Fuse_panel_to_word();
    EXPECT_EQ(w->Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(w->Label_fuse_word_bin->text(), "111111110111");

    w->Text_IRCTRIM->setText(QStringLiteral("001"));
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(w->Label_fusex_word->text(), "05FF");
    EXPECT_EQ(w->Label_fusex_word_bin->text(), "010111111111");
}

TEST_F(FuseWords, OldRevisionFusexTrimEncodings)
{
    image::Clear_image();
    state::Rev_mode = 0;
    const std::pair<const char *, const char *> cases[] = {
        {"111", "0FFF"}, {"000", "00FF"}, {"001", "05FF"}, {"100", "0CFF"}};
    for (const auto &[trim, word] : cases) {
        w->Text_IRCTRIM->setText(QString::fromLatin1(trim));
        fuse::Fusex_panel_to_word();
        EXPECT_EQ(w->Label_fusex_word->text(), word) << trim;
    }
}

TEST_F(FuseWords, ARevisionWordsFollowTheOscillatorSwitchAndThePackage)
{
    image::Clear_image();
    state::Rev_mode = 1;
    state::Pin_mode = 28;
    fuse::Fuse_panel_to_word();
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(w->Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFF");

    w->Check_IRCa->setCheckState(Qt::Checked);
    state::Pin_mode = 18;
    fuse::Fuse_panel_to_word();
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(w->Label_fuse_word->text(), "0F7F");
    EXPECT_EQ(w->Label_fusex_word->text(), "0BFF");
    EXPECT_EQ(w->Label_fusex_word_bin->text(), "101111111111");
}

TEST_F(FuseWords, EncodersReadOnlyTheActiveRevisionsControls)
{
    image::Clear_image();
    state::Rev_mode = 1;
    state::Pin_mode = 28;
    w->Check_CP->setCheckState(Qt::Checked);
    w->Combo_MEM->setCurrentIndex(0);
    fuse::Fuse_panel_to_word();
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(w->Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFF");
    EXPECT_EQ(state::Last_address, 2047);
}

TEST_F(FuseWords, UnknownRevisionChangesNothing)
{
    image::Clear_image();
    state::Rev_mode = 2;
    state::Last_address = 1023;
    w->Check_CP->setCheckState(Qt::Checked);
    w->Check_CPa->setCheckState(Qt::Checked);
    w->Combo_MEM->setCurrentIndex(0);
    w->Combo_BPXa->setCurrentIndex(0);
    fuse::Fuse_panel_to_word();
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(w->Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFF");
    EXPECT_EQ(state::Last_address, 1023);

    w->Label_fusex_word_bin->setText(QStringLiteral("111111111110"));
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(state::Last_address, 1023);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 2);  // the panel is still decoded
}

TEST_F(FuseWords, LastAddressFromTheMemoryComboDependsOnTheRevision)
{
    image::Clear_image();
    state::Rev_mode = 0;
    w->Combo_MEM->setCurrentIndex(1);
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(state::Last_address, 1023);

    state::Rev_mode = 1;
    w->Combo_BPXa->setCurrentIndex(1);
    fuse::Fusex_panel_to_word();
    EXPECT_EQ(state::Last_address, 511);

    w->Label_fusex_word_bin->setText(QStringLiteral("111111111101"));  // memory field 01
    state::Rev_mode = 0;
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(state::Last_address, 1023);
    state::Rev_mode = 1;
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(state::Last_address, 511);

    w->Label_fusex_word_bin->setText(QStringLiteral("111111111100"));
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(state::Last_address, 511);
    w->Label_fusex_word_bin->setText(QStringLiteral("111111111110"));
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(state::Last_address, 2047);
}

TEST_F(FuseWords, DecodingTheOscillatorBitAppliesTheEnablingRules)
{
    image::Clear_image();
    ASSERT_FALSE(w->Combo_DIVa->isEnabled());

    set_words(QStringLiteral("111101111111"), QStringLiteral("111111111111"));  // 0F7F
    fuse::Fuse_word_to_panel();
    EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Combo_DIVa->currentIndex(), 3);
    EXPECT_EQ(w->Check_IFBDa->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Combo_FOSCa->currentIndex(), 7);
    EXPECT_TRUE(w->Combo_DIVa->isEnabled());
    EXPECT_FALSE(w->Combo_FOSCa->isEnabled());
    EXPECT_FALSE(w->Check_IFBDa->isEnabled());
    EXPECT_EQ(w->Check_IRC->checkState(), Qt::Checked);
    EXPECT_TRUE(w->Combo_DIV->isEnabled());
    EXPECT_FALSE(w->Combo_FOSC->isEnabled());

    set_words(QStringLiteral("111111111111"), QStringLiteral("111111111111"));
    fuse::Fuse_word_to_panel();
    EXPECT_FALSE(w->Combo_DIVa->isEnabled());
    EXPECT_TRUE(w->Combo_FOSCa->isEnabled());
    EXPECT_TRUE(w->Check_IFBDa->isEnabled());
    EXPECT_FALSE(w->Combo_DIV->isEnabled());
    EXPECT_TRUE(w->Combo_FOSC->isEnabled());
}

TEST_F(FuseWords, EmptyBinaryTextChangesNoChoiceAndEmptiesTheTrimFields)
{
    image::Clear_image();
    w->Combo_FOSC->setCurrentIndex(1);
    w->Combo_BPXa->setCurrentIndex(2);
    w->Check_CP->setCheckState(Qt::Checked);
    w->Check_CFa->setCheckState(Qt::PartiallyChecked);
    set_words(QString(), QString());
    w->Label_device_word_bin->clear();

    fuse::Fuse_word_to_panel();
    fuse::Fusex_word_to_panel();
    fuse::Device_word_to_panel();

    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 1);
    EXPECT_EQ(w->Combo_FOSCa->currentIndex(), 7);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 2);
    EXPECT_EQ(w->Check_CP->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_CFa->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(w->Combo_MEM_DEVICE->currentIndex(), 2);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "");
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "");
}

TEST_F(FuseWords, TooShortBinaryTextSetsOnlyWhatItCovers)
{
    image::Clear_image();
    w->Combo_FOSC->setCurrentIndex(0);
    w->Combo_MEM->setCurrentIndex(1);
    set_words(QStringLiteral("0000"), QStringLiteral("0101111111"));

    fuse::Fuse_word_to_panel();
    fuse::Fusex_word_to_panel();

    EXPECT_EQ(w->Check_TURBO->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_STACKX->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_IRC->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 0);
    EXPECT_EQ(w->Combo_DIV->currentIndex(), 7);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 1);
    EXPECT_EQ(w->Combo_RAM->currentIndex(), 3);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "001");
}

TEST_F(FuseWords, DecodersFillBothLayoutsWhateverTheRevision)
{
    image::Clear_image();
    state::Rev_mode = 0;
    set_words(QStringLiteral("011111111111"), QStringLiteral("000000000000"));
    fuse::Fuse_word_to_panel();
    fuse::Fusex_word_to_panel();
    EXPECT_EQ(w->Check_TURBO->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_TURBOa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 0);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 0);
    EXPECT_EQ(w->Check_OPT_STa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "000");
    EXPECT_EQ(state::Last_address, 511);
}

} // namespace
