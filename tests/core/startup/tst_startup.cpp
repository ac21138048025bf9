// The start-up decisions: which systems are refused, that a running copy
// is found first, and which support files go where, in which order,
// without ever overwriting anything.
#include "core/startup/Startup.h"
#include "support/FakePlatform.h"

#include <QTemporaryDir>

#include <QTest>
#include <stdexcept>

namespace {

void touch(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QString Title = QStringLiteral("Арвий Квиллборн - Избранное 0.4");
const startup::SplashLoader splash = [] { return true; };

// A system whose window list breaks down mid-way.
class BrokenDesktop : public FakePlatform
{
public:
    using FakePlatform::FakePlatform;
    QList<platform::TopWindow> topLevelWindows() override
    {
        throw std::runtime_error("the window list is unreadable");
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    QString program, current;

private Q_SLOTS:
    void init()
    {
        QVERIFY(tmp.isValid());
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path());
        program = tmp.filePath(QStringLiteral("prog"));
        current = tmp.filePath(QStringLiteral("cwd"));
        QDir().mkpath(program);
        QDir().mkpath(current);
    }

    void instanceTitleFromVersion()
    {
        QCOMPARE(
            startup::instanceTitle(QStringLiteral("Арвий Квиллборн - Избранное"), QStringLiteral("0.4.0.83")),
            Title);
    }

    void systemsJudgedByMajorPlusMinor_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Windows 95") << 4 << 0 << false;
        QTest::newRow("one short of the line") << 3 << 1 << false;
        QTest::newRow("4.1, just enough") << 4 << 1 << true;
        QTest::newRow("Windows 98") << 4 << 10 << true;
        QTest::newRow("Me") << 4 << 90 << true;
        QTest::newRow("2000, exactly 5") << 5 << 0 << true;
        QTest::newRow("XP") << 5 << 1 << true;
        QTest::newRow("a Linux kernel 6.1") << 6 << 1 << true;
    }
    void systemsJudgedByMajorPlusMinor()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(bool, accepted);
        FakePlatform os(tmp.path());
        os.version = {major, minor};
        const auto outcome = startup::Main(os, {program, current}, Title, splash);
        QCOMPARE(outcome == startup::Outcome::SplashShown, accepted);
        if (!accepted) {
            QCOMPARE(os.fakePrompts.messages.size(), 1);
            QCOMPARE(os.fakePrompts.messages[0].title, QStringLiteral("От авторов..."));
            QVERIFY(os.fakePrompts.messages[0].text.startsWith(QStringLiteral("К сожалению Windows 95")));
            QVERIFY(os.logOf(QStringLiteral("copy")).isEmpty());
        }
    }

    void runningCopyIsFoundBeforeTheSystemIsJudged()
    {
        FakePlatform os(tmp.path());
        os.version = {4, 0};
        os.windows = {
            {7, QStringLiteral("Notes")},
            {9, QStringLiteral("арвий квиллборн - ИЗБРАННОЕ 0.4 (copy)")},
            {11, QStringLiteral("Арвий Квиллборн - Избранное")}, // the reading window does not count
            {12, QStringLiteral("x АРВИЙ Квиллборн - избранное 0.4")}};
        QCOMPARE(startup::Main(os, {program, current}, Title, splash), startup::Outcome::RunningCopy);
        // Every match is raised, in order; the message is the running-copy one.
        QCOMPARE(os.logOf(QStringLiteral("raise")),
                 (QStringList{QStringLiteral("raise 9"), QStringLiteral("raise 12")}));
        QCOMPARE(os.fakePrompts.messages.size(), 1);
        QCOMPARE(os.fakePrompts.messages[0].text, QStringLiteral("Programm already started!!!\r\n:-("));
        QCOMPARE(os.fakePrompts.messages[0].title, QStringLiteral("Error..."));
        QVERIFY(os.logOf(QStringLiteral("copy")).isEmpty());
        QCOMPARE(os.log.first(), QStringLiteral("mkdir prog/language"));
    }

