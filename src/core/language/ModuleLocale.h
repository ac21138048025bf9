#pragma once

#include <QString>
#include <QStringList>

// The locale a language module speaks, so that the toolkit's own dialogs
// (file, print, colour, message boxes) can speak it too.
namespace language {

// The `locale` key of [general] as written there ("ru", "pt_BR"); a module
// without one is English, as modules were before the key existed.
QString localeFromModule(const QString &modulePath);

// The Qt translations to try for `locale`, best first. Where Qt has no
// translation of its own a near language stands in (Belarusian readers
// read Russian); English is Qt's own text and needs none, so it is never
// listed.
QStringList translationLocales(const QString &locale);

} // namespace language
