#include "core/language/Captions.h"

#include "core/language/LanguageModule.h"
#include "core/settings/Profile.h"

namespace language {

namespace {

Captions readAll(const QString &module)
{
    Captions captions;
    captions.module = module;
    QStringList keys;
    for (int key = FirstCaptionKey; key <= LastCaptionKey; ++key)
        keys << QStringLiteral("L%1").arg(key);
    const QStringList values = profile::readStrings(CaptionSection, keys, captions.module, 1024);
    for (int key = FirstCaptionKey; key <= LastCaptionKey; ++key)
        captions.text.insert(key, values.value(key - FirstCaptionKey));
    return captions;
}

} // namespace

Captions readCaptions(const QString &modulePath, const QString &programFolder)
{
    return readAll(usableModule(modulePath, programFolder));
}

Captions readMenuCaptions(const QString &modulePath, const QString &programFolder)
{
    if (!ReadLanguageString(CaptionSection, QStringLiteral("L18"), QString(), modulePath).isEmpty())
        return readAll(modulePath);
    return readAll(programfiles::englishModule(programFolder));
}

} // namespace language