    void supportFilesPlacedInOrderNeverOverwritten()
    {
        for (const QString &m : startup::ModulesToMove)
            touch(program + QLatin1Char('/') + m, "new " + m.toUtf8());
        touch(program + QStringLiteral("/language/rus.lng"), "reader's own");
        touch(program + QStringLiteral("/language/2.lng"));
        touch(current + QStringLiteral("/ps_____r.ttf"), "font");
        touch(current + QStringLiteral("/richtx32.ocx"));
        FakePlatform os(tmp.path());
        QDir::setCurrent(current);
        QCOMPARE(startup::Main(os, {program, current}, Title, splash), startup::Outcome::SplashShown);

        const QStringList expected = {
            QStringLiteral("mkdir prog/language"),
            QStringLiteral("copy prog/eng.lng -> prog/language/eng.lng ok"),
            QStringLiteral("copy prog/rus.lng -> prog/language/rus.lng failed"),
            QStringLiteral("copy prog/tl.lng -> prog/language/tl.lng ok"),
            QStringLiteral("copy prog/fr.lng -> prog/language/fr.lng ok"),
            QStringLiteral("copy prog/de.lng -> prog/language/de.lng ok"),
            QStringLiteral("copy prog/5.lng -> prog/language/5.lng ok"),
            QStringLiteral("copy prog/bel.lng -> prog/language/bel.lng ok"),
            QStringLiteral("copy cwd/richtx32.ocx -> windows/system/richtx32.ocx ok"),
            QStringLiteral("copy cwd/Xvoice.dll -> windows/system/Xvoice.dll failed"),
            QStringLiteral("copy cwd/ps_____r.ttf -> windows/fonts/ps_____r.ttf ok"),
            QStringLiteral("open windows/fonts"),
            QStringLiteral("remove prog/eng.lng"),
            QStringLiteral("remove prog/rus.lng"),
            QStringLiteral("remove prog/tl.lng"),
            QStringLiteral("remove prog/fr.lng"),
            QStringLiteral("remove prog/5.lng"),
            QStringLiteral("remove prog/de.lng"),
            QStringLiteral("remove prog/bel.lng"),
            QStringLiteral("remove prog/language/1.lng"),
            QStringLiteral("remove prog/language/2.lng"),
            QStringLiteral("remove prog/language/3.lng"),
            QStringLiteral("remove prog/language/4.lng"),
        };
        QCOMPARE(os.log, expected);
        QCOMPARE(contentOf(program + QStringLiteral("/language/rus.lng")), QByteArray("reader's own"));
        QCOMPARE(contentOf(program + QStringLiteral("/language/eng.lng")), QByteArray("new eng.lng"));
        QVERIFY(!QFile::exists(program + QStringLiteral("/eng.lng")));
        QVERIFY(!QFile::exists(program + QStringLiteral("/language/2.lng")));

        // A second start changes nothing and opens no folder: the font is there.
        FakePlatform again(tmp.path());
        QCOMPARE(startup::Main(again, {program, current}, Title, splash), startup::Outcome::SplashShown);
        QVERIFY(again.logOf(QStringLiteral("open")).isEmpty());
        QCOMPARE(again.logOf(QStringLiteral("copy")).filter(QStringLiteral(" ok")), QStringList());
    }

    void aReadOnlyProgramFolderFillsTheReadersLanguageFolder()
    {
        // Installed where the reader cannot write: the shipped modules are
        // copied into the reader's own folder, and nothing shipped is lost.
        for (const QString &m : startup::ModulesToMove)
            touch(program + QLatin1Char('/') + m, "shipped " + m.toUtf8());
        const QString own = tmp.filePath(QStringLiteral("own"));
        QFile::setPermissions(program,
                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        FakePlatform os(tmp.path());
        const auto outcome = startup::Main(os, {program, current, own}, Title, splash);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(outcome, startup::Outcome::SplashShown);

        QCOMPARE(os.log.first(), QStringLiteral("mkdir own/language"));
        QCOMPARE(os.logOf(QStringLiteral("copy prog/")).size(), startup::ModulesToMove.size());
        QCOMPARE(os.logOf(QStringLiteral("copy prog/")).filter(QStringLiteral("-> own/language/")).size(),
                 startup::ModulesToMove.size());
        for (const QString &m : startup::ModulesToMove)
            QCOMPARE(contentOf(own + QStringLiteral("/language/") + m), "shipped " + m.toUtf8());
        QVERIFY(!QFileInfo::exists(program + QStringLiteral("/language")));
        QVERIFY(os.logOf(QStringLiteral("remove prog/language")).isEmpty());
    }

    void otherFailuresAreToldAsWhatTheyAre()
    {
        BrokenDesktop os(tmp.path());
        QCOMPARE(startup::Main(os, {program, current}, Title, splash), startup::Outcome::Failed);
        QCOMPARE(os.fakePrompts.messages.size(), 1);
        QCOMPARE(os.fakePrompts.messages[0].title, QStringLiteral("Error..."));
        QVERIFY(os.fakePrompts.messages[0].text.contains(QStringLiteral("the window list is unreadable")));
        QVERIFY(!os.fakePrompts.messages[0].text.contains(QStringLiteral("already started")));

        FakePlatform fine(tmp.path());
        const startup::SplashLoader broken = []() -> bool { throw std::runtime_error("no splash picture"); };
        QCOMPARE(startup::Main(fine, {program, current}, Title, broken), startup::Outcome::Failed);
        QVERIFY(fine.fakePrompts.messages[0].text.contains(QStringLiteral("no splash picture")));
        // What was placed before the failure stays placed.
        QVERIFY(!fine.logOf(QStringLiteral("remove")).isEmpty());
    }

    void splashThatRefusesEndsTheStart()
    {
        FakePlatform os(tmp.path());
        QCOMPARE(startup::Main(os, {program, current}, Title, [] { return false; }),
                 startup::Outcome::RunningCopy);
    }

    void startedElsewhereFindsNoSupportFiles()
    {
        FakePlatform os(tmp.path());
        QCOMPARE(startup::Main(os, {program, current}, Title, splash), startup::Outcome::SplashShown);
        QVERIFY(os.logOf(QStringLiteral("open")).isEmpty());
        QVERIFY(os.fakePrompts.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
