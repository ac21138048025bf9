#include "core/output/OpenDocument.h"

#include <QXmlStreamWriter>

#include <array>

namespace output {
namespace {

const QByteArray TemplateType = QByteArrayLiteral("application/vnd.oasis.opendocument.text-template");

quint32 crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char b : bytes)
        c = table[(c ^ static_cast<quint8>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void put16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &out, quint32 v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

struct Entry
{
    QByteArray name;
    QByteArray data;
};

// A zip archive of stored (uncompressed) entries. The package format asks
// for nothing more, and a stored "mimetype" first is what lets a reader
// tell the file's type from its leading bytes.
QByteArray storedZip(const QList<Entry> &entries)
{
    constexpr quint32 dosDate = (1 << 5) | 1; // 1 January 1980: no clock in the bytes
    QByteArray archive, directory;
    for (const Entry &e : entries) {
        const quint32 offset = quint32(archive.size());
        const quint32 crc = crc32(e.data);
        auto common = [&](QByteArray &out) {
            put16(out, 10); // version needed: 1.0
            put16(out, 0);  // flags
            put16(out, 0);  // stored
            put16(out, 0);  // time
            put16(out, dosDate);
            put32(out, crc);
            put32(out, quint32(e.data.size()));
            put32(out, quint32(e.data.size()));
            put16(out, quint32(e.name.size()));
            put16(out, 0); // no extra field
        };
        put32(archive, 0x04034b50);
        common(archive);
        archive += e.name + e.data;

        put32(directory, 0x02014b50);
        put16(directory, 20); // made by: MS-DOS attributes, zip 2.0
        common(directory);
        put16(directory, 0); // no comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += e.name;
    }
    const quint32 directoryAt = quint32(archive.size());
    archive += directory;
    put32(archive, 0x06054b50);
    put16(archive, 0);
    put16(archive, 0);
    put16(archive, quint32(entries.size()));
    put16(archive, quint32(entries.size()));
    put32(archive, quint32(directory.size()));
    put32(archive, directoryAt);
    put16(archive, 0);
    return archive;
}

// A paragraph collapses runs of spaces and drops leading ones; every
// space the text has is kept by spelling the swallowed ones out.
void writeParagraphText(QXmlStreamWriter &xml, const QString &textNs, const QString &line)
{
    QString run;
    const auto flush = [&] { xml.writeCharacters(run), run.clear(); };
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] == QLatin1Char('\t')) {
            flush();
            xml.writeEmptyElement(textNs, QStringLiteral("tab"));
            ++i;
        } else if (line[i] != QLatin1Char(' ')) {
            run += line[i++];
        } else {
            qsizetype n = 0;
            while (i + n < line.size() && line[i + n] == QLatin1Char(' '))
                ++n;
            // The first space after a word stays as it is.
            const bool afterWord = i > 0 && line[i - 1] != QLatin1Char('\t');
            if (afterWord)
                run += QLatin1Char(' ');
            if (const qsizetype swallowed = afterWord ? n - 1 : n; swallowed > 0) {
                flush();
                xml.writeEmptyElement(textNs, QStringLiteral("s"));
                if (swallowed > 1)
                    xml.writeAttribute(textNs, QStringLiteral("c"), QString::number(swallowed));
            }
            i += n;
        }
    }
    flush();
}

QByteArray content(const QStringList &paragraphs, const QString &family, int points)
{
    const QString office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
    const QString style = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
    const QString text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
    const QString fo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeNamespace(office, QStringLiteral("office"));
    xml.writeNamespace(style, QStringLiteral("style"));
    xml.writeNamespace(text, QStringLiteral("text"));
    xml.writeNamespace(fo, QStringLiteral("fo"));
    xml.writeStartElement(office, QStringLiteral("document-content"));
    xml.writeAttribute(office, QStringLiteral("version"), QStringLiteral("1.2"));

    // One paragraph style carries the size, so the empty paragraph mark
    // at the end is as large as the text, not the word processor's default.
    xml.writeStartElement(office, QStringLiteral("automatic-styles"));
    xml.writeStartElement(style, QStringLiteral("style"));
    xml.writeAttribute(style, QStringLiteral("name"), QStringLiteral("P1"));
    xml.writeAttribute(style, QStringLiteral("family"), QStringLiteral("paragraph"));
    xml.writeEmptyElement(style, QStringLiteral("text-properties"));
    xml.writeAttribute(fo, QStringLiteral("font-family"), QLatin1Char('\'') + family + QLatin1Char('\''));
    xml.writeAttribute(fo, QStringLiteral("font-size"), QString::number(points) + QStringLiteral("pt"));
    xml.writeEndElement(); // style
    xml.writeEndElement(); // automatic-styles

    xml.writeStartElement(office, QStringLiteral("body"));
    xml.writeStartElement(office, QStringLiteral("text"));
    for (const QString &paragraph : paragraphs) {
        xml.writeStartElement(text, QStringLiteral("p"));
        xml.writeAttribute(text, QStringLiteral("style-name"), QStringLiteral("P1"));
        writeParagraphText(xml, text, paragraph);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QByteArray manifest()
{
    const QString ns = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeNamespace(ns, QStringLiteral("manifest"));
    xml.writeStartElement(ns, QStringLiteral("manifest"));
    xml.writeAttribute(ns, QStringLiteral("version"), QStringLiteral("1.2"));
    const auto fileEntry = [&](const QString &path, const QString &type) {
        xml.writeEmptyElement(ns, QStringLiteral("file-entry"));
        xml.writeAttribute(ns, QStringLiteral("full-path"), path);
        xml.writeAttribute(ns, QStringLiteral("media-type"), type);
    };
    fileEntry(QStringLiteral("/"), QString::fromLatin1(TemplateType));
    xml.writeAttribute(ns, QStringLiteral("version"), QStringLiteral("1.2"));
    fileEntry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
    xml.writeEndDocument();
    return bytes;
}

} // namespace

QByteArray textTemplate(const QStringList &paragraphs, const QString &family, int points)
{
    return storedZip({{QByteArrayLiteral("mimetype"), TemplateType},
                      {QByteArrayLiteral("META-INF/manifest.xml"), manifest()},
                      {QByteArrayLiteral("content.xml"), content(paragraphs, family, points)}});
}

} // namespace output
