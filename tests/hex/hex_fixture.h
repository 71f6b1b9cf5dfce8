#pragma once
// The program in its start state (without the connection dialog), with a scratch folder
// for HEX files, scripted dialogs and message boxes, and helpers to write and read HEX files.

#include "image/device_image.h"
#include "state/status_bar.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace hextest {

inline const QString title = QStringLiteral("Qorvil Version 1.6.40");
inline const QString reading_error_text =
    QStringLiteral("HEXファイルの、リードが正常に行われませんでした。　　　　　　　");
inline const QString fuse_warning_text = QStringLiteral("FUSE設定を確認して下さい。(特に発振モード)　　　");

inline QByteArray file_bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool write_bytes(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size() && f.flush();
}

// The lines of a file that ends every line in CR LF, without their line ends.
inline QStringList crlf_lines(const QString &path)
{
    return QString::fromLatin1(file_bytes(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// One record with the right checksum, in the given case.
inline QString record(int address, int type, const QList<int> &data, bool lower = false)
{
    QString text = QStringLiteral(":");
    int sum = 0;
    for (int b : QList<int>{int(data.size()), address >> 8, address & 0xFF, type} + data) {
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
        sum += b;
    }
    text += QStringLiteral("%1").arg(-sum & 0xFF, 2, 16, QLatin1Char('0'));
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

inline const QString end_record = QStringLiteral(":00000001FF");

class Hex : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = &test::program_at_rest();
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

    // Opens `file` through the open button, answering the dialog with it.
    void open(const QString &file)
    {
        files.answers << file;
        w->Command_open->click();
    }

    // Saves through the save-as button, answering the dialog with `file` and the overwrite
    // question, if any, with `answer`. Returns `file`.
    QString save_as(const QString &file, platform::Answer answer = platform::Answer::ok)
    {
        files.answers << file;
        boxes.fallback = answer;
        w->Command_save->click();
        return file;
    }

    QString panel(int n) const { return state::status_text(n); }

    // Checks that one message box, and only one, was shown since the last check, and what it
    // said; then forgets it.
    void expect_box(platform::Icon icon, const QString &box_title, const QString &text, platform::Buttons buttons)
    {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].icon, icon);
        EXPECT_EQ(boxes.shown[0].title, box_title);
        EXPECT_EQ(boxes.shown[0].text, text);
        EXPECT_EQ(boxes.shown[0].buttons, buttons);
        boxes.shown.clear();
    }

    // Checks image words by word address, and the FUSE and FUSEX labels unless left empty.
    void expect_image(const std::map<int, QString> &words, const QString &fuse = {}, const QString &fusex = {}) const
    {
        for (const auto &[address, word] : words)
            EXPECT_EQ(state::Mem_buffer[size_t(address)], word) << "word " << address;
        if (!fuse.isEmpty()) {
            EXPECT_EQ(w->Label_fuse_word->text(), fuse);
        }
        if (!fusex.isEmpty()) {
            EXPECT_EQ(w->Label_fusex_word->text(), fusex);
        }
    }

    state::FrmMain *w = nullptr;
    QTemporaryDir dir;
    test::Message_script boxes;
    test::File_script files;
};

} // namespace hextest
