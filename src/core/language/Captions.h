#pragma once

#include <QHash>
#include <QString>

// The captions of one language module, read once and handed to every
// window (each window's retranslate takes what it shows).
namespace language {

inline constexpr int FirstCaptionKey = 1;
inline constexpr int LastCaptionKey = 58;

struct Captions
{
    // The module the captions came from: the one asked for, or eng.lng of
    // the program folder when that one was unusable.
    QString module;
    QHash<int, QString> text; // caption key n of "Ln" -> caption

    // The caption of key n; a missing or empty key gives an empty caption.
    QString at(int key) const { return text.value(key); }
    // A module is usable when its L1 is filled; without one the windows
    // keep the captions they were built with.
    bool usable() const { return !at(1).isEmpty(); }
};

// Every caption key of `modulePath`, or of the program folder's eng.lng
// when that module has no L1. No key-by-key fall-back.
Captions readCaptions(const QString &modulePath, const QString &programFolder);

// The context menu's captions come whole from `modulePath` when it has an
// L18, and whole from the program folder's eng.lng when it has not: the
// menu's own test, independent of the windows' test on L1.
Captions readMenuCaptions(const QString &modulePath, const QString &programFolder);

} // namespace language
