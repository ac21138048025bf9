#include "core/settings/SettingsKeys.h"

namespace settings {

std::optional<float> fontSizeFrom(const QString &text)
{
    bool ok = false;
    const float size = text.trimmed().toFloat(&ok);
    if (!ok || !(size >= MinFontSize && size <= MaxFontSize))
        return std::nullopt;
    return size;
}

std::optional<qint32> colourFrom(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > MaxColour)
        return std::nullopt;
    return static_cast<qint32>(value);
}

} // namespace settings
