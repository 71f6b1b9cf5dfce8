// How the fuse panel and the command tab react: oscillator switches, the trim field,
// tab switches, the program-wait field and the load fields.

#include "fuse_fixture.h"

#include "fuse/fuse_words.h"
#include "fuse/select_fuse_tab.h"
#include "image/device_image.h"
#include "shell/captions.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace {

using PanelBehaviour = FusePanel;

const QString trim_hint = QStringLiteral("ここはSCENIX社で設定済みです。変更すると内部RC発周波数が変化します。");

void press(QWidget *target, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

// Puts the keyboard focus on `field` of the shown main window.
bool focus(shell::FrmMain *w, QWidget *field)
{
    w->show();
    w->activateWindow();
    if (!test::wait_until([&] { return w->isActiveWindow(); }))
        return false;
    field->setFocus(Qt::OtherFocusReason);
    return test::wait_until([&] { return field->hasFocus(); });
}

// ---------------------------------------------------------------------------------------
// Oscillator switches

TEST_F(PanelBehaviour, OldRevisionSwitchEnablesTheFrequencyOrTheOscillatorMode)
{
    EXPECT_FALSE(w->Combo_DIV->isEnabled());
    EXPECT_TRUE(w->Combo_FOSC->isEnabled());

    w->Check_IRC->click();
    EXPECT_EQ(w->Check_IRC->checkState(), Qt::Checked);
    EXPECT_TRUE(w->Combo_DIV->isEnabled());
    EXPECT_FALSE(w->Combo_FOSC->isEnabled());

    w->Check_IRC->click();
    EXPECT_EQ(w->Check_IRC->checkState(), Qt::Unchecked);
    EXPECT_FALSE(w->Combo_DIV->isEnabled());
    EXPECT_TRUE(w->Combo_FOSC->isEnabled());
}

TEST_F(PanelBehaviour, ARevisionSwitchEnablesTheFrequencyOrTheExternalOscillatorControls)
{
    EXPECT_FALSE(w->Combo_DIVa->isEnabled());
    EXPECT_TRUE(w->Combo_FOSCa->isEnabled());
    EXPECT_TRUE(w->Check_IFBDa->isEnabled());

    w->Check_IRCa->click();
    EXPECT_TRUE(w->Combo_DIVa->isEnabled());
    EXPECT_FALSE(w->Combo_FOSCa->isEnabled());
    EXPECT_FALSE(w->Check_IFBDa->isEnabled());

    w->Check_IRCa->click();
    EXPECT_FALSE(w->Combo_DIVa->isEnabled());
    EXPECT_TRUE(w->Combo_FOSCa->isEnabled());
    EXPECT_TRUE(w->Check_IFBDa->isEnabled());
}

TEST_F(PanelBehaviour, GrayedSwitchCountsAsNotChecked)
{
    w->Check_IRCa->setCheckState(Qt::Checked);
    w->Check_IRCa->setCheckState(Qt::PartiallyChecked);
    EXPECT_FALSE(w->Combo_DIVa->isEnabled());
    EXPECT_TRUE(w->Combo_FOSCa->isEnabled());
    EXPECT_TRUE(w->Check_IFBDa->isEnabled());

    // A click from grayed goes on to an ordinary state; later clicks toggle.
    w->Check_IRCa->click();
    w->Check_IRCa->click();
    w->Check_IRCa->click();
    EXPECT_NE(w->Check_IRCa->checkState(), Qt::PartiallyChecked);
}

// ---------------------------------------------------------------------------------------
// The A-revision trim field

TEST_F(PanelBehaviour, TrimFieldHintLivesWhileTheFieldHasTheFocus)
{
    w->SSTab1->setCurrentIndex(1);
    ASSERT_TRUE(focus(w, w->Text_IRCTRIMa));
    EXPECT_EQ(w->Label_msg_a->text(), trim_hint);

    w->Check_CFa->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(test::wait_until([&] { return w->Check_CFa->hasFocus(); }));
    EXPECT_EQ(w->Label_msg_a->text(), "");
}

TEST_F(PanelBehaviour, TrimFieldAndItsLabelCarryTheEnterTip)
{
    EXPECT_EQ(w->Text_IRCTRIMa->toolTip(), QStringLiteral("[Enter]でｱｯﾌﾟﾃﾞｰﾄします。"));
    ASSERT_NE(w->Label28, nullptr);
    EXPECT_EQ(w->Label28->toolTip(), QStringLiteral("[Enter]でｱｯﾌﾟﾃﾞｰﾄします。"));
}

TEST_F(PanelBehaviour, CharacterKeysInTheTrimFieldMarkItEdited)
{
    w->Text_IRCTRIMa->setText(QStringLiteral("111"));
    press(w->Text_IRCTRIMa, Qt::Key_Left, QString());
    press(w->Text_IRCTRIMa, Qt::Key_Shift, QString());
    press(w->Text_IRCTRIMa, Qt::Key_Delete, QString());
    EXPECT_FALSE(state::Irctrim_edited);

    w->Text_IRCTRIMa->setText(QStringLiteral("111"));
    press(w->Text_IRCTRIMa, Qt::Key_0, QStringLiteral("0"));  // field is full: text unchanged
    EXPECT_TRUE(state::Irctrim_edited);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "111");

    state::Irctrim_edited = false;
    press(w->Text_IRCTRIMa, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(state::Irctrim_edited);

    state::Irctrim_edited = false;
    w->Text_IRCTRIMa->setCursorPosition(3);
    press(w->Text_IRCTRIMa, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_TRUE(state::Irctrim_edited);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "11");  // the key still reaches the field

    state::Irctrim_edited = false;
    press(w->Text_IRCTRIM, Qt::Key_1, QStringLiteral("1"));  // the old revision's field does not count
    EXPECT_FALSE(state::Irctrim_edited);
}

// ---------------------------------------------------------------------------------------
// Tab switches

TEST_F(PanelBehaviour, CommandTabRebuildsTheWordsFromThePanel)
{
    image::Clear_image();
    state::Rev_mode = 0;
    w->SSTab1->setCurrentIndex(0);
    w->Check_CP->setCheckState(Qt::Checked);
    w->Text_IRCTRIM->setText(QStringLiteral("100"));

    w->SSTab1->setCurrentIndex(2);

    EXPECT_EQ(w->Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(w->Label_fusex_word->text(), "0CFF");
    EXPECT_EQ(shell::caption(w->L_pgm_msg),
              QStringLiteral("通常は使用しません。\rコマンド解析に使用すると便利です。"));
}

TEST_F(PanelBehaviour, FuseTabRebuildsThePanelFromTheWords)
{
    image::Clear_image();
    state::Rev_mode = 1;
    w->SSTab1->setCurrentIndex(2);
    // As a single command on the command tab would leave them:
    set_words(QStringLiteral("111101110111"), QStringLiteral("000011111101"));

    w->SSTab1->setCurrentIndex(1);

    EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);
    EXPECT_TRUE(w->Combo_DIVa->isEnabled());
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "000");
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 1);
    EXPECT_EQ(state::Last_address, 511);
}

