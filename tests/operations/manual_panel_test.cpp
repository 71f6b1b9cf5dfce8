// The command tab's buttons, clicked by hand against the simulated board.

#include "board_session.h"

#include "state/captions.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

state::FrmMain &W() { return state::frmMain(); }
void press(const char *name) { W().command_buttons.at(name)->click(); }
QString message() { return state::caption(W().L_pgm_msg); }

TEST(ManualPanel, ButtonsCaptionsAndToolTips)
{
    test::fresh_program();
    auto &w = W();
    ASSERT_EQ(w.command_buttons.size(), 14u);
    EXPECT_EQ(w.command_buttons.at("Enrty_isp_mode")->text(), "Entry ISP mode");
    EXPECT_EQ(w.command_buttons.at("Enrty_isp_mode")->toolTip(), "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”９”");
    EXPECT_EQ(w.command_buttons.at("increment_address")->text(), "INC Adrress");
    EXPECT_EQ(w.command_buttons.at("mode_28pin")->toolTip(), "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”＜”");
    EXPECT_EQ(w.command_buttons.at("pgm_wait")->toolTip(), "");
    test::fresh_program();
}

TEST(ManualPanel, GuardedButtonsWantIspFirst)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    W().SSTab1->setCurrentIndex(2);
    for (const char *name : {"erase", "read_DEVICE_word", "read_fusex_word", "program_fusex_word", "load_data_word",
                             "program_data", "read_data", "increment_address"}) {
        press(name);
        EXPECT_EQ(message(), "Entry ISPを実行して下さい。") << name;
    }
    EXPECT_TRUE(s.board->log_lines().size() == 1);  // only the identification
    press("version");
    EXPECT_EQ(state::Board_version, "V1.02");
}

TEST(ManualPanel, StepByStepThroughOneWord)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    auto &w = W();
    w.SSTab1->setCurrentIndex(2);
    EXPECT_TRUE(w.address_pc->isVisible() && w.text_in_hi->isVisible());

    press("Enrty_isp_mode");
    EXPECT_EQ(state::Isp_mode, "ON");
    EXPECT_EQ(w.address_pc->text(), "0xFFF");
    EXPECT_EQ(w.Sync_Label->text(), "同期幅10us 25cycle ");

    press("read_data");  // at 0xFFF: the FUSE word
    EXPECT_EQ(w.Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w.text_in_trm->text(), "\r");

    press("increment_address");
    EXPECT_EQ(w.address_pc->text(), "0x000");
    EXPECT_EQ(state::Address_pc, 0);

    w.text_out_hi->setText("0a");
    EXPECT_EQ(w.text_out_hi->text(), "0A");  // upper-cased at once
    w.text_out_low->setText("bc");
    press("load_data_word");
    press("program_data");
    press("read_data");
    EXPECT_EQ(w.Label_read_data->text(), "0ABC");
    EXPECT_EQ(w.Label_read_data_bin->text(), "101010111100");

    press("erase");
    EXPECT_EQ(message(), "デバイスのEEPROMを消去しました。!!\r"
                         "処理を続ける場合は、一度ISPモードから抜けて、再度ISPﾓｰﾄﾞに入ってください。");
    press("exit_isp_mode");
    EXPECT_EQ(state::Isp_mode, "OFF");
    EXPECT_EQ(state::Address_pc, -1);
    EXPECT_EQ(w.address_pc->text(), "0xFFF");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(s.commands(), "=9674560:");
    EXPECT_EQ(s.chip_now().words[0], 0xFFF);
}

TEST(ManualPanel, MessageAfterProgramFusexEvenWhenItFails)
{
    test::Board_session s({"--silent-cmd", "3"});
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    W().SSTab1->setCurrentIndex(2);
    press("Enrty_isp_mode");
    press("program_fusex_word");
    EXPECT_EQ(state::Link.comxx_error, 1);
    EXPECT_EQ(message(), "ﾃﾞﾊﾞｲｽのEEPROMを消去しました。!!\r"
                         "処理を続ける場合は、一度ISPﾓｰﾄﾞから抜けて、再度ISPﾓｰﾄﾞに入ってください。");
}

} // namespace
