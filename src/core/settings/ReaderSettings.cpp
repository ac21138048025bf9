#include "core/settings/ReaderSettings.h"

#include "core/settings/Profile.h"
#include "core/settings/SettingsKeys.h"

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

} // namespace settings
