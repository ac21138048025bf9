#include "core/output/FoundText.h"

#include "core/book/PageStore.h"
#include "core/output/PoemText.h"
#include "core/search/PageSearch.h"

namespace output {

QString foundPagesText(const QList<int> &pages)
{
    QString text;
    for (int number : pages) {
        QString page = bookdata::LoadPageText(number).value_or(QString());
        if (!page.endsWith(QStringLiteral("\r\n")))
            page += QStringLiteral("\r\n");
        if (!text.isEmpty())
            text += QStringLiteral("\r\n");
        text += page;
    }
    return text;
}

QString savedFoundText(const QString &query, const QList<int> &pages)
{
    return search::summaryLine(query, static_cast<int>(pages.size())) + QStringLiteral("\r\n\r\n") +
           foundPagesText(pages);
}

QString foundFileName(const QString &query)
{
    const QString name = withoutReservedCharacters(query.trimmed());
    return name.isEmpty() ? QStringLiteral("Поиск.txt") : QStringLiteral("Поиск - %1.txt").arg(name);
}

} // namespace output
