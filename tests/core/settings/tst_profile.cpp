// The settings file as people really leave it: written by this program,
// on Windows in Windows-1251, or by hand.
#include "core/settings/Profile.h"
#include "core/settings/ReaderSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProfile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name = QStringLiteral("program.ini")) const { return dir.filePath(name); }

    void writeBytes(const QByteArray &bytes, const QString &name = QStringLiteral("program.ini"))
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray readBytes()
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init() { QFile::remove(path()); }
    void reads_data();
    void reads();
    void valuesAreCutToTheBuffer();
    void missingFileGivesDefaultCutToo();
    void writeReplacesOnlyItsLine();
    void writeCreatesFileAndSection();
    void writeAddsKeyToExistingSection();
    void writeKeepsLineEndsAndMissingFinalBreak();
    void writeIntoAWindows1251File();
    void writeThatTakesTheLastWindows1251BytesMovesToUtf8();
    void valuesReadBackAsWritten();
    void writeGoesToTheFirstOfTwoSections();
    void junkAndHugeFilesAreHarmless();
    void failedWriteIsReported();
    void keptLookWritesOnlyWhatWasChosen();
    void keptLookReadsBackAtTheNextStart();
    void keptLookThatCannotBeWrittenFails();
};

void TestProfile::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray general = "[General]\r\nFont=Arial\r\nFontSize=12\r\n[FontColor]\r\nForeColor=255\r\n";
    QTest::newRow("section case") << general << "general"
                                  << "Font"
                                  << "Arial";
    QTest::newRow("key case") << general << "GENERAL"
                              << "fontsize"
                              << "12";
    QTest::newRow("other section") << general << "fontcolor"
                                   << "FORECOLOR"
                                   << "255";
    QTest::newRow("missing key") << general << "General"
                                 << "Bold"
                                 << "dflt";
    QTest::newRow("missing section") << general << "Interface"
                                     << "language"
                                     << "dflt";
    QTest::newRow("LF file") << QByteArray("[general]\nFont=Times\n") << "General"
                             << "Font"
                             << "Times";
    QTest::newRow("spaces around names and value")
        << QByteArray("  [ general ]  \n  Font  =  Courier New  \n") << "general"
        << "Font"
        << "Courier New";
    QTest::newRow("first duplicate key wins") << QByteArray("[a]\nk=1\nk=2\n") << "a"
                                              << "k"
                                              << "1";
    QTest::newRow("only the first of two sections counts")
        << QByteArray("[a]\nx=1\n[b]\ny=2\n[A]\nk=3\n") << "a"
        << "k"
        << "dflt";
    QTest::newRow("quoted value") << QByteArray("[a]\nFont=\"Arial\"\n") << "a"
                                  << "Font"
                                  << "Arial";
    QTest::newRow("quotes keep inner blanks") << QByteArray("[a]\nk=\" x \"\n") << "a"
                                              << "k"
                                              << " x ";
    QTest::newRow("one quote is text") << QByteArray("[a]\nk=\"x\n") << "a"
                                       << "k"
                                       << "\"x";
    QTest::newRow("quotes inside stay") << QByteArray("[a]\nk=a \"b\" c\n") << "a"
                                        << "k"
                                        << "a \"b\" c";
    QTest::newRow("key before any section is no one's") << QByteArray("k=0\n[a]\nj=1\n") << "a"
                                                        << "k"
                                                        << "dflt";
    QTest::newRow("comment is not a key") << QByteArray("[a]\n;k=1\nk=2\n") << "a"
                                          << "k"
                                          << "2";
    QTest::newRow("empty value is a value") << QByteArray("[a]\nk=\n") << "a"
                                            << "k"
                                            << "";
    QTest::newRow("equals inside value") << QByteArray("[a]\nk=x=y\n") << "a"
                                         << "k"
                                         << "x=y";
    QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF[a]\nk=Привет\n") << "a"
                              << "k"
                              << "Привет";
    QTest::newRow("windows-1251") << QByteArray("[Language1]\r\nL1=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n")
                                  << "language1"
                                  << "L1"
                                  << "Русский";
    QTest::newRow("no final newline") << QByteArray("[a]\r\nk=last") << "a"
                                      << "k"
                                      << "last";
    QTest::newRow("cyrillic names") << QByteArray("[Раздел]\nКлюч=да\n") << "раздел"
                                    << "КЛЮЧ"
                                    << "да";
}

void TestProfile::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeBytes(file);
    QCOMPARE(ReadIniString(section, key, QStringLiteral("dflt"), path()), expected);
}

void TestProfile::valuesAreCutToTheBuffer()
{
    const QByteArray value(300, 'x');
    writeBytes("[general]\r\nFont=" + value + "\r\n");
    QCOMPARE(profile::readString(QStringLiteral("general"), QStringLiteral("Font"), {}, path(), 255).size(),
             254);
    QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Font"), {}, path()).size(), 300);
    writeBytes("[general]\r\nFont=" + QByteArray(2000, 'y') + "\r\n");
    QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Font"), {}, path()).size(), 1023);
}

