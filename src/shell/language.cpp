#include "shell/language.h"

#include "desktop/translation.h"
#include "platform/language.h"
#include "platform/settings.h"
#include "fuse_panel/revision_layout.h"
#include "shell/frm_main.h"

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QCoreApplication>
#include <QMenu>

namespace shell {

bool apply_language(const QString &language)
{
    if (!platform::install_language(language))
        return false;
    desktop::set_language_name(language);
    desktop::retranslate();
    return true;
}

void make_room_for_every_language(FrmMain &w)
{
    const QString shown = desktop::language();
    const int rev = w.Frame_fuse_a->isHidden() ? 0 : 1;
    QSize need = w.minimumSizeHint();
    for (const char *language : {"ja", "en"}) {
        apply_language(QLatin1String(language));
        for (const int r : {0, 1}) {
            fuse::apply_revision_layout(w, r);
            need = need.expandedTo(w.minimumSizeHint());
        }
    }
    apply_language(shown);
    fuse::apply_revision_layout(w, rev);
    w.setMinimumSize(need);
    w.resize(w.size().expandedTo(need));
}

void add_language_menu(QMenu *options)
{
    // The entry reads the same in every language, so that anybody finds it.
    QMenu *menu = options->addMenu(QStringLiteral("Language / 言語"));  // untranslated: for every reader
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(menu);
    const std::pair<const char *, const char *> languages[] = {{"ja", "日本語"}, {"en", "English"}};  // untranslated: languages by their own names
    for (const auto &[code, name] : languages) {
        QAction *a = menu->addAction(QString::fromUtf8(name));  // untranslated: a language's own name
        a->setObjectName(QStringLiteral("mnuLanguage_%1").arg(QLatin1String(code)));
        a->setCheckable(true);
        a->setChecked(desktop::language() == QLatin1String(code));
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [language = QString::fromLatin1(code)] {
            apply_language(language);
            platform::put_setting(QStringLiteral("Language"), language);
        });
    }
}

} // namespace shell
