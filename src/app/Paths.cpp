#include "app/Paths.h"

#include <QCoreApplication>

namespace paths {
namespace {
QString chosen;
}

QString programFolder()
{
    return chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
}

void setProgramFolder(const QString &folder)
{
    chosen = folder;
}

} // namespace paths
