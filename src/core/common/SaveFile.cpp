#include "core/common/SaveFile.h"

#include "platform/Platform.h"

#include <QFileInfo>
#include <QSaveFile>

Result writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // The writer follows a link to its target. A link someone else laid in
    // a shared folder would aim our bytes at a file of their choosing.
    if (QFileInfo(path).isSymLink() && !platform::ownedByUser(path))
        return Result::failure(QStringLiteral("the file is a link that belongs to another user"));
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
