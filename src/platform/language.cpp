#include "platform/language.h"

#include "platform/files.h"
#include "platform/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace platform {
namespace {

bool known(const QString &language) { return language == QLatin1String("ja") || language == QLatin1String("en"); }

// A translator leaves the application as it goes.
void replace(std::unique_ptr<QTranslator> &slot, const QString &file, const QString &folder = {})
{
    slot.reset();
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        slot = std::move(translator);
}

} // namespace

QString chosen_language(const std::optional<QString> &given)
{
    if (given)
        return *given;
    const QString stored = get_setting(QStringLiteral("Language"), QStringLiteral("ja"));
    return known(stored) ? stored : QStringLiteral("ja");
}

bool install_language(const QString &language)
{
    if (!known(language))
        return false;
    static std::unique_ptr<QTranslator> own, qt;
    // The texts are written in Japanese: only other languages need a translation of ours.
    if (language == QLatin1String("ja"))
        own.reset();
    else
        replace(own, QStringLiteral(":/i18n/qorvil_%1.qm").arg(language));
    replace(qt, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    set_help_language(language);
    return true;
}

} // namespace platform
