#pragma once

#include "core/search/FoundRanges.h"

#include <QObject>

class QLabel;

// The found word on a page: a soft highlight painted behind the page
// label's own text, over the paper. The label keeps its plain text, so a
// screen reader hears the page's words and nothing else, and the text is
// laid out exactly as before. It installs itself on the label; while
// nothing is marked it does no work at all.
class FoundWordMark final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FoundWordMark)

public:
    explicit FoundWordMark(QLabel *page);

    // Marks every occurrence of `query` in the page's text, case as the
    // search took it; an empty query takes the mark away.
    void mark(const QString &query, bool caseSensitive);
    void clear();
    const QList<search::FoundRange> &ranges() const { return ranges_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint();

    QLabel *page_;
    QList<search::FoundRange> ranges_;
};
