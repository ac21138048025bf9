#pragma once

#include <QByteArray>
#include <QString>

// The text files the program reads (settings, language modules, bookmarks)
// may be stored in Windows-1251, as modules written on Windows are, or in
// UTF-8, as this program and today's editors write them. UTF-8 (with or without a BOM) wins whenever the bytes
// are valid UTF-8.
namespace encoding {

enum class Kind
{
    Utf8,
    Windows1251
};

Kind detect(const QByteArray &bytes);
QString decode(const QByteArray &bytes, Kind kind);
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text, Kind kind);
// True when `text` survives encoding as `kind` unchanged.
bool fits(const QString &text, Kind kind);

} // namespace encoding
