// The letter to the authors: the link must be one a mail program reads as
// the book meant it, whatever the names and the subject are written in.
#include "core/mail/MailLink.h"
#include "support/FakePlatform.h"

#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

class TestMail : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linkAddressesTheLetterAndNothingElse()
    {
        const QUrl url(mail::mailLink(), QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(QUrl::FullyDecoded), QStringLiteral("Вера Листова <vera.listova@example.org>"));
        QVERIFY(url.authority().isEmpty());
        QVERIFY(!url.hasFragment());
        using Item = QPair<QString, QString>;
        const QList<Item> expected{
            {QStringLiteral("BCC"), QStringLiteral("Олег Перов <oleg.perov@example.org>")},
            {QStringLiteral("Subject"), QStringLiteral("Арвий Квиллборн (Программа Бэта 3)")}};
        QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
    }

    void onlyUnreservedCharactersGoUnencoded()
    {
        // Raw Cyrillic, spaces or angle brackets would leave it to each
        // mail program to guess; the structure alone stays readable.
        const QString part = QStringLiteral("[A-Za-z0-9._~%-]+");
        const QRegularExpression shape(QStringLiteral("^mailto:%1\\?BCC=%1&Subject=%1$").arg(part));
        QVERIFY2(shape.match(mail::mailLink()).hasMatch(), qPrintable(mail::mailLink()));
        // Encoded as UTF-8, not as a local code page.
        QVERIFY(mail::mailLink().contains(QStringLiteral("Subject=%D0%90%D1%80%D0%B2")));
    }

    void theMailItemOpensThatLinkOnce()
    {
        FakePlatform os;
        mail::mmail_Click(os);
        QCOMPARE(os.log, QStringList{QStringLiteral("open ") + mail::mailLink()});
    }
};

QTEST_GUILESS_MAIN(TestMail)
#include "tst_mail.moc"
