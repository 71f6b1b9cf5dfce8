#include "fuse/option_tables.h"

#include "state/frm_main.h"
#include "state/windows.h"

#include <QComboBox>

#include <vector>

namespace fuse {
namespace {

// Entry index = the value of the word field, so the order of every list is fixed.
using Entries = std::vector<const char *>;

const Entries ram_device = {"1bank  16byte", "2bank  32byte", "4bank  64byte", "8bank 128byte"};
const Entries mem_device = {"1Page  512word", "2Page 1024word", "4Page 2048word", "8Page 4096word"};
const Entries ram = {"1bank  16byte", "2bank  32byte", "4bank  64byte", "8bank 128byte"};
const Entries mem = {"1page", "2page", "4page", "4page(default)"};
const Entries bpx_a = {"1page,1bank", "1page,2bank", "4page,4bank", "4page,8bank(default)"};
const Entries bor = {"Brown-Out enable", "Reserved", "Reserved", "Brown-Out disable"};
const Entries bor_a = {"4.2V", "2.6V", "2.2V", "Brown-Out disable"};
const Entries div = {"4MHz", "2MHz", "1Mhz", "500KHz", "250KHz", "125KHz", "62.5KHz", "31.25KHz"};
const Entries div_a = {"4MHz", "1MHz", "128KHz", "32KHz"};
const Entries fosc = {"LP", "XT", "HS", "External RC"};
const Entries fosc_a = {"LP1(32KHz)",       "LP2(32KHz-1MHz)",  "XT1(32KHz-10MHz)", "XT2(1MHz-24MHz)",
                        "HS1(1MHz～50MHz)", "HS2(1MHz～50MHz)", "HS3(1MHz～75MHz)", "External RC"};
const Entries bortr_a = {"00", "01", "10", "11"};

struct Option_list {
    QComboBox *state::Fuse_controls::*combo;
    const Entries *entries;
    int default_index;  // the field's all-ones value, as in an erased word
};

// In the order the lists are filled.
const Option_list option_lists[] = {
    {&state::Fuse_controls::Combo_RAM_DEVICE, &ram_device, 3},
    {&state::Fuse_controls::Combo_RAM_DEVICEa, &ram_device, 3},
    {&state::Fuse_controls::Combo_MEM_DEVICE, &mem_device, 3},
    {&state::Fuse_controls::Combo_MEM_DEVICEa, &mem_device, 3},
    {&state::Fuse_controls::Combo_RAM, &ram, 3},
    {&state::Fuse_controls::Combo_MEM, &mem, 3},
    {&state::Fuse_controls::Combo_BPXa, &bpx_a, 3},
    {&state::Fuse_controls::Combo_BOR, &bor, 3},
    {&state::Fuse_controls::Combo_BORa, &bor_a, 3},
    {&state::Fuse_controls::Combo_DIV, &div, 7},
    {&state::Fuse_controls::Combo_DIVa, &div_a, 3},
    {&state::Fuse_controls::Combo_FOSC, &fosc, 3},
    {&state::Fuse_controls::Combo_FOSCa, &fosc_a, 7},
    {&state::Fuse_controls::Combo_BORTRa, &bortr_a, 3},
};

} // namespace

void Combo_init()
{
    state::Fuse_controls &c = state::frmMain();
    for (const Option_list &list : option_lists) {
        QComboBox *box = c.*list.combo;
        box->clear();
        for (const char *entry : *list.entries)
            box->addItem(QString::fromUtf8(entry));
        box->setCurrentIndex(list.default_index);
    }
}

} // namespace fuse
