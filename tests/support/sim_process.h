#pragma once
// The simulated board as a separate program on a pseudo-terminal.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace test {

class Sim_process {
public:
    explicit Sim_process(const QStringList &options = {});
    ~Sim_process();
    bool started() const { return !device.isEmpty(); }
    QString device;     // the pseudo-terminal's path
    QString log_path;   // one line per command the board received
    QStringList log_lines() const;
    void stop();

private:
    QProcess process_;
    QString folder_;
};

// Makes "COMn" of the program the simulated board.
void map_com_port(int n, const QString &device);

} // namespace test
