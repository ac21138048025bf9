// The poem window as a reader uses it: choosing a poem gives its whole
// text, and that text reaches a file, a PDF from the print dialog and an
// OpenDocument template for the word processor exactly as chosen.
#include "app/Forms.h"
#include "ui/output/Dialog.h"
#include "ui/output/PoemOutput.h"
#include "core/output/PoemText.h"
#include "core/book/BookTables.h"
#include "ui/reader/OpenBook.h"
#include "core/book/PageStore.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// The pages a to b as the book holds them, an empty line between pages.
QString pages(int a, int b)
{
    QStringList texts;
    for (int p = a; p <= b; ++p)
        texts << *bookdata::LoadPageText(p);
    return texts.join(QStringLiteral("\r\n\r\n"));
}

QString entry(int e)
{
    return bookdata::contentsEntries().value(e - 1);
}

// What a command-line tool prints; the test fails when it cannot run.
QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}

// Words only: pdftotext joins a line that ends in a dash to the next and
// drops the dash, so dashes and spacing are left out of the comparison.
QString squeezed(QString text)
{
    text.remove(QLatin1Char('-'));
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// The height of the first word box pdftotext finds, in points.
double firstWordHeight(const QString &pdf)
{
    const QString html = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">"));
    const auto m = word.match(html);
    return m.hasMatch() ? m.captured(2).toDouble() - m.captured(1).toDouble() : 0.0;
}

// The paragraphs of an OpenDocument file, read from its content.xml, and
// the font size of each of them and of every run of text in them.
struct OdtContent
{
    bool intact = false; // every entry's checksum holds
    QString mimetype;
    QStringList paragraphs;
    QStringList sizes; // fo:font-size of each paragraph's style, then of each run's
};

OdtContent readOdt(const QString &path)
{
    OdtContent odt;
    odt.intact = run(QStringLiteral("unzip"), {QStringLiteral("-tq"), path}).startsWith("No errors detected");
    const QStringList unzip{QStringLiteral("-p"), path};
    odt.mimetype =
        QString::fromUtf8(run(QStringLiteral("unzip"), unzip + QStringList{QStringLiteral("mimetype")}));
    QXmlStreamReader xml(run(QStringLiteral("unzip"), unzip + QStringList{QStringLiteral("content.xml")}));
    QMap<QString, QString> sizeOfStyle;
    QString paragraph, style;
    bool inParagraph = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.qualifiedName();
        const auto attrs = xml.attributes();
        auto attr = [&](const char *n) { return attrs.value(QLatin1String(n)).toString(); };
        if (xml.isStartElement()) {
            if (name == QLatin1String("style:style")) {
                style = attr("style:name");
            } else if (name == QLatin1String("style:text-properties")) {
                sizeOfStyle[style] = attr("fo:font-size");
            } else if (name == QLatin1String("text:p")) {
                inParagraph = true;
                paragraph.clear();
                odt.sizes << sizeOfStyle.value(attr("text:style-name"));
            } else if (name == QLatin1String("text:span")) {
                odt.sizes << sizeOfStyle.value(attr("text:style-name"));
            } else if (name == QLatin1String("text:s")) {
                paragraph += QString(qMax(1, attr("text:c").toInt()), QLatin1Char(' '));
            } else if (name == QLatin1String("text:tab")) {
                paragraph += QLatin1Char('\t');
            }
        } else if (xml.isCharacters() && inParagraph) {
            paragraph += xml.text();
        } else if (xml.isEndElement() && name == QLatin1String("text:p")) {
            inParagraph = false;
            odt.paragraphs << paragraph;
        }
    }
    if (xml.hasError())
        qWarning("content.xml: %s", qPrintable(xml.errorString()));
    return odt;
}

// Sets the modification time of a file or folder to `age` ago.
void makeOld(const QString &path, std::chrono::hours age)
{
    const qint64 when = QDateTime::currentDateTime().addSecs(-3600 * age.count()).toSecsSinceEpoch();
    run(QStringLiteral("touch"), {QStringLiteral("-d"), QStringLiteral("@%1").arg(when), path});
}

} // namespace

