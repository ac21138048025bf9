// Any bytes as program.ini or a language module, asked for the names the
// file holds and for the names the program asks for, through both the
// 255- and the 1024-character buffers the program reads with, key by key
// and several keys at once.
#include "FuzzSupport.h"
#include "core/settings/Profile.h"

// A value may begin or end in blanks only when the file wrote it between
// one pair of double quotes, on one line as the reader decodes it.
static bool quotedIn(const QByteArray &bytes, const QString &value)
{
    const QString quoted = QLatin1Char('"') + value + QLatin1Char('"');
    const encoding::Kind kind = encoding::detect(bytes);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (encoding::decode(line, kind).contains(quoted))
            return true;
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString file = fuzz::writeScratch(QStringLiteral("program.ini"), bytes);

    fuzz::Names names = fuzz::namesIn(bytes, 3);
    names.sections << QStringLiteral("general") << QStringLiteral("Language1") << QStringLiteral("FontColor");
    names.keys << QStringLiteral("L1") << QStringLiteral("lang") << QStringLiteral("Font");
    // A default longer than either buffer is cut like a value.
    const QString fallback = QString(1500, QLatin1Char('d'));

    for (const QString &section : std::as_const(names.sections)) {
        const QStringList together = profile::readStrings(section, names.keys, file, 255);
        for (qsizetype k = 0; k < names.keys.size(); ++k) {
            const QString &key = names.keys[k];
            const QString wide = profile::readString(section, key, fallback, file, 1024);
            const QString narrow = profile::readString(section, key, fallback, file, 255);
            fuzz::require(wide.size() <= 1023, "a 1024-character buffer holds at most 1023");
            fuzz::require(narrow == wide.left(254), "the small buffer sees the start of the same value");
            fuzz::require(ReadIniString(section, key, fallback, file) == wide,
                          "the program's reader is the 1024-character read");
            fuzz::require(together.value(k) == profile::readString(section, key, QString(), file, 255),
                          "reading keys together gives what reading each gives");
            if (wide.size() < 1023)
                fuzz::require(wide == wide.trimmed() || quotedIn(bytes, wide),
                              "values come trimmed, but for blanks kept inside quotes");
        }
    }
    return 0;
}
