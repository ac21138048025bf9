#include "core/language/ModuleLocale.h"

#include "core/language/LanguageModule.h"
#include "core/settings/Profile.h"

namespace language {

QString localeFromModule(const QString &modulePath)
{
    const QString locale =
        ReadIniString(InfoSection, QStringLiteral("locale"), QString(), modulePath).trimmed();
    return locale.isEmpty() ? QStringLiteral("en") : locale;
}

QStringList translationLocales(const QString &locale)
{
    QStringList chain{locale};
    if (locale == QLatin1String("be"))
        chain << QStringLiteral("ru");
    chain.removeIf(
        [](const QString &l) { return l == QLatin1String("en") || l.startsWith(QLatin1String("en_")); });
    return chain;
}

} // namespace language
