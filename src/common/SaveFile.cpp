#include "common/SaveFile.h"

#include <QSaveFile>

Result writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(file.errorString());
    // The bytes must be on their way to disk before the old file goes:
    // on a full disk Qt's commit() reports success after a flush that
    // failed, and would put an empty file in the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Result::failure(why);
    }
    if (!file.commit())
        return Result::failure(file.errorString());
    return Result::success();
}
