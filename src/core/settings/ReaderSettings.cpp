#include "core/settings/ReaderSettings.h"

#include "core/settings/Profile.h"
#include "core/settings/SettingsKeys.h"

#include <utility>

namespace settings {

ReaderSettings readReaderSettings(const QString &ini, const QString &englishModule)
{
    const auto read = [&ini](const QString &section, const QString &key, const QString &fallback) {
        return profile::readString(section, key, fallback, ini, ReadingBuffer);
    };
    ReaderSettings s;
    s.style.family = read(SectionGeneral, KeyFont, DefaultFont);
    s.style.pointSize =
        fontSizeFrom(read(SectionGeneral, KeyFontSize, DefaultFontSize)).value_or(DefaultFontSize.toFloat());
    s.style.colour =
        colourFrom(read(SectionColour, KeyForeColor, DefaultForeColor)).value_or(DefaultForeColor.toInt());
    s.modulePath = read(SectionInterface, KeyLanguage, englishModule);
    return s;
}

Result keepLook(const KeptLook &look, const QString &ini)
{
    // The dialog has always named the section "General"; a file that has
    // "[general]" gets the keys there all the same, as names match
    // without regard to case.
    const QString general = QStringLiteral("General");
    Result kept = profile::writeString(SectionColour, KeyForeColor, QString::number(look.colour), ini);
    const std::pair<const QString &, const std::optional<QString> &> chosen[] = {
        {KeyFont, look.family}, {KeyFontSize, look.size}, {KeyBold, look.style}};
    for (const auto &[key, value] : chosen)
        if (kept && value)
            kept = profile::writeString(general, key, *value, ini);
    return kept;
}

} // namespace settings
