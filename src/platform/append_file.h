#pragma once
// A text file that grows line by line. Every line is handed to the system as it is
// written, so a crash of the program keeps what was written before it.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

class Append_file {
public:
    // Opens `path` for appending (creating it). Returns an empty text, or why it cannot.
    QString open(const QString &path);
    void close();
    bool is_open() const { return file_.isOpen(); }

    // Writes `line` and a line end. Returns false when the write failed.
    bool append_line(const QByteArray &line);

private:
    QFile file_;
};

} // namespace platform
