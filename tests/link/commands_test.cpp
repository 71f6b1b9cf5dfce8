// Every board command against the simulated board served in-process: what each one puts
// into the globals, the word labels, the reply fields and the status bar.

#include "sim_port.h"
#include "test_support.h"

#include "fuse/option_tables.h"
#include "link/commands.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using namespace comm;

class Commands : public ::testing::Test {
protected:
    test::Fresh_program fresh_;
    void SetUp() override
    {
        state::frmMain();
        fuse::Combo_init();
    }
    state::FrmMain &w = state::frmMain();
};

TEST_F(Commands, VersionFillsTheLabelTheBoardVersionAndPanelOne)
{
    test::Sim_port_scope sim;
    cor_version();
    EXPECT_EQ(state::Link.comxx_error, 0);
    EXPECT_EQ(w.Label_version->text(), " SX QORVIL V1.02");
    EXPECT_EQ(state::Board_version, "V1.02");
    EXPECT_EQ(w.sbPanel[1]->text(), "QORVIL V1.02");
    EXPECT_TRUE(load_needs_pauses());
}

TEST_F(Commands, VersionWithTwoExtraBytesShowsThemAllAndTakesTheLastFive)
{
    sim::Board_options o;
    o.extra_bytes = true;
    test::Sim_port_scope sim(o);
    cor_version();
    EXPECT_EQ(state::Link.comxx_Get_buffer.size(), 17);
    EXPECT_EQ(w.Label_version->text().size(), 18);
    EXPECT_EQ(state::Board_version, w.Label_version->text().right(5));
    EXPECT_FALSE(load_needs_pauses());
}

TEST_F(Commands, EntryIspShowsTheSyncWidth)
{
    for (const auto &[sync, caption] : {std::pair<int, const char *>{200, "同期幅10us 25cycle "},
                                       {201, "同期幅10.04us 25cycle "},
                                       {100, "同期幅5us 12cycle "}}) {
        sim::Board_options o;
        o.sync = sync;
        test::Sim_port_scope sim(o);
        cor_entry_ISP();
        EXPECT_EQ(state::Link.comxx_error, 0);
        EXPECT_EQ(w.Sync_Label->text(), QString::fromUtf8(caption));
        EXPECT_EQ(w.Label_sync_value->text(), QString::number(sync));
        EXPECT_EQ(w.text_in_hi->text(), QString::number(sync, 16).toUpper());
        EXPECT_EQ(w.text_in_low->text(), "K");
        EXPECT_EQ(w.text_in_trm->text(), "");
        EXPECT_TRUE(sim.port.board.isp());
    }
}

TEST_F(Commands, ReadsOfFusexAndDeviceFillTheirLabelsAndThePanel)
{
    sim::Board_options o;
    o.device = 0x0FFE;
    test::Sim_port_scope sim(o);
    sim.port.board.set_fusex(0x0F7D);  // memory field 01
    state::Rev_mode = 1;
    cor_entry_ISP();
    cor_read_DEVICE_word();
    EXPECT_EQ(state::Read_device_word, "0FFE");
    EXPECT_EQ(w.Label_device_word->text(), "0FFE");
    EXPECT_EQ(w.Label_device_word_bin->text(), "111111111110");
    EXPECT_EQ(w.Combo_MEM_DEVICE->currentIndex(), 2);
    EXPECT_EQ(w.Combo_RAM_DEVICEa->currentIndex(), 3);
    EXPECT_EQ(w.text_in_hi->text(), "F");
    EXPECT_EQ(w.text_in_low->text(), "FE");
    EXPECT_EQ(w.text_in_trm->text(), "\r");

    cor_read_FUSEX();
    EXPECT_EQ(state::Read_fusex_word, "0F7D");
    EXPECT_EQ(w.Label_fusex_word->text(), "0F7D");
    EXPECT_EQ(w.Label_fusex_word_bin->text(), "111101111101");
    EXPECT_EQ(w.Combo_BPXa->currentIndex(), 1);
    EXPECT_EQ(state::Last_address, 511);
    EXPECT_EQ(state::Link.comxx_error, 0);
}

