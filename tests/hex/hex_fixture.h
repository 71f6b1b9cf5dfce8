#pragma once
// The program at rest (without the connection dialog), a scratch folder for HEX files,
// scripted dialogs and message boxes, and helpers to write and read HEX files.

#include "image/device_image.h"
#include "shell/frm_main.h"
#include "window_kit.h"

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

namespace hextest {

inline const QString title = QStringLiteral("Qorvil Version 1.6.40");
// Message boxes as Hex::shown() writes them.
inline const QString fuse_warning = QStringLiteral("! FUSE設定: FUSE設定を確認して下さい。(特に発振モード)　　　");
inline const QString reading_error = QStringLiteral("i Qorvil: HEXファイルの、リードが正常に行われませんでした。　　　　　　　");
inline const QString end_record = QStringLiteral(":00000001FF");

using test::hex_record;

// A data record of 12-bit words from word address `word_address`, low byte first.
inline QString words(int word_address, const QList<int> &words)
{
    QList<int> bytes;
    for (int w : words)
        bytes << (w & 0xFF) << (w >> 8);
    return hex_record(word_address * 2, bytes);
}

class Hex : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = &test::program_at_rest();
        w->SSTab1->setCurrentIndex(3);
        test::S().Title_text = title;
        w->setWindowTitle(title);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Writes `lines` to a file of the scratch folder, each ended by CR LF.
    QString hex_file(const QString &name, const QStringList &lines)
    {
        EXPECT_TRUE(test::write_file(path(name), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()));
        return path(name);
    }

    // Opens `file` through the open button, answering the dialog with it.
    void open(const QString &file)
    {
        files.answers << file;
        w->Command_open->click();
    }

    // Saves through the save-as button, answering the dialog with `file` and the overwrite
    // question, if one comes, with `answer`.
    QString save_as(const QString &file, desktop::Answer answer = desktop::Answer::ok)
    {
        files.answers << file;
        boxes.fallback = answer;
        w->Command_save->click();
        return file;
    }

    QString panel(int n) const { return w->sbPanel[size_t(n)]->text(); }

    // The message boxes shown since the last look ("icon title: text", the icon as - i !,
    // then the buttons unless only OK), then forgotten.
    QString shown()
    {
        QStringList s;
        for (const desktop::Message &m : boxes.shown)
            s << QStringLiteral("-i!")[int(m.icon)] + ' ' + m.title + QStringLiteral(": ") + m.text +
                     (m.buttons == desktop::Buttons::ok ? QString() : QStringLiteral(" [OK Cancel]"));
        boxes.shown.clear();
        return s.join('\n');
    }

    // Image words at `addresses`, then the FUSE and FUSEX labels.
    QString memory(std::initializer_list<int> addresses) const
    {
        QStringList s;
        for (int a : addresses)
            s << test::S().Mem_buffer[size_t(a)];
        return (s << w->Label_fuse_word->text() << w->Label_fusex_word->text()).join(' ');
    }

    shell::FrmMain *w = nullptr;
    QTemporaryDir dir;
    test::Message_script boxes;
    test::File_script files;
};

} // namespace hextest
