#include "output/SaveText.h"

#include <QDir>
#include <QSaveFile>

namespace output {

QString withTextSuffix(const QString &path)
{
    if (path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".txt");
}

Result writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(file.errorString());
    file.write(text.toUtf8());
    if (!file.commit())
        return Result::failure(file.errorString());
    return Result::success();
}

bool saveTextAs(platform::Platform &os, const QString &text, const QString &dialogTitle,
                const QString &suggestedName)
{
    const auto chosen = os.prompts().saveFileName(dialogTitle, suggestedName);
    if (!chosen || chosen->isEmpty())
        return false;
    const QString path = withTextSuffix(*chosen);
    const Result written = writeText(path, text);
    if (!written) {
        os.prompts().message(QStringLiteral("Не удалось сохранить файл \"%1\":\r\n%2")
                                 .arg(QDir::toNativeSeparators(path), written.error),
                             QStringLiteral("Error..."), platform::Icon::Critical);
        return false;
    }
    return true;
}

} // namespace output
