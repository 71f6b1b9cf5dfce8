// Holds a serial port the way another serial program does (QSerialPort: a lock file in the
// system's lock folder and exclusive mode) until its standard input closes.

#include <QCoreApplication>
#include <QSerialPort>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QSerialPort port(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    if (!port.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "%s\n", qPrintable(port.errorString()));
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
