#include "ui/reader/FoundWordMark.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

FoundWordMark::FoundWordMark(QLabel *page)
    : QObject(page)
    , page_(page)
{
    setObjectName(QStringLiteral("foundWordMark"));
    page->installEventFilter(this);
}

void FoundWordMark::mark(const QString &query, bool caseSensitive)
{
    QList<search::FoundRange> ranges = search::foundRanges(page_->text(), query, caseSensitive);
    if (ranges.isEmpty() && ranges_.isEmpty())
        return;
    ranges_ = std::move(ranges);
    page_->update();
}

void FoundWordMark::clear()
{
    if (ranges_.isEmpty())
        return;
    ranges_.clear();
    page_->update();
}

// Painted first, the label's text then lies over the mark.
bool FoundWordMark::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == page_ && !ranges_.isEmpty())
        paint();
    return QObject::eventFilter(watched, event);
}

// The lines are laid out as QLabel lays out wrapped plain text (through
// QPainter::drawText): carriage returns read as spaces, lines of the
// label's width on whole pixels from the top, each aligned by its own
// advance, in the page's face and size. So the mark sits under the very letters.
void FoundWordMark::paint()
{
    const int margin = page_->margin();
    const QRectF area = page_->contentsRect().adjusted(margin, margin, -margin, -margin);
    QString text = page_->text();
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));

    QTextLayout layout(text, page_->font(), page_);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(page_->font(), page_).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(page_->wordWrap() ? std::max<qreal>(0, area.width()) : 0x01000000);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        if (height >= area.height())
            break;
    }
    layout.endLayout();

    QPainter painter(page_);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Soft, warm and half see-through: the paper still shows under the word.
    painter.setBrush(QColor(255, 205, 90, 130));
    const qreal radius = QFontMetricsF(page_->font(), page_).height() / 6;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        qreal left = area.left();
        if (page_->alignment() & Qt::AlignHCenter)
            left += (area.width() - line.horizontalAdvance()) / 2;
        else if (page_->alignment() & Qt::AlignRight)
            left += area.width() - line.horizontalAdvance();
        const qsizetype lineEnd = line.textStart() + line.textLength();
        for (const search::FoundRange &range : ranges_) {
            const qsizetype from = std::max(range.start, qsizetype(line.textStart()));
            const qsizetype to = std::min(range.start + range.length, lineEnd);
            if (from >= to)
                continue;
            const qreal x1 = line.cursorToX(int(from));
            const qreal x2 = line.cursorToX(int(to));
            painter.drawRoundedRect(
                QRectF(left + x1, area.top() + line.y(), x2 - x1, line.ascent() + line.descent()), radius,
                radius);
        }
    }
}
