#pragma once
// The program in its start state (without the connection dialog), with a scratch folder
// for HEX files and helpers to write and read them.

#include "fuse/option_tables.h"
#include "fuse/panel_behaviour.h"
#include "image/device_image.h"
#include "operations/status_text.h"
#include "shell/frm_main.h"
#include "shell/globals.h"
#include "shell/windows.h"
#include "test_support.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace hextest {

inline const QString title = QStringLiteral("Qorvil Version 1.6.40");
inline const QString reading_error_text =
    QStringLiteral("HEXファイルの、リードが正常に行われませんでした。　　　　　　　");
inline const QString fuse_warning_text = QStringLiteral("FUSE設定を確認して下さい。(特に発振モード)　　　");

inline QByteArray file_bytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool write_bytes(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(data) == data.size() && f.flush();
}

// The lines of a file, each without its CR LF; also checks that every line ends in CR LF.
inline QStringList crlf_lines(const QString &path, bool *all_crlf = nullptr)
{
    const QByteArray data = file_bytes(path);
    QStringList lines = QString::fromLatin1(data).split(QStringLiteral("\r\n"));
    if (all_crlf)
        *all_crlf = data.endsWith("\r\n") && !QString::fromLatin1(data).remove(QStringLiteral("\r\n")).contains('\n')
                    && !QString::fromLatin1(data).remove(QStringLiteral("\r\n")).contains('\r');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// One record with the right checksum, in the given case.
inline QString record(int address, int type, const QList<int> &bytes, bool lower = false)
{
    int sum = bytes.size() + (address >> 8) + (address & 0xFF) + type;
    QString text = QStringLiteral(":%1%2%3")
                       .arg(bytes.size(), 2, 16, QLatin1Char('0'))
                       .arg(address, 4, 16, QLatin1Char('0'))
                       .arg(type, 2, 16, QLatin1Char('0'));
    for (int b : bytes) {
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
        sum += b;
    }
    text += QStringLiteral("%1").arg((256 - (sum & 0xFF)) & 0xFF, 2, 16, QLatin1Char('0'));
    return lower ? text.toLower() : text.toUpper();
}

// A data record of 12-bit words starting at word address `word_address`.
inline QString word_record(int word_address, const QList<int> &words)
{
    QList<int> bytes;
    for (int w : words)
        bytes << (w & 0xFF) << (w >> 8);
    return record(word_address * 2, 0, bytes);
}

inline QString end_record() { return QStringLiteral(":00000001FF"); }

class Hex : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = test::program_at_rest();
        w->SSTab1->setCurrentIndex(3);
        state::Title_text = title;
        w->setWindowTitle(title);
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { test::fresh_program(); }

    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    // Writes `lines` (joined by `eol`, with a final `eol`) to a file in the scratch folder.
    QString hex_file(const QString &name, const QStringList &lines, const QString &eol = QStringLiteral("\r\n"))
    {
        const QString p = path(name);
        EXPECT_TRUE(write_bytes(p, (lines.join(eol) + eol).toLatin1()));
        return p;
    }

    QString panel(int n) const { return operations::status_text(n); }

    shell::FrmMain *w = nullptr;
    QTemporaryDir dir;
};

} // namespace hextest
