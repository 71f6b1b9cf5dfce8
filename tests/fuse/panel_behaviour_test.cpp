// How the fuse panel and the command tab react: oscillator switches, the trim field,
// tab switches, the program-wait field and the load fields.

#include "fuse_fixture.h"

#include "fuse/fuse_words.h"
#include "fuse/select_fuse_tab.h"
#include "state/captions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace {

using PanelBehaviour = FusePanel;

// Puts the keyboard focus on `field` of the shown main window.
bool focus(state::FrmMain *w, QWidget *field)
{
    w->show();
    w->activateWindow();
    if (!test::wait_until([&] { return w->isActiveWindow(); }))
        return false;
    field->setFocus(Qt::OtherFocusReason);
    return test::wait_until([&] { return field->hasFocus(); });
}

// Every combo, check box and text field of a tab, to compare the tab before and after.
QStringList controls(QWidget *tab)
{
    QStringList s;
    for (const QComboBox *c : tab->findChildren<QComboBox *>())
        s << c->objectName() + QLatin1Char('=') + QString::number(c->currentIndex());
    for (const QCheckBox *c : tab->findChildren<QCheckBox *>())
        s << c->objectName() + QLatin1Char('=') + QString::number(c->checkState());
    for (const QLineEdit *c : tab->findChildren<QLineEdit *>())
        s << c->objectName() + QLatin1Char('=') + c->text();
    return s;
}

TEST_F(PanelBehaviour, OscillatorSwitchesEnableEitherTheInternalOrTheExternalControls)
{
    const auto expect_internal = [&](bool old_rev, bool a_rev) {
        EXPECT_EQ(w->Combo_DIV->isEnabled(), old_rev);
        EXPECT_EQ(w->Combo_FOSC->isEnabled(), !old_rev);
        EXPECT_EQ(w->Combo_DIVa->isEnabled(), a_rev);
        EXPECT_EQ(w->Combo_FOSCa->isEnabled(), !a_rev);
        EXPECT_EQ(w->Check_IFBDa->isEnabled(), !a_rev);
    };
    SCOPED_TRACE("at rest");
    expect_internal(false, false);
    {
        SCOPED_TRACE("clicks");
        w->Check_IRC->click();
        expect_internal(true, false);
        w->Check_IRCa->click();
        expect_internal(true, true);
        w->Check_IRC->click();
        expect_internal(false, true);
    }
    {
        SCOPED_TRACE("grayed counts as not checked");
        w->Check_IRCa->setCheckState(Qt::PartiallyChecked);
        expect_internal(false, false);
    }
    {
        SCOPED_TRACE("decoding 0F7F, then 0FFF");
        set_words(QStringLiteral("111101111111"), QStringLiteral("111111111111"));
        fuse::Fuse_word_to_panel();
        EXPECT_EQ(w->Check_IRCa->checkState(), Qt::Checked);
        expect_internal(true, true);
        set_words(QStringLiteral("111111111111"), QStringLiteral("111111111111"));
        fuse::Fuse_word_to_panel();
        expect_internal(false, false);
    }
}

TEST_F(PanelBehaviour, FocusShowsTheHintsOfTheTrimAndProgramWaitFields)
{
    w->SSTab1->setCurrentIndex(1);
    ASSERT_TRUE(focus(w, w->Text_IRCTRIMa));
    EXPECT_EQ(w->Label_msg_a->text(), QStringLiteral("ここはSCENIX社で設定済みです。変更すると内部RC発周波数が変化します。"));
    w->Check_CFa->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(test::wait_until([&] { return w->Check_CFa->hasFocus(); }));
    EXPECT_EQ(w->Label_msg_a->text(), "");

    state::set_caption(w->L_pgm_msg, QString());
    w->SSTab1->setCurrentIndex(2);
    ASSERT_TRUE(focus(w, w->Text_pgm_wait));
    EXPECT_EQ(state::caption(w->L_pgm_msg), QStringLiteral("数値の設定範囲は、0＜数値＜256です。"));
}