TEST_F(PanelBehaviour, OldRevisionRoundTripThroughTheCommandTab)
{
    image::Clear_image();
    state::Rev_mode = 0;
    w->SSTab1->setCurrentIndex(0);
    w->Check_TURBO->setCheckState(Qt::Checked);
    w->Check_OPTIONX->setCheckState(Qt::Checked);
    w->Check_IRC->setCheckState(Qt::Checked);
    w->Check_WDTE->setCheckState(Qt::Unchecked);
    w->Combo_DIV->setCurrentIndex(-1);  // no selection: comes back as entry 0
    w->Combo_FOSC->setCurrentIndex(1);
    w->Check_CF->setCheckState(Qt::Checked);
    w->Combo_BOR->setCurrentIndex(1);
    w->Combo_RAM->setCurrentIndex(2);
    w->Combo_MEM->setCurrentIndex(0);
    w->Text_IRCTRIM->setText(QStringLiteral("1x1"));  // the x comes back as 0

    w->SSTab1->setCurrentIndex(2);
    w->SSTab1->setCurrentIndex(0);

    EXPECT_EQ(w->Check_TURBO->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_SYNC->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Check_OPTIONX->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_STACKX->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Check_IRC->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_CP->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Check_WDTE->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Combo_DIV->currentIndex(), 0);
    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 1);
    EXPECT_EQ(w->Check_CF->checkState(), Qt::Checked);
    EXPECT_EQ(w->Combo_BOR->currentIndex(), 1);
    EXPECT_EQ(w->Combo_RAM->currentIndex(), 2);
    EXPECT_EQ(w->Combo_MEM->currentIndex(), 0);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "101");
    EXPECT_EQ(state::Last_address, 511);
}

