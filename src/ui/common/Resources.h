#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures, pointer, icon and typeface that ship with the program.
namespace resources {

inline constexpr auto TypefaceFile = "ps_____r.ttf";
inline constexpr auto TypefaceFamily = "PresentScript";

// Makes the book's script face usable without installing it anywhere.
// Returns false when the file is missing or unreadable.
bool registerTypeface(const QString &programFolder);

QPixmap bookPicture();
QPixmap splashPicture();
QCursor handCursor();
QIcon programIcon();

} // namespace resources
