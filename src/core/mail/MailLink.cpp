#include "core/mail/MailLink.h"

#include "platform/Platform.h"

#include <QUrl>

namespace mail {

namespace {

QString encoded(const char *utf8)
{
    // toPercentEncoding keeps exactly the unreserved characters of RFC 3986.
    return QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(utf8)));
}

} // namespace

QString mailLink()
{
    return QStringLiteral("mailto:") + encoded(FirstAuthor) + QStringLiteral("?BCC=") +
           encoded(SecondAuthor) + QStringLiteral("&Subject=") + encoded(Subject);
}

void mmail_Click(platform::Platform &os)
{
    os.openWithShell(mailLink());
}

} // namespace mail