TEST_F(PanelBehaviour, ARevisionRoundTripThroughTheCommandTab)
{
    image::Clear_image();
    state::Rev_mode = 1;
    state::Pin_mode = 18;
    w->SSTab1->setCurrentIndex(1);
    w->Check_SYNCa->setCheckState(Qt::Checked);
    w->Check_CPa->setCheckState(Qt::Checked);
    w->Check_IRCa->setCheckState(Qt::Checked);
    w->Combo_DIVa->setCurrentIndex(1);
    w->Check_CFa->setCheckState(Qt::Checked);
    w->Check_OPT_STa->setCheckState(Qt::Checked);
    w->Combo_BORa->setCurrentIndex(2);
    w->Combo_BORTRa->setCurrentIndex(0);
    w->Combo_BPXa->setCurrentIndex(2);
    w->Text_IRCTRIMa->setText(QStringLiteral("010"));

    w->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(w->Label_fuse_word->text(), "0B37");
    w->SSTab1->setCurrentIndex(1);

    EXPECT_EQ(w->Check_TURBOa->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Check_SYNCa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_WDTEa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Combo_DIVa->currentIndex(), 1);
    EXPECT_EQ(w->Check_CFa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Check_OPT_STa->checkState(), Qt::Checked);
    EXPECT_EQ(w->Combo_BORa->currentIndex(), 2);
    EXPECT_EQ(w->Combo_BORTRa->currentIndex(), 0);
    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 2);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "010");
    // The disabled external-oscillator group now shows what the word gives.
    EXPECT_EQ(w->Combo_FOSCa->currentIndex(), 7);
    EXPECT_EQ(w->Check_IFBDa->checkState(), Qt::Checked);
}

TEST_F(PanelBehaviour, CommandTabShowsTheManualFieldsAndTheOldFuseTabHidesThem)
{
    const QList<QWidget *> fields = {w->address_pc,  w->text_in_hi,   w->text_in_low,     w->text_in_trm,
                                     w->text_out_hi, w->text_out_low, w->Label_read_data, w->Label_read_data_bin};
    w->SSTab1->setCurrentIndex(3);
    for (QWidget *f : fields)
        f->hide();

    w->SSTab1->setCurrentIndex(2);
    for (QWidget *f : fields)
        EXPECT_FALSE(f->isHidden()) << f->objectName().toStdString();

    w->SSTab1->setCurrentIndex(1);
    w->SSTab1->setCurrentIndex(3);
    for (QWidget *f : fields)
        EXPECT_FALSE(f->isHidden()) << f->objectName().toStdString();

    w->SSTab1->setCurrentIndex(0);
    for (QWidget *f : fields)
        EXPECT_TRUE(f->isHidden()) << f->objectName().toStdString();
}

TEST_F(PanelBehaviour, EveryTabSwitchRefreshesTheProgrammingTime)
{
    const QSignalBlocker quiet(w->Text_pgm_wait);
    w->Text_pgm_wait->setText(QStringLiteral("100"));
    w->SSTab1->setCurrentIndex(3);
    EXPECT_EQ(w->Label_pgm_wait->text(), "Programing time = 100x1.06ms= 106ms");
    w->Text_pgm_wait->setText(QStringLiteral("45"));
    w->SSTab1->setCurrentIndex(1);
    EXPECT_EQ(w->Label_pgm_wait->text(), "Programing time = 45x1.06ms= 47ms");
}

// ---------------------------------------------------------------------------------------
// Select_fuse_tab and the options menu

TEST_F(PanelBehaviour, SelectFuseTabBringsTheActiveRevisionsTabOnce)
{
    image::Clear_image();
    w->SSTab1->setCurrentIndex(3);
    state::Rev_mode = 0;
    fuse::Select_fuse_tab();
    EXPECT_EQ(w->SSTab1->currentIndex(), 0);
    EXPECT_TRUE(state::Fuse_tab_shown);
    EXPECT_TRUE(state::Link.comxx_Display_mode);

    w->SSTab1->setCurrentIndex(3);
    fuse::Select_fuse_tab();
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);

    state::Fuse_tab_shown = false;
    state::Rev_mode = 1;
    w->mnuOption->trigger();
    EXPECT_EQ(w->SSTab1->currentIndex(), 1);
}

