#include "ui/output/PoemOutput.h"

#include "core/common/SaveFile.h"
#include "core/output/OpenDocument.h"
#include "core/settings/SettingsKeys.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPrinter>
#include <QTextDocument>

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

Result writePoemTemplate(const QString &path, const QString &text)
{
    // One paragraph per line, as typing the text into a word processor
    // makes them, and the extra paragraph mark last. The face is the one a
    // word processor's new document starts with.
    const QStringList paragraphs = text.split(QStringLiteral("\r\n")) << QString();
    return writeWholeFile(path, textTemplate(paragraphs, QStringLiteral("Times New Roman"), 16));
}

void removeStaleDocuments(const QString &folder, const QDateTime &now)
{
    const QDateTime dayAgo = now.addDays(-1);
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.lastModified() >= dayAgo)
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

} // namespace output
