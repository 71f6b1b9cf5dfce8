// The option lists of the fuse panel's combo boxes.

#include "fuse_fixture.h"

#include <QSet>

namespace {

QStringList entries(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

using OptionTables = FusePanel;

TEST_F(OptionTables, EveryListHasItsEntriesInFieldOrder)
{
    EXPECT_EQ(entries(w->Combo_FOSC), QStringList({"LP", "XT", "HS", "External RC"}));
    EXPECT_EQ(entries(w->Combo_DIV), QStringList({"4MHz", "2MHz", "1Mhz", "500KHz", "250KHz", "125KHz", "62.5KHz",
                                                 "31.25KHz"}));
    EXPECT_EQ(entries(w->Combo_BOR), QStringList({"Brown-Out enable", "Reserved", "Reserved", "Brown-Out disable"}));
    EXPECT_EQ(entries(w->Combo_RAM), QStringList({"1bank  16byte", "2bank  32byte", "4bank  64byte", "8bank 128byte"}));
    EXPECT_EQ(entries(w->Combo_MEM), QStringList({"1page", "2page", "4page", "4page(default)"}));
    EXPECT_EQ(entries(w->Combo_RAM_DEVICE), entries(w->Combo_RAM));
    EXPECT_EQ(entries(w->Combo_MEM_DEVICE),
              QStringList({"1Page  512word", "2Page 1024word", "4Page 2048word", "8Page 4096word"}));

    EXPECT_EQ(entries(w->Combo_FOSCa),
              QStringList({"LP1(32KHz)", "LP2(32KHz-1MHz)", "XT1(32KHz-10MHz)", "XT2(1MHz-24MHz)",
                           QString::fromUtf8("HS1(1MHz\xEF\xBD\x9E" "50MHz)"),
                           QString::fromUtf8("HS2(1MHz\xEF\xBD\x9E" "50MHz)"),
                           QString::fromUtf8("HS3(1MHz\xEF\xBD\x9E" "75MHz)"), "External RC"}));
    EXPECT_EQ(entries(w->Combo_DIVa), QStringList({"4MHz", "1MHz", "128KHz", "32KHz"}));
    EXPECT_EQ(entries(w->Combo_BORa), QStringList({"4.2V", "2.6V", "2.2V", "Brown-Out disable"}));
    EXPECT_EQ(entries(w->Combo_BORTRa), QStringList({"00", "01", "10", "11"}));
    EXPECT_EQ(entries(w->Combo_BPXa),
              QStringList({"1page,1bank", "1page,2bank", "4page,4bank", "4page,8bank(default)"}));
    EXPECT_EQ(entries(w->Combo_RAM_DEVICEa), entries(w->Combo_RAM_DEVICE));
    EXPECT_EQ(entries(w->Combo_MEM_DEVICEa), entries(w->Combo_MEM_DEVICE));
}

TEST_F(OptionTables, DefaultsAreTheErasedFieldValues)
{
    EXPECT_EQ(w->Combo_FOSC->currentText(), "External RC");
    EXPECT_EQ(w->Combo_FOSCa->currentText(), "External RC");
    EXPECT_EQ(w->Combo_DIV->currentText(), "31.25KHz");
    EXPECT_EQ(w->Combo_DIVa->currentText(), "32KHz");
    EXPECT_EQ(w->Combo_BOR->currentText(), "Brown-Out disable");
    EXPECT_EQ(w->Combo_BORa->currentText(), "Brown-Out disable");
    EXPECT_EQ(w->Combo_BORTRa->currentText(), "11");
    EXPECT_EQ(w->Combo_RAM->currentText(), "8bank 128byte");
    EXPECT_EQ(w->Combo_MEM->currentText(), "4page(default)");
    EXPECT_EQ(w->Combo_BPXa->currentText(), "4page,8bank(default)");
    for (QComboBox *box : {w->Combo_RAM_DEVICE, w->Combo_RAM_DEVICEa})
        EXPECT_EQ(box->currentText(), "8bank 128byte");
    for (QComboBox *box : {w->Combo_MEM_DEVICE, w->Combo_MEM_DEVICEa})
        EXPECT_EQ(box->currentText(), "8Page 4096word");
}

TEST_F(OptionTables, SecondFillLeavesNoDuplicatesAndResetsOnlyTheSelections)
{
    const QList<QComboBox *> all = w->findChildren<QComboBox *>(QRegularExpression("^Combo_"));
    ASSERT_EQ(all.size(), 14);
    for (QComboBox *box : all)
        box->setCurrentIndex(0);
    w->Check_CP->setCheckState(Qt::Checked);
    w->Text_IRCTRIM->setText(QStringLiteral("010"));
    w->Label_fuse_word->setText(QStringLiteral("0123"));

    fuse::Combo_init();

    for (QComboBox *box : all) {
        const QStringList list = entries(box);
        const int expected = (box == w->Combo_DIV || box == w->Combo_FOSCa) ? 8 : 4;
        EXPECT_EQ(list.size(), expected) << box->objectName().toStdString();
        EXPECT_EQ(box->currentIndex(), expected - 1) << box->objectName().toStdString();
        if (box != w->Combo_BOR) {  // the only list with two equal entries
            EXPECT_EQ(QSet<QString>(list.begin(), list.end()).size(), list.size()) << box->objectName().toStdString();
        }
    }
    EXPECT_EQ(w->Check_CP->checkState(), Qt::Checked);
    EXPECT_EQ(w->Text_IRCTRIM->text(), "010");
    EXPECT_EQ(w->Label_fuse_word->text(), "0123");
}

} // namespace
