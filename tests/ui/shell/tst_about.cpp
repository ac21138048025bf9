// The about box as the reader opens it from the menu: its lines, its link
// that opens the browser and leaves the box open, and its OK.
#include "ui/reader/OpenBook.h"
#include "ui/shell/AboutBox.h"
#include "core/mail/MailLink.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {

// What the reader reads in a rich-text label.
QString shownText(const QString &markup)
{
    QTextDocument doc;
    doc.setHtml(markup);
    return doc.toPlainText();
}

// A point on the label's link, found as the pointer finds it.
QPoint linkPoint(QLabel *label)
{
    QSignalSpy hovered(label, &QLabel::linkHovered);
    for (int y = 1; y < label->height(); y += 3)
        for (int x = 1; x < label->width(); x += 3) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, y), label->mapToGlobal(QPointF(x, y)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &move);
            if (!hovered.isEmpty() && !hovered.last().at(0).toString().isEmpty())
                return {x, y};
        }
    return {-1, -1};
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;

private Q_SLOTS:
    void init() { program = std::make_unique<TestProgram>(); }
    void cleanup() { program.reset(); }

    void versionNumber_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("this book") << "0.4.0.83"
                                   << "0.4.83";
        QTest::newRow("leading zeros") << "01.04.00.083"
                                       << "1.4.83";
        QTest::newRow("no revision") << "2.1.5"
                                     << "2.1.0";
    }
    void versionNumber()
    {
        QFETCH(QString, version);
        QFETCH(QString, shown);
        QCOMPARE(::versionNumber(version), shown);
    }

    void licenceMarkup_data()
    {
        QTest::addColumn<QString>("license");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("links");
        QTest::newRow("the book's line")
            << "Посетите -  <A HREF=\"https://kvillborn.example/\">сайт программы</A>  для получения большей "
               "информации!"
            << "Посетите -  сайт программы  для получения большей информации!"
            << QStringList{"https://kvillborn.example/"};
        QTest::newRow("small letters") << "<a href=\"https://a.example/\">a</a> and <a href=\"x:y\">b</a>"
                                       << "a and b" << QStringList{"https://a.example/", "x:y"};
        QTest::newRow("no link, markup-like text") << "1 < 2 & <b>bold</b>"
                                                   << "1 < 2 & <b>bold</b>" << QStringList{};
    }
    void licenceMarkup()
    {
        QFETCH(QString, license);
        QFETCH(QString, shown);
        QFETCH(QStringList, links);
        const QString markup = ::licenceMarkup(license);
        QCOMPARE(shownText(markup), shown);
        QTextDocument doc;
        doc.setHtml(markup);
        QStringList found;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isAnchor())
                    found << it.fragment().charFormat().anchorHref();
        QCOMPARE(found, links);
    }

    void aboutFromTheMenuShowsTheBookAndItsLink()
    {
        OpenBook *reader = program->forms->openBook();
        reader->show();
        FakePlatform &os = *program->os;
        bool inspected = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
            // Whatever fails below, the box must close or the test hangs.
            auto closeBox = qScopeGuard([box] {
                if (box)
                    box->cmdOK->click();
            });
            QVERIFY(box);
            QVERIFY(QTest::qWaitForWindowExposed(box));
            QCOMPARE(box->parentWidget(), reader);
            QVERIFY(box->isModal());
            QVERIFY(!box->imgIcon->pixmap().isNull());
            QCOMPARE(box->imgIcon->pixmap().width(), 96);
            QCOMPARE(box->lblTitle->text(), QStringLiteral("  Арвий Квиллборн - Избранное "));
            QCOMPARE(box->lblVersion->text(),
                     QStringLiteral("Версия: ") + ::versionNumber(QStringLiteral(KV_VERSION)));
            QCOMPARE(box->lblCopyright->text(), QString::fromUtf8(about::TeamName) + " - 1998-2004");
            QCOMPARE(box->lblDescription->text(), QStringLiteral("Интерактивный сборник стихов."));
            QCOMPARE(shownText(box->lblLicense->text()),
                     QStringLiteral("Посетите -  сайт программы  для получения большей информации!"));

            const QPoint onLink = linkPoint(box->lblLicense);
            QVERIFY(onLink.x() >= 0);
            QTest::mouseClick(box->lblLicense, Qt::LeftButton, {}, onLink);
            QCOMPARE(os.logOf("open"), QStringList{QStringLiteral("open https://kvillborn.example/")});
            QVERIFY(box->isVisible());
            inspected = true;
        });
        part<QAction>(reader, "about")->trigger();
        QVERIFY(inspected);
        QVERIFY(!QApplication::activeModalWidget());
        // One box per showing: nothing is left behind.
        QVERIFY(!reader->findChild<AboutBox *>());
    }

    void letterFromTheMenuOpensTheMailLink()
    {
        OpenBook *reader = program->forms->openBook();
        part<QAction>(reader, "mmail")->trigger();
        QCOMPARE(program->os->logOf("open"), QStringList{QStringLiteral("open ") + mail::mailLink()});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
