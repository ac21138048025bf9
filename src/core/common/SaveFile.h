#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: the old file stays
// whole until the new one is complete on disk, so a crash or a full disk
// never leaves half a file behind.
Result writeWholeFile(const QString &path, const QByteArray &bytes);