TEST_F(PanelBehaviour, CharacterKeysInTheATrimFieldMarkItEdited)
{
    struct Case {
        QLineEdit *field;
        int key;
        const char *text;
        bool edited;
    };
    const Case cases[] = {
        {w->Text_IRCTRIMa, Qt::Key_Left, "", false},         {w->Text_IRCTRIMa, Qt::Key_Shift, "", false},
        {w->Text_IRCTRIMa, Qt::Key_Delete, "\x7f", false},       {w->Text_IRCTRIMa, Qt::Key_0, "0", true},
        {w->Text_IRCTRIMa, Qt::Key_Return, "\r", true},      {w->Text_IRCTRIMa, Qt::Key_Backspace, "\b", true},
        {w->Text_IRCTRIM, Qt::Key_1, "1", false},  // the old revision's field does not count
    };
    for (const Case &c : cases) {
        state::Irctrim_edited = false;
        c.field->setText(QStringLiteral("111"));
        QKeyEvent down(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.text));
        QApplication::sendEvent(c.field, &down);
        EXPECT_EQ(state::Irctrim_edited, c.edited) << c.key;
        // The key still reaches the field: the full field takes no 0, Backspace takes a character.
        EXPECT_EQ(c.field->text(), c.key == Qt::Key_Backspace ? "11" : "111") << c.key;
    }
}

TEST_F(PanelBehaviour, OldRevisionRoundTripThroughTheCommandTab)
{
    state::Rev_mode = 0;
    w->SSTab1->setCurrentIndex(0);
    w->Check_TURBO->setCheckState(Qt::Checked);
    w->Check_OPTIONX->setCheckState(Qt::Checked);
    w->Check_IRC->setCheckState(Qt::Checked);
    w->Check_WDTE->setCheckState(Qt::Unchecked);
    w->Combo_DIV->setCurrentIndex(0);
    w->Combo_FOSC->setCurrentIndex(1);
    w->Check_CF->setCheckState(Qt::Checked);
    w->Combo_BOR->setCurrentIndex(1);
    w->Combo_RAM->setCurrentIndex(2);
    w->Combo_MEM->setCurrentIndex(0);
    w->Text_IRCTRIM->setText(QStringLiteral("101"));
    const QStringList before = controls(w->SSTab1->widget(0));

    w->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(w->Label_fuse_word->text(), "0509");
    EXPECT_EQ(w->Label_fusex_word->text(), "0D98");
    EXPECT_EQ(state::caption(w->L_pgm_msg), QStringLiteral("通常は使用しません。\rコマンド解析に使用すると便利です。"));
    // As a single command on the command tab would leave them:
    set_words(QStringLiteral("010100000001"), QStringLiteral("110110011000"));  // CP checked
    w->SSTab1->setCurrentIndex(0);

    EXPECT_EQ(w->Check_CP->checkState(), Qt::Checked);
    w->Check_CP->setCheckState(Qt::Unchecked);
    EXPECT_EQ(controls(w->SSTab1->widget(0)), before);
    EXPECT_EQ(state::Last_address, 511);
}

TEST_F(PanelBehaviour, ARevisionRoundTripThroughTheCommandTab)
{
    state::Rev_mode = 1;
    state::Pin_mode = 18;
    w->SSTab1->setCurrentIndex(1);
    w->Check_SYNCa->setCheckState(Qt::Checked);
    w->Check_CPa->setCheckState(Qt::Checked);
    w->Check_IRCa->setCheckState(Qt::Checked);
    w->Combo_DIVa->setCurrentIndex(1);
    w->Check_IFBDa->setCheckState(Qt::Checked);  // what the word gives the disabled external group
    w->Check_CFa->setCheckState(Qt::Checked);
    w->Check_OPT_STa->setCheckState(Qt::Checked);
    w->Combo_BORa->setCurrentIndex(2);
    w->Combo_BORTRa->setCurrentIndex(0);
    w->Combo_BPXa->setCurrentIndex(2);
    w->Text_IRCTRIMa->setText(QStringLiteral("010"));
    const QStringList before = controls(w->SSTab1->widget(1));

    w->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(w->Label_fuse_word->text(), "0B37");
    EXPECT_EQ(w->Label_fusex_word->text(), "0222");
    EXPECT_EQ(state::Last_address, 2047);
    set_words(QStringLiteral("101100110111"), QStringLiteral("001000100001"));  // memory field 01
    w->SSTab1->setCurrentIndex(1);

    EXPECT_EQ(w->Combo_BPXa->currentIndex(), 1);
    EXPECT_EQ(state::Last_address, 511);
    w->Combo_BPXa->setCurrentIndex(2);
    EXPECT_EQ(controls(w->SSTab1->widget(1)), before);
    EXPECT_TRUE(w->Combo_DIVa->isEnabled());
}

TEST_F(PanelBehaviour, CommandTabShowsTheManualFieldsAndTheOldFuseTabHidesThem)
{
    const QList<QWidget *> fields = {w->address_pc,  w->text_in_hi,   w->text_in_low,     w->text_in_trm,
                                     w->text_out_hi, w->text_out_low, w->Label_read_data, w->Label_read_data_bin};
    const std::pair<int, bool> switches[] = {{2, true}, {1, true}, {3, true}, {0, false}, {3, false}, {2, true}};
    for (const auto &[tab, shown] : switches) {
        w->SSTab1->setCurrentIndex(tab);
        for (QWidget *f : fields)
            EXPECT_EQ(f->isHidden(), !shown) << "tab " << tab << " " << f->objectName().toStdString();
    }
}

