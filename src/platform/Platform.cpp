#include "platform/Platform.h"

#include <QFile>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

bool ownedByUser(const QString &path)
{
    struct stat info{};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return info.st_uid == ::geteuid();
}

} // namespace platform
