#include "core/book/PageStore.h"

#include <QFile>

namespace bookdata {

std::optional<QString> LoadPageText(int n)
{
    if (n < 1 || n > PageCount)
        return std::nullopt;
    QFile file(QStringLiteral(":/book/pages/%1.txt").arg(n, 3, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The repository keeps the verse with LF so that it reads well in any
    // editor; the book itself has always used CR LF.
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace bookdata
