// The exchange trace from the Option menu: its check mark, a file that cannot be written, and
// the connection dialog that tells of a slow adapter.

#include "window_kit.h"

#include "batch/command_line.h"
#include "connection_dialog/frm_com.h"
#include "link/trace.h"
#include "shell/frm_main.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString slow_hint = "アダプタの遅延タイマーが16\u00A0msです（1\u00A0msにする方法はヘルプを参照）";

TEST(Trace, OptionMenuTracesTheDialogWhichTellsOfASlowAdapter)
{
    test::fresh_program();
    QTemporaryDir dir;
    test::Sim_process board;
    test::map_com_port(1, board.device);
    test::File_script files;
    const QString bad = dir.path() + "/not-a-folder/trace.log", good = dir.path() + "/trace.log";
    QFile(dir.path() + "/not-a-folder").open(QIODevice::WriteOnly);
    files.answers = {bad, good};
    auto &w = shell::frmMain();
    QAction *entry = w.findChild<QAction *>("mnuTrace");
    EXPECT_EQ(entry->text(), "通信ログを保存...");
    EXPECT_FALSE(comm::tracing(test::S()));
    entry->trigger();  // reported on panel 3, nothing else changes
    EXPECT_TRUE(w.panel(session::Panel::activity)->text().startsWith("通信ログを保存できません: " + bad + " ("));
    EXPECT_FALSE(comm::tracing(test::S()) || entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(comm::tracing(test::S()) && entry->isChecked());

    const auto connect_board = [&] {
        QString device_line;
        test::start_program([&](comm::FrmCom &d) {
            d.Combo_com->setCurrentIndex(1);
            d.Command_ok->click();
            device_line = d.Label_device_path->text();
            d.Combo_com->setCurrentIndex(2);  // the hint is of the opened port only
            device_line += '|' + d.Label_device_path->text().section('\n', 1);
        });
        EXPECT_TRUE(test::S().port().is_open());
        return device_line;
    };
    const struct {
        const char *timer;
        bool slow;
    } cases[] = {{"16", true}, {"2", false}, {nullptr, false}};
    for (const auto &c : cases) {
        qputenv("QORVIL_SYSFS_ROOT", test::fake_sysfs(dir, board.device, c.timer).toUtf8());
        EXPECT_EQ(connect_board(), board.device + (c.slow ? "\n" + slow_hint : QString()) + '|') << c.timer;
        const QStringList lines = test::trace_lines(good);
        EXPECT_TRUE(lines.last().startsWith("identify sent 3D got ")) << c.timer;
        EXPECT_EQ(lines[lines.size() - 2].contains("adapter latency timer 16 ms"), c.slow) << c.timer;
    }
    qunsetenv("QORVIL_SYSFS_ROOT");

    entry->trigger();  // chosen again: stops, and nothing more is written
    EXPECT_FALSE(comm::tracing(test::S()) || entry->isChecked());
    // Without the menu: `qorvil --trace FILE`.
    EXPECT_EQ(*batch::parse_command_line({"--lang", "en", "--trace", good}).trace, good);
    connect_board();
    EXPECT_EQ(test::trace_lines(good).last(), "trace stopped");
    test::fresh_program();
}

} // namespace