TEST_F(Commands, WhileVerifyingReadsLeaveTheLabelsAlone)
{
    test::Sim_port_scope sim;
    sim.port.board.set_fuse(0x0FF7);
    sim.port.board.set_fusex(0x0ABC);
    w.Label_fuse_word->setText("0FFF");
    w.Label_fusex_word->setText("0FFF");
    state::Verify_running = 1;
    cor_entry_ISP();
    cor_read_FUSEX();
    w.address_pc->setText("0xFFF");
    state::Address_pc = 0xFFF;
    cor_read_data();
    EXPECT_EQ(state::Read_fusex_word, "0ABC");
    EXPECT_EQ(state::Read_data_word, "0FF7");
    EXPECT_EQ(state::Read_buffer[0xFFF], "0FF7");
    EXPECT_EQ(w.Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w.Label_fusex_word->text(), "0FFF");
}

TEST_F(Commands, LoadProgramIncrementAndReadAWord)
{
    test::Sim_port_scope sim;
    state::Link.comxx_Display_mode = true;
    cor_version();
    cor_entry_ISP();
    state::Address_pc = 4095;
    w.address_pc->setText("0xFFF");

    // At 0xFFF the read is the FUSE word.
    cor_read_data();
    EXPECT_EQ(state::Read_data_word, "0FFF");
    EXPECT_EQ(w.Label_fuse_word->text(), "0FFF");

    cor_increment_address();
    EXPECT_EQ(state::Address_pc, 0);
    EXPECT_EQ(w.address_pc->text(), "0x000");
    EXPECT_EQ(w.text_in_hi->text(), "K");

    w.text_out_hi->setText("a");  // one digit counts as "0a"
    w.text_out_low->setText("5c");
    cor_load_data_word();
    EXPECT_EQ(sim.port.board.loaded_word(), 0x0A5C);
    cor_program_data();
    EXPECT_EQ(sim.port.board.word(0), 0x0A5C);
    cor_read_data();
    EXPECT_EQ(state::Read_buffer[0], "0A5C");
    EXPECT_EQ(w.Label_read_data->text(), "0A5C");
    EXPECT_EQ(w.Label_read_data_bin->text(), "101001011100");
    EXPECT_EQ(w.Label_fuse_word->text(), "0FFF");  // not the FUSE place any more
    EXPECT_EQ(state::Link.comxx_error, 0);

    // The "V1.02" board got a pause before each data byte: the bytes went out one by one.
    QByteArray all;
    for (const auto &[at, bytes] : sim.port.writes)
        all += bytes;
    EXPECT_TRUE(all.contains(QByteArray("4\x0A\x5C", 3)));
}

TEST_F(Commands, EmptyLoadFieldSendsZero)
{
    test::Sim_port_scope sim;
    cor_entry_ISP();
    w.text_out_hi->setText("");
    w.text_out_low->setText("zz");
    cor_load_data_word();
    EXPECT_EQ(sim.port.board.loaded_word(), 0x0000);
}

TEST_F(Commands, EraseProgramFusexPackageModesAndProgramWait)
{
    test::Sim_port_scope sim;
    cor_entry_ISP();
    sim.port.board.set_word(5, 0x123);
    cor_rease();
    EXPECT_EQ(sim.port.board.word(5), 0xFFF);
    w.text_out_hi->setText("0B");
    w.text_out_low->setText("FF");
    cor_load_data_word();
    cor_program_FUSEX_word();
    EXPECT_EQ(sim.port.board.fusex(), 0x0BFF);
    cor_mode_28pin();
    EXPECT_EQ(sim.port.board.pins(), 28);
    cor_mode_18pin();
    EXPECT_EQ(sim.port.board.pins(), 18);
    w.Text_pgm_wait->setText("45");
    cor_reaset_wait();
    EXPECT_EQ(sim.port.board.program_wait(), 45);
    cor_exit_ISP();
    EXPECT_FALSE(sim.port.board.isp());
    EXPECT_EQ(state::Link.comxx_error, 0);
}

} // namespace