class TestPoem : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    Dialog *d = nullptr;

    void choose(int e)
    {
        d->show();
        QListWidgetItem *item = d->lstOgl->item(e - 1);
        d->lstOgl->scrollToItem(item);
        QTest::mouseClick(d->lstOgl->viewport(), Qt::LeftButton, {},
                          d->lstOgl->visualItemRect(item).center());
    }
    FakePrompts &prompts() { return program->os->fakePrompts; }
    // The print dialog answers with a PDF file at `path`.
    void printTo(const QString &path)
    {
        program->printing.answer = [path](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
    }
    void readWith(float size)
    {
        ReadingStyle style;
        style.pointSize = size;
        program->forms->openBook()->applyReadingStyle(style);
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->forms->openBook();
        d = program->forms->Dialog();
    }
    void cleanup() { program.reset(); }

    void poemTextFollowsThePageTable_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("1: page 1 alone") << 1 << 1 << 1;
        QTest::newRow("75: five pages, four separators") << 75 << 146 << 150;
        QTest::newRow("76: the same list text") << 76 << 151 << 154;
        QTest::newRow("77: one page") << 77 << 155 << 155;
        QTest::newRow("81: to the book's end") << 81 << 162 << 166;
    }
    void poemTextFollowsThePageTable()
    {
        QFETCH(int, entry);
        QFETCH(int, first);
        QFETCH(int, last);
        const QString expected = ::entry(entry) + QStringLiteral("\r\n\r\n") + pages(first, last);
        QCOMPARE(output::poemText(entry), expected);
        // The window builds the same text from a click, and a second click
        // on the same entry does not add to it.
        choose(entry);
        QCOMPARE(d->text(), expected);
        choose(entry);
        QCOMPARE(d->text(), expected);
    }

    void textIsReplacedNeverAddedTo()
    {
        QCOMPARE(entry(75), entry(76));
        QVERIFY(output::poemText(75) != output::poemText(76));
        QVERIFY(output::poemText(0).isEmpty());
        QVERIFY(output::poemText(82).isEmpty());

        choose(75);
        choose(76);
        QCOMPARE(d->text(), output::poemText(76));
        // The arrow keys choose as the mouse does.
        d->lstOgl->setFocus();
        QTest::keyClick(d->lstOgl, Qt::Key_Down);
        QCOMPARE(d->text(), output::poemText(77));
    }

    void windowAsTheReaderSeesIt()
    {
        QCOMPARE(d->windowTitle(), QStringLiteral("Выберете стихотворение..."));
        QCOMPARE(d->size(), QSize(429, 312));
        QCOMPARE(d->minimumSize(), d->maximumSize());
        QVERIFY(d->windowFlags() & Qt::Tool);
        QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->lstOgl->count(), bookdata::EntryCount);
        QCOMPARE(d->lstOgl->item(80)->text(), entry(81));
        QVERIFY(d->lstOgl->selectedItems().isEmpty());
        QVERIFY(d->text().isEmpty());
        QCOMPARE(part<QGroupBox>(d, "Frame1")->title(), QStringLiteral("Действия:"));
        const QStringList captions{QStringLiteral("&В MS Word"), QStringLiteral("&Сохранить"),
                                   QStringLiteral("&Печать"), QStringLiteral("&Выход")};
        const QPushButton *buttons[] = {d->OKButton, d->CancelButton, d->Command1, d->Command2};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(buttons[i]->text(), captions[i]);
            QCOMPARE(buttons[i]->geometry(), QRect(8, 24 + 32 * i, 81, 25));
        }
        // No interface language reaches this window.
        program->forms->ApplyLanguage(program->languageFolder() + QStringLiteral("/eng.lng"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Выберете стихотворение..."));
        QCOMPARE(d->OKButton->text(), captions[0]);
    }

    void menuOpensItModelessContextMenuModal()
    {
        OpenBook *w = program->forms->openBook();
        part<QAction>(w, "sav_t")->trigger();
        QVERIFY(d->isVisible());
        QVERIFY(!d->isModal());
        choose(12);
        // A second request of either kind brings the same window forward,
        // choice and all, and returns at once.
        part<QAction>(w, "sav_t")->trigger();
        program->forms->ShowPoemDialog();
        QCOMPARE(program->forms->Dialog(), d);
        QCOMPARE(d->text(), output::poemText(12));
        QVERIFY(!d->isModal());

        // Closed, it is unloaded; the modal opening starts afresh.
        d->Command2->click();
        QTRY_VERIFY(!TestProgram::loaded("Dialog"));
        bool wasModal = false, wasFresh = false;
        QTimer::singleShot(0, [&] {
            Dialog *modal = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            wasModal = modal != nullptr;
            if (!modal)
                return;
            wasFresh = modal->text().isEmpty() && modal->lstOgl->selectedItems().isEmpty();
            modal->Command2->click();
        });
        program->forms->ShowPoemDialog();
        QVERIFY(wasModal);
        QVERIFY(wasFresh);
    }

    void savedFileHoldsTheNameLineAndThePoem()
    {
        const QString path = program->path(QStringLiteral("poem.txt"));
        prompts().saveAnswer = path;
        d->CancelButton->click();
        // Before any choice: the name line and one empty line.
        QCOMPARE(program->read(QStringLiteral("poem.txt")), QByteArray("Арвий Квиллборн\r\n\r\n"));
        QCOMPARE(prompts().saveDialogs, QStringList{QStringLiteral("Сохранение в файл...")});
        QCOMPARE(prompts().saveSuggestions, QStringList{QString()});
        QCOMPARE(prompts().dialogOwners, QList<QObject *>{d});

        choose(1);
        d->CancelButton->click();
        const QByteArray bytes = program->read(QStringLiteral("poem.txt"));
        QCOMPARE(bytes, (QStringLiteral("Арвий Квиллборн\r\n") + entry(1) + QStringLiteral("\r\n\r\n") +
                         *bookdata::LoadPageText(1) + QStringLiteral("\r\n"))
                            .toUtf8());
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        // The name the dialog confirmed is the name written: no ".txt" on top.
        QVERIFY(!QFile::exists(path + QStringLiteral(".txt")));
        QCOMPARE(prompts().saveSuggestions.last(), output::fileNameFrom(entry(1)) + QStringLiteral(".txt"));
        QVERIFY(prompts().messages.isEmpty());

        prompts().saveAnswer = program->path(QStringLiteral("poem"));
        d->CancelButton->click();
        QCOMPARE(program->read(QStringLiteral("poem")), bytes);

        prompts().saveAnswer.reset();
        choose(2);
        d->CancelButton->click();
        QCOMPARE(program->read(QStringLiteral("poem.txt")), bytes); // cancelled: untouched
        QVERIFY(prompts().messages.isEmpty());
    }

    void unwritableFileIsToldOnce()
    {
        // A folder that is a file: nothing can be created under it.
        program->write(QStringLiteral("blocked"), "x");
        const QString path = program->path(QStringLiteral("blocked/poem.txt"));
        prompts().saveAnswer = path;
        choose(3);
        d->CancelButton->click();
        QCOMPARE(prompts().messages.size(), 1);
        QVERIFY(prompts().messages[0].text.contains(QStringLiteral("poem.txt")));
        QCOMPARE(prompts().messages[0].icon, platform::Icon::Critical);
        QCOMPARE(program->read(QStringLiteral("blocked")), QByteArray("x"));
    }

    void fileNamesFromEntries()
    {
        QCOMPARE(output::fileNameFrom(QStringLiteral("...и снова ночь...")), QStringLiteral("и снова ночь"));
        QCOMPARE(output::fileNameFrom(QStringLiteral("Вопрос: где? \"Там\"/тут")),
                 QStringLiteral("Вопрос_ где_ _Там__тут"));
        QCOMPARE(output::fileNameFrom(QStringLiteral(" ... ")), QString());
        // Every entry of the book gives a name of its own kind: not empty,
        // not hidden.
        for (const QString &e : bookdata::contentsEntries()) {
            const QString name = output::fileNameFrom(e);
            QVERIFY2(!name.isEmpty() && !name.startsWith(QLatin1Char('.')), qPrintable(e));
        }
    }

    void printsInTheReadingFaceFiveLarger()
    {
        const QString pdf = program->path(QStringLiteral("poem.pdf"));
        printTo(pdf);
        readWith(14);
        choose(75);
        d->Command1->click();
        QCOMPARE(prompts().messages.size(), 1);
        QCOMPARE(prompts().messages[0].text, QStringLiteral("Page sent to printer."));
        QCOMPARE(prompts().messages[0].title, QStringLiteral("Kvillborn"));
        QCOMPARE(prompts().messages[0].icon, platform::Icon::None);

        // Five pages of verse in 19 points run on to a second sheet; every
        // line of them is there, in order.
        const QString printed =
            QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
        QVERIFY(printed.contains(QLatin1Char('\f')));
        QString rest = squeezed(printed);
        for (const QString &line : d->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const qsizetype at = rest.indexOf(squeezed(line));
            QVERIFY2(at >= 0, qPrintable(line));
            rest = rest.mid(at + squeezed(line).size());
        }
        const double at19 = firstWordHeight(pdf);

        // The same face at 7 points prints at 12: the heights keep the ratio.
        readWith(7);
        d->Command1->click();
        const double at12 = firstWordHeight(pdf);
        QVERIFY(at12 > 0);
        QVERIFY2(qAbs(at19 / at12 - 19.0 / 12.0) < 0.03, qPrintable(QString::number(at19 / at12)));
    }

    void printsTheFaceStyle()
    {
        const QString pdf = program->path(QStringLiteral("bold.pdf"));
        printTo(pdf);
        ReadingStyle style;
        style.family = QStringLiteral("Liberation Serif");
        style.bold = true;
        style.italic = true;
        program->forms->openBook()->applyReadingStyle(style);
        choose(1);
        d->Command1->click();
        const QString fonts = QString::fromUtf8(run(QStringLiteral("pdffonts"), {pdf}));
        QVERIFY2(fonts.contains(QStringLiteral("LiberationSerif-BoldItalic")), qPrintable(fonts));
    }

    void printCancelledOrFailedSaysSoOnce()
    {
        d->Command1->click(); // cancelled
        QCOMPARE(program->printing.owners, QList<QWidget *>{d});
        QVERIFY(prompts().messages.isEmpty());

        program->write(QStringLiteral("blocked"), "x");
        printTo(program->path(QStringLiteral("blocked/poem.pdf")));
        choose(1);
        d->Command1->click();
        QCOMPARE(prompts().messages.size(), 1);
        QCOMPARE(prompts().messages[0].icon, platform::Icon::Critical);
        QVERIFY(prompts().messages[0].text != QStringLiteral("Page sent to printer."));
    }

    void printsBeforeAnyChoice()
    {
        const QString pdf = program->path(QStringLiteral("empty.pdf"));
        printTo(pdf);
        d->Command1->click();
        QCOMPARE(prompts().messages.size(), 1);
        QCOMPARE(prompts().messages[0].text, QStringLiteral("Page sent to printer."));
        QVERIFY(QFile::exists(pdf));
        QVERIFY(squeezed(QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})))
                    .isEmpty());
    }

    void wordProcessorGetsTheDocument_data()
    {
        QTest::addColumn<int>("entry");
        QTest::newRow("nothing chosen") << 0;
        QTest::newRow("75") << 75;
    }
    void wordProcessorGetsTheDocument()
    {
        QFETCH(int, entry);
        if (entry)
            choose(entry);
        d->OKButton->click();
        const QStringList opened = program->os->logOf(QStringLiteral("open "));
        QCOMPARE(opened.size(), 1);
        const QString path = program->path(opened[0].mid(5));
        QVERIFY2(path.startsWith(program->path(QStringLiteral("cache/"))), qPrintable(path));
        QVERIFY(path.endsWith(QStringLiteral(".ott")));

        // A template: the word processor opens it as a new, untitled
        // document, so the reader's Ctrl+S asks where to keep it.
        const OdtContent odt = readOdt(path);
        QVERIFY(odt.intact);
        QCOMPARE(odt.mimetype, QStringLiteral("application/vnd.oasis.opendocument.text-template"));
        // The text, then the one paragraph mark typed after it.
        QCOMPARE(odt.paragraphs.join(QStringLiteral("\r\n")), d->text() + QStringLiteral("\r\n"));
        QCOMPARE(odt.sizes.size(), odt.paragraphs.size());
        for (const QString &size : odt.sizes)
            QCOMPARE(size, QStringLiteral("16pt"));
        QVERIFY(prompts().messages.isEmpty());

        // A second click makes a second document; the first stays as the
        // word processor has it.
        d->OKButton->click();
        const QStringList again = program->os->logOf(QStringLiteral("open "));
        QCOMPARE(again.size(), 2);
        QVERIFY(again[1] != again[0]);
        QVERIFY(QFile::exists(path));
    }

    void spacesAndTabsReachTheDocument()
    {
        const QString text = QStringLiteral("  two leading,  two inside\tand a tab \r\n\t\r\nend");
        const QString path = program->path(QStringLiteral("typed.ott"));
        QVERIFY(output::writePoemTemplate(path, text));
        QCOMPARE(readOdt(path).paragraphs.join(QStringLiteral("\r\n")), text + QStringLiteral("\r\n"));
    }

    void documentsOlderThanADayGoAtTheNextStart()
    {
        using namespace std::chrono_literals;
        const QString cache = program->os->cacheFolder();
        const struct
        {
            const char *name;
            std::chrono::hours age;
            bool kept;
        } entries[] = {{"fresh", 1h, true},
                       {"almost a day", 23h, true},
                       {"a day and an hour", 25h, false},
                       {"last week", 24h * 7, false}};
        for (const auto &e : entries) {
            const QString folder = cache + QLatin1Char('/') + QLatin1String(e.name);
            program->write(QStringLiteral("cache/%1/poem.ott").arg(QLatin1String(e.name)), "x");
            makeOld(folder + QStringLiteral("/poem.ott"), e.age);
            makeOld(folder, e.age);
        }
        output::removeStaleDocuments(cache, QDateTime::currentDateTime());
        for (const auto &e : entries)
            QVERIFY2(QFile::exists(cache + QLatin1Char('/') + QLatin1String(e.name) +
                                   QStringLiteral("/poem.ott")) == e.kept,
                     e.name);
    }

    void wordProcessorSaysNothingWhenItCannotGoOn()
    {
        // The cache folder cannot be made: a file stands in its place.
        program->write(QStringLiteral("cache"), "x");
        choose(1);
        d->OKButton->click();
        QVERIFY(program->os->logOf(QStringLiteral("open ")).isEmpty());
        QVERIFY(prompts().messages.isEmpty());
    }
};

QTEST_MAIN(TestPoem)
#include "tst_poem.moc"