TEST_F(PanelBehaviour, SelectFuseTabBringsTheActiveRevisionsTabOnceAndAppliesTheARevisionRule)
{
    state::Rev_mode = 0;
    w->SSTab1->setCurrentIndex(3);
    fuse::Select_fuse_tab();
    EXPECT_EQ(w->SSTab1->currentIndex(), 0);
    EXPECT_TRUE(state::Fuse_tab_shown);
    EXPECT_TRUE(state::Link.comxx_Display_mode);
    w->SSTab1->setCurrentIndex(3);
    fuse::Select_fuse_tab();
    EXPECT_EQ(w->SSTab1->currentIndex(), 3);

    // From the options menu; the tab switch decodes the word.
    state::Fuse_tab_shown = false;
    state::Rev_mode = 1;
    w->Label_fuse_word_bin->setText(QStringLiteral("111111110111"));
    w->mnuOption->trigger();
    EXPECT_EQ(w->SSTab1->currentIndex(), 1);
    EXPECT_EQ(w->Check_CPa->checkState(), Qt::Checked);

    // With the tab already in front there is no tab switch, but the rule still runs.
    state::Fuse_tab_shown = false;
    {
        const QSignalBlocker quiet(w->Check_IRCa);
        w->Check_IRCa->setCheckState(Qt::Checked);
    }
    ASSERT_FALSE(w->Combo_DIVa->isEnabled());
    fuse::Select_fuse_tab();
    EXPECT_TRUE(w->Combo_DIVa->isEnabled());
    EXPECT_FALSE(w->Combo_FOSCa->isEnabled());
}

TEST_F(PanelBehaviour, ProgrammingTimeCaptionFollowsTheFieldAndEveryTabSwitch)
{
    const std::pair<const char *, const char *> cases[] = {
        {"240", "Programing time = 240x1.06ms= 254ms"}, {"45", "Programing time = 45x1.06ms= 47ms"},
        {"1", "Programing time = 1x1.06ms= 1ms"},       {"255", "Programing time = 255x1.06ms= 270ms"},
        {"12a", "Programing time = 12ax1.06ms= 12ms"},  {"abc", "Programing time = abcx1.06ms= 0ms"},
        {"", "Programing time = 0x1.06ms= 0ms"},  // the empty field becomes 0
    };
    for (const auto &[count, caption] : cases) {
        w->Text_pgm_wait->setText(QString::fromLatin1(count));
        EXPECT_EQ(w->Label_pgm_wait->text(), caption) << count;
    }
    EXPECT_EQ(w->Text_pgm_wait->text(), "0");

    const QSignalBlocker quiet(w->Text_pgm_wait);
    w->Text_pgm_wait->setText(QStringLiteral("100"));
    w->SSTab1->setCurrentIndex(3);
    EXPECT_EQ(w->Label_pgm_wait->text(), "Programing time = 100x1.06ms= 106ms");
}

TEST_F(PanelBehaviour, ProgramWaitIsStoredPerRevisionOnlyAfterTheConnectionDialog)
{
    state::Rev_mode = 1;
    w->Text_pgm_wait->setText(QStringLiteral("50"));
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "");

    state::Com_setup_done = true;
    w->Text_pgm_wait->setText(QStringLiteral("60"));
    w->Text_pgm_wait->setText(QStringLiteral("12a"));  // shown but not stored
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "60");
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_old")), "");

    state::Rev_mode = 0;
    w->Text_pgm_wait->setText(QStringLiteral("200"));
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_old")), "200");
    EXPECT_EQ(test::stored(QStringLiteral("PGM_Wait_A")), "60");
}

TEST_F(PanelBehaviour, LoadFieldsTurnLowerCaseIntoUpperCaseAtOnce)
{
    w->text_out_hi->setText(QStringLiteral("0f"));
    EXPECT_EQ(w->text_out_hi->text(), "0F");
    w->text_out_low->clear();
    w->text_out_low->insert(QStringLiteral("a"));
    w->text_out_low->setCursorPosition(0);
    w->text_out_low->insert(QStringLiteral("b"));
    EXPECT_EQ(w->text_out_low->text(), "BA");
    EXPECT_EQ(w->text_out_low->cursorPosition(), 1);  // where the typing left it
}

} // namespace
