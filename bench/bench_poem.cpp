// How long assembling a poem's text takes, over all 81 entries. The
// per-poem figure is the reported time divided by 81.
#include "core/output/PoemText.h"
#include "core/book/BookTables.h"

#include <QTest>

class BenchPoem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allEntries()
    {
        qsizetype total = 0;
        QBENCHMARK
        {
            total = 0;
            for (int entry = 1; entry <= bookdata::EntryCount; ++entry)
                total += output::poemText(entry).size();
        }
        QVERIFY(total > 0);
    }
};

QTEST_GUILESS_MAIN(BenchPoem)
#include "bench_poem.moc"
