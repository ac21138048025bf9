#include "core/common/Encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace encoding {

Kind detect(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probe = utf8(bytes);
    return utf8.hasError() ? Kind::Windows1251 : Kind::Utf8;
}

QString decode(const QByteArray &bytes, Kind kind)
{
    if (kind == Kind::Utf8) {
        QByteArrayView view(bytes);
        if (view.startsWith("\xEF\xBB\xBF"))
            view = view.sliced(3);
        return QString::fromUtf8(view);
    }
    QStringDecoder cp1251("windows-1251");
    if (!cp1251.isValid())
        return QString::fromLatin1(bytes);
    return cp1251(bytes);
}

QString decode(const QByteArray &bytes)
{
    return decode(bytes, detect(bytes));
}

QByteArray encode(const QString &text, Kind kind)
{
    if (kind == Kind::Utf8)
        return text.toUtf8();
    QStringEncoder cp1251("windows-1251");
    if (!cp1251.isValid())
        return text.toLatin1();
    return cp1251(text);
}

bool fits(const QString &text, Kind kind)
{
    return kind == Kind::Utf8 || decode(encode(text, kind), kind) == text;
}

} // namespace encoding
