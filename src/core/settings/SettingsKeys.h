#pragma once

#include <QString>

#include <optional>

// The keys of program.ini, their defaults, and how the reading window
// turns the stored texts into a size and a colour.
namespace settings {

inline const QString SectionGeneral = QStringLiteral("general");
inline const QString SectionColour = QStringLiteral("FontColor");
inline const QString SectionInterface = QStringLiteral("Interface");
inline const QString KeyFont = QStringLiteral("Font");
inline const QString KeyFontSize = QStringLiteral("FontSize");
inline const QString KeyBold = QStringLiteral("Bold");
inline const QString KeyForeColor = QStringLiteral("ForeColor");
inline const QString KeyLanguage = QStringLiteral("language");

inline const QString DefaultFont = QStringLiteral("PresentScript");
inline const QString DefaultFontSize = QStringLiteral("14");
inline const QString DefaultForeColor = QStringLiteral("0");

// The reading window reads with a 255-character buffer.
inline constexpr int ReadingBuffer = 255;

inline constexpr float MinFontSize = 1.0f;
inline constexpr float MaxFontSize = 1638.0f;
inline constexpr qint32 MaxColour = 0xFFFFFF;

// A size the page labels can take, or nullopt for text that is no number
// or a size no label can show.
std::optional<float> fontSizeFrom(const QString &text);
// A colour value red + 256 green + 65536 blue, or nullopt.
std::optional<qint32> colourFrom(const QString &text);

} // namespace settings
