// The standard save dialog as the reader meets it: it opens in the
// documents folder, adds ".txt" only to a name without one, and asks
// before it replaces a file.
#include "platform/LinuxPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// Plays the reader at whatever modal window is open: each step waits for
// the window it is meant for, acts, and is done.
class Reader : public QObject
{
public:
    using Step = std::function<bool(QWidget *)>;
    QList<Step> steps;
    QStringList questions; // the texts of the message boxes met

    Reader()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto *box = qobject_cast<QMessageBox *>(modal); box && !questions.contains(box->text()))
                questions << box->text();
            if (!steps.isEmpty() && steps.first()(modal))
                steps.removeFirst();
            // A dialog nobody answers must not hang the test: it fails.
            if (++ticks_ > 1000)
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
        });
        timer_.start();
    }

private:
    QTimer timer_;
    int ticks_ = 0;
};

namespace {

// Types a name over whatever the name box holds, key by key as the reader
// does, and presses Save from the event loop so that a question the dialog
// asks can be answered by the next step. (selectFile() would leave the box
// alone once it has the focus, and whether it has it yet when a step comes
// is a matter of timing.)
Reader::Step typeAndSave(const QString &name, QString *folderSeen = nullptr)
{
    return [=](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog)
            return false;
        auto *nameBox = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!nameBox || !buttons)
            qFatal("the save dialog has no name box or no buttons");
        if (folderSeen)
            *folderSeen = dialog->directory().absolutePath();
        QTest::keyClick(nameBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(nameBox, name);
        QMetaObject::invokeMethod(buttons->button(QDialogButtonBox::Save), &QPushButton::click,
                                  Qt::QueuedConnection);
        return true;
    };
}

Reader::Step answer(QMessageBox::StandardButton button)
{
    return [=](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        QMetaObject::invokeMethod(box->button(button), &QAbstractButton::click, Qt::QueuedConnection);
        return true;
    };
}

Reader::Step cancel()
{
    return [](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog)
            return false;
        QMetaObject::invokeMethod(dialog, &QFileDialog::reject, Qt::QueuedConnection);
        return true;
    };
}

} // namespace

class TestPrompts : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QString documents;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
        documents = home.filePath(QStringLiteral("Documents"));
        QVERIFY(QDir().mkpath(documents));
    }

    void saveDialogNamesTheFileOnce()
    {
        platform::QtPrompts prompts;
        QString folder;
        {
            Reader reader;
            reader.steps << typeAndSave(QStringLiteral("poem"), &folder);
            const auto chosen =
                prompts.saveFileName(QStringLiteral("Сохранение в файл..."), QStringLiteral("Ночь.txt"));
            QCOMPARE(chosen, std::optional(documents + QStringLiteral("/poem.txt")));
        }
        QCOMPARE(folder, documents);
        {
            Reader reader;
            reader.steps << typeAndSave(QStringLiteral("poem.txt"));
            const auto chosen = prompts.saveFileName(QStringLiteral("Сохранение в файл..."), QString());
            QCOMPARE(chosen, std::optional(documents + QStringLiteral("/poem.txt")));
        }
    }

    void saveDialogAsksBeforeReplacing()
    {
        platform::QtPrompts prompts;
        QFile existing(documents + QStringLiteral("/old.txt"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        {
            // "No" keeps the dialog open for another name; here, Cancel.
            Reader reader;
            reader.steps << typeAndSave(QStringLiteral("old")) << answer(QMessageBox::No) << cancel();
            QCOMPARE(prompts.saveFileName(QStringLiteral("t"), QString()), std::nullopt);
            QCOMPARE(reader.questions.size(), 1);
            QVERIFY(reader.questions[0].contains(QStringLiteral("old.txt")));
        }
        {
            Reader reader;
            reader.steps << typeAndSave(QStringLiteral("old.txt")) << answer(QMessageBox::Yes);
            QCOMPARE(prompts.saveFileName(QStringLiteral("t"), QString()),
                     std::optional(documents + QStringLiteral("/old.txt")));
            QCOMPARE(reader.questions.size(), 1);
        }
    }

    void saveDialogOffersTextFilesFirst()
    {
        platform::QtPrompts prompts;
        QString title, filter;
        QStringList filters;
        Reader reader;
        reader.steps << [&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog)
                return false;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            filter = dialog->selectedNameFilter();
            return true;
        } << cancel();
        QCOMPARE(prompts.saveFileName(QStringLiteral("Сохранение в файл..."), QString()), std::nullopt);
        QCOMPARE(title, QStringLiteral("Сохранение в файл..."));
        QCOMPARE(filters,
                 (QStringList{QStringLiteral("Текстовые файлы (*.txt)"), QStringLiteral("Все файлы (*)")}));
        QCOMPARE(filter, filters.first());
    }
};

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
