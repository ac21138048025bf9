#include "language/Captions.h"

#include "language/LanguageModule.h"
#include "settings/Profile.h"

namespace language {

Captions readCaptions(const QString &modulePath, const QString &programFolder)
{
    Captions captions;
    captions.module = usableModule(modulePath, programFolder);
    QStringList keys;
    for (int key = FirstCaptionKey; key <= LastCaptionKey; ++key)
        keys << QStringLiteral("L%1").arg(key);
    const QStringList values = profile::readStrings(CaptionSection, keys, captions.module, 1024);
    for (int key = FirstCaptionKey; key <= LastCaptionKey; ++key)
        captions.text.insert(key, values.value(key - FirstCaptionKey));
    return captions;
}

} // namespace language
