// The book's script face ships beside the program and must draw every
// character of the book, or a page would show empty boxes.
#include "ui/common/Resources.h"
#include "core/book/BookTables.h"
#include "core/book/PageStore.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QSet>
#include <QTest>

class TestTypeface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registersUnderItsFamilyName()
    {
        QVERIFY(resources::registerTypeface(qEnvironmentVariable("KV_BUILD_DIR")));
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("PresentScript")));
        QFont font(QStringLiteral("PresentScript"));
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("PresentScript"));
        QVERIFY(!resources::registerTypeface(QStringLiteral("/nonexistent")));
    }

    void coversEveryCharacterOfTheBook()
    {
        const QString path = qEnvironmentVariable("KV_BUILD_DIR") + QStringLiteral("/ps_____r.ttf");
        QRawFont raw(path, 14);
        QVERIFY(raw.isValid());
        QSet<char32_t> used;
        auto collect = [&used](const QString &text) {
            for (char32_t c : text.toUcs4())
                if (c != '\r' && c != '\n')
                    used.insert(c);
        };
        for (int p = 1; p <= bookdata::PageCount; ++p)
            collect(*bookdata::LoadPageText(p));
        for (const QString &s : bookdata::contentsEntries() + bookdata::titleTexts())
            collect(s);
        QVERIFY(used.size() > 60);
        QString missing;
        for (char32_t c : used)
            if (!raw.supportsCharacter(c))
                missing += QString::fromUcs4(&c, 1);
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
};

QTEST_MAIN(TestTypeface)
#include "tst_typeface.moc"
