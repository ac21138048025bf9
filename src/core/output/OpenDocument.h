#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace output {

// An OpenDocument text template (.ott): one paragraph per entry of
// `paragraphs`, every one of them, empty ones too, in `family` at `points`.
// A word processor opens a template as a new, untitled document, so the
// reader's first save asks where the document is to go.
QByteArray textTemplate(const QStringList &paragraphs, const QString &family, int points);

} // namespace output