TEST_F(PanelBehaviour, SelectFuseTabRunsTheTabSwitchAndTheARevisionRule)
{
    image::Clear_image();
    w->SSTab1->setCurrentIndex(3);
    w->Label_fuse_word_bin->setText(QStringLiteral("111111110111"));
    {
        const QSignalBlocker quiet(w->Check_IRCa);
        w->Check_IRCa->setCheckState(Qt::Checked);
    }
    ASSERT_FALSE(w->Combo_DIVa->isEnabled());
    state::Rev_mode = 1;

    fuse::Select_fuse_tab();

    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);   // decoded by the tab switch
    EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Unchecked);
    EXPECT_FALSE(w->Combo_DIVa->isEnabled());
    EXPECT_TRUE(w->Combo_FOSCa->isEnabled());

    // With the tab already in front there is no tab switch, but the rule still runs.
    state::Fuse_tab_shown = false;
    {
        const QSignalBlocker quiet(w->Check_IRCa);
        w->Check_IRCa->setCheckState(Qt::Checked);
    }
    fuse::Select_fuse_tab();
    EXPECT_TRUE(w->Combo_DIVa->isEnabled());
    EXPECT_FALSE(w->Combo_FOSCa->isEnabled());
}

// ---------------------------------------------------------------------------------------
// Program wait

TEST_F(PanelBehaviour, ProgrammingTimeCaption)
{
    const std::pair<const char *, const char *> cases[] = {
        {"240", "Programing time = 240x1.06ms= 254ms"},
        {"45", "Programing time = 45x1.06ms= 47ms"},
        {"1", "Programing time = 1x1.06ms= 1ms"},
        {"100", "Programing time = 100x1.06ms= 106ms"},
        {"255", "Programing time = 255x1.06ms= 270ms"},
    };
    for (const auto &[count, caption] : cases) {
        w->Text_pgm_wait->setText(QString::fromLatin1(count));
        EXPECT_EQ(w->Label_pgm_wait->text(), caption);
    }
}

TEST_F(PanelBehaviour, EmptyProgramWaitBecomesZero)
{
    w->Text_pgm_wait->setText(QStringLiteral("45"));
    w->Text_pgm_wait->clear();
    EXPECT_EQ(w->Text_pgm_wait->text(), "0");
    EXPECT_EQ(w->Label_pgm_wait->text(), "Programing time = 0x1.06ms= 0ms");
}

TEST_F(PanelBehaviour, ProgramWaitTextThatIsNotANumberIsShownButNotStored)
{
    state::Com_setup_done = true;
    w->Text_pgm_wait->setText(QStringLiteral("45"));
    w->Text_pgm_wait->setText(QStringLiteral("12a"));
    EXPECT_EQ(w->Label_pgm_wait->text(), "Programing time = 12ax1.06ms= 12ms");
    w->Text_pgm_wait->setText(QStringLiteral("abc"));
    EXPECT_EQ(w->Label_pgm_wait->text(), "Programing time = abcx1.06ms= 0ms");
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "45");
}

TEST_F(PanelBehaviour, ProgramWaitIsStoredPerRevisionOnlyAfterTheConnectionDialog)
{
    state::Rev_mode = 1;
    w->Text_pgm_wait->setText(QStringLiteral("50"));
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "");
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_old")), "");

    state::Com_setup_done = true;
    w->Text_pgm_wait->setText(QStringLiteral("60"));
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "60");
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_old")), "");

    state::Rev_mode = 0;
    w->Text_pgm_wait->setText(QStringLiteral("200"));
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_old")), "200");
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "60");
}

TEST_F(PanelBehaviour, ProgramWaitFocusShowsTheRangeHint)
{
    shell::set_caption(w->L_pgm_msg, QString());
    w->SSTab1->setCurrentIndex(2);
    ASSERT_TRUE(focus(w, w->Text_pgm_wait));
    EXPECT_EQ(shell::caption(w->L_pgm_msg), QStringLiteral("数値の設定範囲は、0＜数値＜256です。"));
}

// ---------------------------------------------------------------------------------------
// Load fields

TEST_F(PanelBehaviour, LoadFieldsTurnLowerCaseIntoUpperCaseAtOnce)
{
    w->text_out_hi->setText(QStringLiteral("0f"));
    EXPECT_EQ(w->text_out_hi->text(), "0F");
    w->text_out_low->clear();
    w->text_out_low->insert(QStringLiteral("a"));
    w->text_out_low->insert(QStringLiteral("b"));
    EXPECT_EQ(w->text_out_low->text(), "AB");
    EXPECT_EQ(w->text_out_low->cursorPosition(), 2);
}

} // namespace
