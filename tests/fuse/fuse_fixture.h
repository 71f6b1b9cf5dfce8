#pragma once
// A fresh main window as start-up leaves it: option lists filled, handlers connected, image cleared.

#include "fuse/option_tables.h"
#include "fuse/panel_behaviour.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"
#include "support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

class FusePanel : public ::testing::Test {
protected:
    void SetUp() override { w = &test::program_at_rest(); }
    void TearDown() override { test::fresh_program(); }

    void set_words(const QString &fuse_bin, const QString &fusex_bin)
    {
        w->Label_fuse_word_bin->setText(fuse_bin);
        w->Label_fusex_word_bin->setText(fusex_bin);
    }

    state::FrmMain *w = nullptr;
};
