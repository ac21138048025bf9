#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// The fields of a dotted version ("1.2.0.7") at the given positions, each
// written as a plain number (a missing or unreadable field is 0), joined
// by dots. The window title and the about box show different fields of
// the same version.
inline QString versionFields(const QString &version, std::initializer_list<int> positions)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    QStringList shown;
    for (int position : positions)
        shown << QString::number(parts.value(position).toInt());
    return shown.join(QLatin1Char('.'));
}
