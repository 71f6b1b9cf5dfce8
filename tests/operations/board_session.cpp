#include "board_session.h"

#include "dialog_driver.h"

#include "link/frm_com.h"
#include "platform/serial_port.h"
#include "sim/state_file.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QUuid>

namespace test {

sim::Chip chip_with(std::uint16_t fuse, std::uint16_t fusex, const std::vector<std::pair<int, std::uint16_t>> &words)
{
    sim::Chip chip;
    chip.fuse = fuse;
    chip.fusex = fusex;
    for (const auto &[address, value] : words)
        chip.words.at(size_t(address)) = value;
    return chip;
}

Board_session::Board_session(const QStringList &sim_options, const sim::Chip *chip, int pins, int rev)
{
    fresh_program();
    folder_ = QDir::tempPath() + "/qorvil-session-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder_);
    state_path = folder_ + "/chip.state";
    if (chip) {
        QFile f(state_path);
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray::fromStdString(sim::format_state(*chip)));
    }
    QStringList options = sim_options;
    options << "--state" << state_path << "--rev" << (rev == 0 ? "old" : "A");
    board = std::make_unique<Sim_process>(options);
    if (!board->started())
        return;
    map_com_port(1, board->device);
    store("Pin_mode", QString::number(pins));
    store("Rev_mode", QString::number(rev));
    start_program([](comm::FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
    });
    connected = platform::port().is_open();
}

Board_session::~Board_session()
{
    fresh_program();
    board.reset();
    QDir(folder_).removeRecursively();
}

sim::Chip Board_session::chip_now()
{
    board->stop();
    sim::Chip chip;
    std::string error;
    sim::load_state_file(state_path.toStdString(), chip, error);
    return chip;
}

QString Board_session::commands() const
{
    QString out;
    for (const QString &line : board->log_lines()) {
        const int at = line.indexOf("cmd '");
        if (at >= 0)
            out += line.at(at + 5);
    }
    return out;
}

} // namespace test