void TestProfile::missingFileGivesDefaultCutToo()
{
    const QString missing = path(QStringLiteral("absent.ini"));
    QCOMPARE(ReadIniString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("14"), missing),
             QStringLiteral("14"));
    QCOMPARE(profile::readString(QStringLiteral("a"), QStringLiteral("b"), QString(300, QLatin1Char('d')),
                                 missing, 255)
                 .size(),
             254);
}

void TestProfile::writeReplacesOnlyItsLine()
{
    const QByteArray before =
        "; settings of the book\r\n"
        "[FontColor]\r\nForeColor=0\r\n\r\n"
        "[General]\r\n; keep me\r\nFont=PresentScript\r\nFontSize=14\r\nBold=Regular\r\n"
        "[Interface]\r\nlanguage=/x/language/eng.lng\r\n";
    writeBytes(before);
    QVERIFY(profile::writeString(QStringLiteral("general"), QStringLiteral("fontsize"), QStringLiteral("18"),
                                 path()));
    QByteArray expected = before;
    expected.replace("FontSize=14", "FontSize=18");
    QCOMPARE(readBytes(), expected);
}

void TestProfile::writeCreatesFileAndSection()
{
    QVERIFY(profile::writeString(QStringLiteral("FontColor"), QStringLiteral("ForeColor"),
                                 QStringLiteral("255"), path()));
    QVERIFY(profile::writeString(QStringLiteral("General"), QStringLiteral("Font"), QStringLiteral("Arial"),
                                 path()));
    QCOMPARE(readBytes(), QByteArray("[FontColor]\r\nForeColor=255\r\n[General]\r\nFont=Arial\r\n"));
}

void TestProfile::writeAddsKeyToExistingSection()
{
    writeBytes("[General]\r\nFont=Arial\r\n\r\n[Interface]\r\nlanguage=x\r\n");
    QVERIFY(profile::writeString(QStringLiteral("general"), QStringLiteral("FontSize"), QStringLiteral("12"),
                                 path()));
    QCOMPARE(readBytes(),
             QByteArray("[General]\r\nFont=Arial\r\nFontSize=12\r\n\r\n[Interface]\r\nlanguage=x\r\n"));
    QCOMPARE(ReadIniString(QStringLiteral("GENERAL"), QStringLiteral("fontsize"), {}, path()),
             QStringLiteral("12"));
}

void TestProfile::writeKeepsLineEndsAndMissingFinalBreak()
{
    writeBytes("[a]\nk=1\n[b]\nj=2");
    QVERIFY(profile::writeString(QStringLiteral("b"), QStringLiteral("n"), QStringLiteral("3"), path()));
    QCOMPARE(readBytes(), QByteArray("[a]\nk=1\n[b]\nj=2\nn=3\n"));
    QVERIFY(profile::writeString(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("x\ny"), path()));
    QCOMPARE(readBytes(), QByteArray("[a]\nk=x y\n[b]\nj=2\nn=3\n"));
}

void TestProfile::writeIntoAWindows1251File()
{
    const QByteArray before = "[Language1]\r\nL1=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n";
    writeBytes(before);
    QVERIFY(profile::writeString(QStringLiteral("Language1"), QStringLiteral("L2"), QStringLiteral("Меню"),
                                 path()));
    QCOMPARE(readBytes(), before + "L2=\xCC\xE5\xED\xFE\r\n");

    // A value the code page cannot hold moves the whole file to UTF-8:
    // no "?" in the value, and every other line transcoded, not lost.
    QVERIFY(profile::writeString(QStringLiteral("Interface"), QStringLiteral("language"),
                                 QStringLiteral("/home/ελένη/language/rus.lng"), path()));
    QCOMPARE(QString::fromUtf8(readBytes()),
             QStringLiteral("[Language1]\r\nL1=Русский\r\nL2=Меню\r\n"
                            "[Interface]\r\nlanguage=/home/ελένη/language/rus.lng\r\n"));
    QCOMPARE(ReadIniString(QStringLiteral("Language1"), QStringLiteral("L1"), {}, path()),
             QStringLiteral("Русский"));
}

