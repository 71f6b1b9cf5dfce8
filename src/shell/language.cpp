#include "shell/language.h"

#include "platform/files.h"
#include "platform/qt_translation.h"
#include "platform/settings.h"
#include "state/translation.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QTranslator>

#include <memory>

namespace shell {
namespace {
bool known(const QString &language) { return language == QLatin1String("ja") || language == QLatin1String("en"); }
} // namespace

QString chosen_language(const QStringList &arguments)
{
    const int at = arguments.indexOf(QStringLiteral("--lang"));
    if (at >= 0 && at + 1 < arguments.size())
        return arguments.at(at + 1);
    const QString stored = platform::get_setting(QStringLiteral("Language"), QStringLiteral("ja"));
    return known(stored) ? stored : QStringLiteral("ja");
}

bool apply_language(const QString &language)
{
    if (!known(language))
        return false;
    // The texts are written in Japanese: only other languages need a translation.
    static std::unique_ptr<QTranslator> own;
    own.reset();  // a translator leaves the application as it goes
    if (language != QLatin1String("ja")) {
        own = std::make_unique<QTranslator>();
        if (own->load(QStringLiteral(":/i18n/qorvil_%1.qm").arg(language)))
            QCoreApplication::installTranslator(own.get());
    }
    platform::load_qt_translation(language);
    platform::set_help_language(language);
    state::set_language_name(language);
    state::retranslate();
    return true;
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
        a->setChecked(state::language() == QLatin1String(code));
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [language = QString::fromLatin1(code)] {
            apply_language(language);
            platform::put_setting(QStringLiteral("Language"), language);
        });
    }
}

} // namespace shell
