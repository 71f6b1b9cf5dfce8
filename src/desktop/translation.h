#pragma once
// Texts of the windows given by their source text (the Japanese text): shown in the current
// language now, and again whenever the language changes.

#include <QString>
#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QObject;
class QTabWidget;
class QWidget;

namespace desktop {

// The text, title or caption of a label, button, check box, group box, menu or window.
void show_text(QWidget *widget, const char *context, const char *source);
void show_text(QAction *action, const char *context, const char *source);
void show_tip(QWidget *widget, const char *context, const char *source);
// The name a screen reader gives a control that shows no caption of its own.
void show_accessible_name(QWidget *widget, const char *context, const char *source);
void show_tab_text(QTabWidget *tabs, int index, const char *context, const char *source);
// Every item of a list; the selection stays.
void show_items(QComboBox *box, const char *context, const std::vector<const char *> &sources);

// Runs `refresh` after every change of language, for texts that are made rather than fixed.
void on_language_change(QObject *owner, std::function<void()> refresh);

// Shows every text given above in the language now installed.
void retranslate();

// "ja" or "en": the language the texts are shown in.
QString language();
void set_language_name(const QString &name);

} // namespace desktop