// Found by fuzzing: the Windows-1251 file's only bytes that were no UTF-8
// were in the line rewritten, so the file read as UTF-8 afterwards; the
// new value, written in Windows-1251, read back as other letters, and so
// did the line below it.
void TestProfile::writeThatTakesTheLastWindows1251BytesMovesToUtf8()
{
    writeBytes("[s]\r\nk=\xFF\r\nm=\xD0\x90\r\n");
    QVERIFY(profile::writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("Рђ"), path()));
    QCOMPARE(QString::fromUtf8(readBytes()), QStringLiteral("[s]\r\nk=Рђ\r\nm=Рђ\r\n"));
    QCOMPARE(ReadIniString(QStringLiteral("s"), QStringLiteral("k"), {}, path()), QStringLiteral("Рђ"));

    // While another byte keeps the file Windows-1251, it stays so.
    writeBytes("[s]\r\nk=\xFF\r\nm=\xC0\r\n");
    QVERIFY(profile::writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("Рђ"), path()));
    QCOMPARE(readBytes(), QByteArray("[s]\r\nk=\xD0\x90\r\nm=\xC0\r\n"));
}

// Found by fuzzing: the reader takes a pair of enclosing quotes off, so
// a value written with quotes of its own read back without them.
void TestProfile::valuesReadBackAsWritten()
{
    // Quotes and blanks at an edge both survive the trip through the file.
    for (const QString &value : {QStringLiteral("\"Times New Roman\""), QStringLiteral("\"\""),
                                 QStringLiteral("  \"a\" b \"  "), QStringLiteral(" x"), QStringLiteral("x "),
                                 QStringLiteral("   ")}) {
        QVERIFY(profile::writeString(QStringLiteral("general"), QStringLiteral("Font"), value, path()));
        QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Font"), {}, path()), value);
    }
    // A lone quote is no pair and is written as it is.
    QVERIFY(profile::writeString(QStringLiteral("general"), QStringLiteral("Font"), QStringLiteral("\""),
                                 path()));
    QCOMPARE(readBytes(), QByteArray("[general]\r\nFont=\"\r\n"));
}

void TestProfile::writeGoesToTheFirstOfTwoSections()
{
    writeBytes("[a]\nx=1\n[A]\nk=3\n");
    QVERIFY(profile::writeString(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("4"), path()));
    QCOMPARE(readBytes(), QByteArray("[a]\nx=1\nk=4\n[A]\nk=3\n"));
    QCOMPARE(ReadIniString(QStringLiteral("a"), QStringLiteral("k"), {}, path()), QStringLiteral("4"));
}

void TestProfile::junkAndHugeFilesAreHarmless()
{
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk += char((i * 7919) % 256);
    const QByteArray before = junk + "\n[general]\nFont=Arial\n[other]\n" + junk;
    writeBytes(before);
    QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Font"), {}, path()),
             QStringLiteral("Arial"));
    QVERIFY(profile::writeString(QStringLiteral("general"), QStringLiteral("FontSize"), QStringLiteral("9"),
                                 path()));
    const QByteArray after = readBytes();
    // Everything that was there is still there, byte for byte.
    QVERIFY(after.startsWith(QByteArray(junk + "\n[general]\nFont=Arial\nFontSize=9")));
    QVERIFY(after.endsWith(QByteArray("[other]\n" + junk)));
    QCOMPARE(after.size(),
             before.size() + qsizetype(sizeof("FontSize=9")) + (after.contains("9\r\n") ? 1 : 0));
}

void TestProfile::failedWriteIsReported()
{
    const Result r = profile::writeString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                          dir.filePath(QStringLiteral("no/such/folder/program.ini")));
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
}

void TestProfile::keptLookWritesOnlyWhatWasChosen()
{
    writeBytes("[General]\r\nFont=Keep Me\r\n");
    settings::KeptLook look;
    look.colour = 255;
    look.size = QStringLiteral("16");
    QVERIFY(settings::keepLook(look, path()).ok);
    QCOMPARE(readBytes(),
             QByteArray("[General]\r\nFont=Keep Me\r\nFontSize=16\r\n[FontColor]\r\nForeColor=255\r\n"));
}

void TestProfile::keptLookReadsBackAtTheNextStart()
{
    // Keys written under the names the reading window reads them by, into
    // the section a hand-edited file already has.
    writeBytes("[general]\r\n");
    settings::KeptLook look;
    look.colour = 0x00FF00;
    look.family = QStringLiteral("Arial");
    look.size = QStringLiteral("12");
    look.style = QStringLiteral("Bold Italic");
    QVERIFY(settings::keepLook(look, path()).ok);
    const settings::ReaderSettings read = settings::readReaderSettings(path(), QStringLiteral("eng.lng"));
    QCOMPARE(read.style.family, std::optional<QString>(QStringLiteral("Arial")));
    QCOMPARE(read.style.pointSize, std::optional<float>(12.0f));
    QCOMPARE(read.style.colour, std::optional<qint32>(0x00FF00));
    QVERIFY(readBytes().startsWith("[general]\r\nFont=Arial\r\nFontSize=12\r\nBold=Bold Italic\r\n"));
}

void TestProfile::keptLookThatCannotBeWrittenFails()
{
    settings::KeptLook look;
    look.family = QStringLiteral("Arial");
    const Result r = settings::keepLook(look, dir.filePath(QStringLiteral("no/such/folder/program.ini")));
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
