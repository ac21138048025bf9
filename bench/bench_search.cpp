// How long a whole-book search takes, in both case modes, and with the
// result list filled as the search window fills it.
#include "core/search/PageSearch.h"
#include "ui/search/frmFind.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class BenchSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caseInsensitive()
    {
        QList<search::Match> found;
        QBENCHMARK
        {
            found = search::findPages(QStringLiteral("ночь"), false);
        }
        QVERIFY(!found.isEmpty());
    }
    void caseSensitive()
    {
        QList<search::Match> found;
        QBENCHMARK
        {
            found = search::findPages(QStringLiteral("Ночь"), true);
        }
        QVERIFY(!found.isEmpty());
    }
    void searchWindowWithItsList()
    {
        TestProgram program;
        frmFind *f = program.forms->frmFind();
        f->txtFind->setText(QStringLiteral("и"));
        QBENCHMARK
        {
            f->cmdFind_Click();
        }
        QVERIFY(f->lstFound->count() > 100);
    }
};

QTEST_MAIN(BenchSearch)
#include "bench_search.moc"
