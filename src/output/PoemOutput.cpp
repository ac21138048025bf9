#include "output/PoemOutput.h"

#include "common/SaveFile.h"
#include "settings/SettingsKeys.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace output {

QFont printFont(const ReadingStyle &style)
{
    QFont font(style.family.value_or(settings::DefaultFont));
    // Summed in single precision, as the size is kept.
    const float size = style.pointSize.value_or(settings::DefaultFontSize.toFloat()) + 5.0f;
    font.setPointSizeF(size);
    font.setBold(style.bold.value_or(false));
    font.setItalic(style.italic.value_or(false));
    font.setUnderline(style.underline.value_or(false));
    font.setStrikeOut(style.strikeOut.value_or(false));
    return font;
}

Result printPoem(QPrinter &printer, const QString &text, const QFont &font)
{
    QTextDocument document;
    // Laid out for the printer itself, so points are points on paper and
    // the page is the printable area: no margins of our own, and no page
    // numbers, which QTextDocument adds to a document it paginates itself.
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document.setPlainText(plain);
    const int sheetsOfText = document.pageCount();
    document.setPlainText(plain + QStringLiteral("\n \n "));
    // The two closing lines show nothing; a sheet of their own would be
    // paper spent on nothing.
    if (document.pageCount() > sheetsOfText)
        document.setPlainText(plain);
    document.print(&printer);
    // print() says nothing of its own failures; the printer's state does.
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return Result::failure(QStringLiteral("the printer reported an error"));
    return Result::success();
}

Result writePoemDocument(const QString &path, const QString &text)
{
    QTextCharFormat size16;
    size16.setFontPointSize(16);
    QTextDocument document;
    // The face a word processor's new document starts with; the family is
    // the one thing the writer would otherwise take from the desktop.
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 16));
    QTextCursor cursor(&document);
    cursor.setBlockCharFormat(size16);
    // One paragraph per line, as typing the text into a word processor
    // makes them; the extra paragraph mark comes last. Qt's ODF writer
    // gives an empty paragraph no text style, so there the word
    // processor's own size shows; every character of the text is 16 point.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), size16);
        cursor.insertText(lines[i], size16);
    }
    cursor.insertBlock(QTextBlockFormat(), size16);

    QBuffer odt;
    odt.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&odt, QByteArrayLiteral("ODF"));
    if (!writer.write(&document))
        return Result::failure(QStringLiteral("the document could not be formed"));
    return writeWholeFile(path, odt.data());
}

} // namespace output
