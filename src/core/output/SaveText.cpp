#include "core/output/SaveText.h"

#include "core/common/SaveFile.h"

#include <QDir>

namespace output {

Result writeText(const QString &path, const QString &text)
{
    return writeWholeFile(path, text.toUtf8());
}

void tellNotSaved(platform::Prompts &prompts, const QString &what, const QString &path, const QString &why)
{
    const QString file = QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
    const QString text =
        what.isEmpty() ? QStringLiteral("Не удалось сохранить файл \"%1\":\r\n%2").arg(file, why)
                       : QStringLiteral("Не удалось сохранить %1 в файл \"%2\":\r\n%3").arg(what, file, why);
    prompts.message(text, QStringLiteral("Error..."), platform::Icon::Critical);
}

bool saveTextAs(platform::Platform &os, const QString &text, const QString &dialogTitle,
                const QString &suggestedName, QObject *owner)
{
    const auto chosen = os.prompts().saveFileName(dialogTitle, suggestedName, owner);
    if (!chosen || chosen->isEmpty())
        return false;
    const Result written = writeText(*chosen, text);
    if (!written)
        tellNotSaved(os.prompts(), QString(), *chosen, written.error);
    return written.ok;
}

} // namespace output
