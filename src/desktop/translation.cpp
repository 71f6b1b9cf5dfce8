#include "desktop/translation.h"

#include <QAbstractButton>
#include <algorithm>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>

namespace desktop {
namespace {

enum class Kind { text, tip, tab, item, accessible };

struct Entry {
    QPointer<QObject> object;
    Kind kind;
    int index;
    const char *context;
    const char *source;
};

std::vector<Entry> entries;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> refreshers;
QString current = QStringLiteral("ja");

void apply(const Entry &e)
{
    const QString text = QCoreApplication::translate(e.context, e.source);
    QObject *o = e.object.data();
    switch (e.kind) {
    case Kind::tip:
        static_cast<QWidget *>(o)->setToolTip(text);
        return;
    case Kind::accessible:
        static_cast<QWidget *>(o)->setAccessibleName(text);
        return;
    case Kind::tab:
        static_cast<QTabWidget *>(o)->setTabText(e.index, text);
        return;
    case Kind::item:
        static_cast<QComboBox *>(o)->setItemText(e.index, text);
        static_cast<QComboBox *>(o)->updateGeometry();  // the layout learns its new width
        return;
    case Kind::text:
        break;
    }
    if (auto *a = qobject_cast<QAction *>(o))
        a->setText(text);
    else if (auto *m = qobject_cast<QMenu *>(o))
        m->setTitle(text);
    else if (auto *l = qobject_cast<QLabel *>(o))
        l->setText(text);
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        b->setText(text);
    else if (auto *g = qobject_cast<QGroupBox *>(o))
        g->setTitle(text);
    else if (auto *w = qobject_cast<QWidget *>(o))
        w->setWindowTitle(text);
}

void add(QObject *object, Kind kind, int index, const char *context, const char *source)
{
    entries.push_back({object, kind, index, context, source});
    apply(entries.back());
}

} // namespace

void show_text(QWidget *widget, const char *context, const char *source) { add(widget, Kind::text, 0, context, source); }
void show_text(QAction *action, const char *context, const char *source) { add(action, Kind::text, 0, context, source); }
void show_tip(QWidget *widget, const char *context, const char *source) { add(widget, Kind::tip, 0, context, source); }
void show_accessible_name(QWidget *widget, const char *context, const char *source)
{
    add(widget, Kind::accessible, 0, context, source);
}

void show_tab_text(QTabWidget *tabs, int index, const char *context, const char *source)
{
    add(tabs, Kind::tab, index, context, source);
}

void show_items(QComboBox *box, const char *context, const std::vector<const char *> &sources)
{
    // A list filled again replaces what it showed before.
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [box](const Entry &e) { return e.kind == Kind::item && e.object == box; }),
                  entries.end());
    for (int i = 0; i < int(sources.size()); ++i)
        add(box, Kind::item, i, context, sources[size_t(i)]);
}

void on_language_change(QObject *owner, std::function<void()> refresh)
{
    refreshers.emplace_back(owner, std::move(refresh));
}

void retranslate()
{
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const Entry &e) { return e.object.isNull(); }),
                  entries.end());
    for (const Entry &e : entries)
        apply(e);
    refreshers.erase(std::remove_if(refreshers.begin(), refreshers.end(), [](const auto &r) { return r.first.isNull(); }),
                     refreshers.end());
    for (const auto &r : refreshers)
        r.second();
}

QString language() { return current; }
void set_language_name(const QString &name) { current = name; }

} // namespace desktop
