#include "core/settings/Profile.h"

#include "core/common/Encoding.h"

#include "core/common/SaveFile.h"

#include <QFile>

#include <optional>
#include <vector>

namespace profile {
namespace {

// One physical line of the file, kept as its bytes so that lines we do not
// change are written back exactly.
struct Line
{
    QByteArray bytes; // without the line end
    QByteArray end;   // "\r\n", "\n" or nothing (last line without one)
    enum Kind
    {
        Other,
        Section,
        Key
    } kind = Other;
    QString name;
    QString value;
};

struct Document
{
    std::vector<Line> lines;
    encoding::Kind kind = encoding::Kind::Utf8;
    QByteArray lineEnd = "\r\n";
};

Line parseLine(QByteArray bytes, QByteArray end, encoding::Kind kind)
{
    Line line{std::move(bytes), std::move(end), Line::Other, {}, {}};
    const QString text = encoding::decode(line.bytes, kind).trimmed();
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        line.kind = Line::Section;
        line.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
    } else if (!text.startsWith(QLatin1Char(';')) && !text.startsWith(QLatin1Char('#'))) {
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        if (eq > 0) {
            line.kind = Line::Key;
            line.name = text.left(eq).trimmed();
            line.value = text.mid(eq + 1).trimmed();
            // Hand-written files quote values that begin or end in blanks;
            // one matching pair of double quotes belongs to no value.
            if (line.value.size() >= 2 && line.value.startsWith(QLatin1Char('"')) &&
                line.value.endsWith(QLatin1Char('"')))
                line.value = line.value.mid(1, line.value.size() - 2);
        }
    }
    return line;
}

Document parse(const QByteArray &bytes)
{
    Document doc;
    doc.kind = encoding::detect(bytes);
    if (bytes.contains("\r\n"))
        doc.lineEnd = "\r\n";
    else if (bytes.contains('\n'))
        doc.lineEnd = "\n";
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        QByteArray end;
        qsizetype stop = nl < 0 ? bytes.size() : nl;
        if (nl >= 0) {
            end = "\n";
            if (stop > start && bytes[stop - 1] == '\r') {
                --stop;
                end = "\r\n";
            }
        }
        QByteArray content = bytes.mid(start, stop - start);
        // The first line may carry a UTF-8 BOM; it belongs to no name.
        if (start == 0 && doc.kind == encoding::Kind::Utf8 && content.startsWith("\xEF\xBB\xBF")) {
            Line bom{QByteArray("\xEF\xBB\xBF"), QByteArray(), Line::Other, {}, {}};
            doc.lines.push_back(bom);
            content.remove(0, 3);
        }
        doc.lines.push_back(parseLine(content, end, doc.kind));
        start = nl < 0 ? bytes.size() : nl + 1;
    }
    return doc;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index range [first, last) of the lines inside the first section named
// `section`. A later section of the same name is ignored for reading and
// writing alike, as other readers of these files do.
std::optional<std::pair<size_t, size_t>> sectionBody(const Document &doc, const QString &section)
{
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        if (doc.lines[i].kind != Line::Section || !sameName(doc.lines[i].name, section))
            continue;
        size_t j = i + 1;
        while (j < doc.lines.size() && doc.lines[j].kind != Line::Section)
            ++j;
        return std::make_pair(i + 1, j);
    }
    return std::nullopt;
}

std::optional<size_t> findKey(const Document &doc, const std::pair<size_t, size_t> &body, const QString &key)
{
    for (size_t i = body.first; i < body.second; ++i)
        if (doc.lines[i].kind == Line::Key && sameName(doc.lines[i].name, key))
            return i;
    return std::nullopt;
}

QString cut(const QString &text, int bufferSize)
{
    return text.left(qMax(0, bufferSize - 1));
}

// The whole file with `key` set to `clean` in `section`.
QByteArray withKey(Document doc, const QString &section, const QString &key, const QString &clean)
{
    auto keyLine = [&](const QString &name) {
        return Line{encoding::encode(name + QLatin1Char('=') + clean, doc.kind), doc.lineEnd, Line::Key, name,
                    clean};
    };
    auto terminateLast = [&] {
        if (!doc.lines.empty() && doc.lines.back().end.isEmpty())
            doc.lines.back().end = doc.lineEnd;
    };

    const auto body = sectionBody(doc, section);
    bool done = false;
    if (body) {
        if (const auto at = findKey(doc, *body, key)) {
            Line &line = doc.lines[*at];
            // Keep the name as the file spells it, and the line's own end.
            const QByteArray end = line.end;
            line = keyLine(line.name);
            line.end = end;
            done = true;
        }
    }
    if (!done && body) {
        size_t insertAt = body->first;
        for (size_t i = body->first; i < body->second; ++i)
            if (doc.lines[i].kind == Line::Key)
                insertAt = i + 1;
        if (insertAt == doc.lines.size())
            terminateLast();
        doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine(key));
        done = true;
    }
    if (!done) {
        terminateLast();
        doc.lines.push_back(Line{encoding::encode(QLatin1Char('[') + section + QLatin1Char(']'), doc.kind),
                                 doc.lineEnd,
                                 Line::Section,
                                 section,
                                 {}});
        doc.lines.push_back(keyLine(key));
    }

    QByteArray out;
    for (const Line &line : doc.lines)
        out += line.bytes + line.end;
    return out;
}

void moveToUtf8(Document &doc)
{
    for (Line &line : doc.lines)
        line.bytes = encoding::encode(encoding::decode(line.bytes, doc.kind), encoding::Kind::Utf8);
    doc.kind = encoding::Kind::Utf8;
}

} // namespace

QString readString(const QString &section, const QString &key, const QString &defaultValue,
                   const QString &fileName, int bufferSize)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return cut(defaultValue, bufferSize);
    const Document doc = parse(file.readAll());
    if (const auto body = sectionBody(doc, section))
        if (const auto at = findKey(doc, *body, key))
            return cut(doc.lines[*at].value, bufferSize);
    return cut(defaultValue, bufferSize);
}

QStringList readStrings(const QString &section, const QStringList &keys, const QString &fileName,
                        int bufferSize)
{
    QStringList values;
    values.reserve(keys.size());
    QFile file(fileName);
    Document doc;
    if (file.open(QIODevice::ReadOnly))
        doc = parse(file.readAll());
    const auto body = sectionBody(doc, section);
    for (const QString &key : keys) {
        const auto at = body ? findKey(doc, *body, key) : std::nullopt;
        values << (at ? cut(doc.lines[*at].value, bufferSize) : QString());
    }
    return values;
}

Result writeString(const QString &section, const QString &key, const QString &value, const QString &fileName)
{
    QByteArray bytes;
    {
        QFile file(fileName);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly))
                return Result::failure(file.errorString());
            bytes = file.readAll();
        }
    }
    Document doc = parse(bytes);
    // A line break inside a value would split it into two lines.
    QString clean = value;
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // The reader trims a value and takes one pair of enclosing quotes off
    // it, so a value with blanks at an edge, or one that is itself quoted,
    // goes inside one more pair to read back as it was written.
    if (const QString bare = clean.trimmed();
        bare != clean || (bare.size() >= 2 && bare.startsWith(QLatin1Char('"')) && bare.endsWith(QLatin1Char('"'))))
        clean = QLatin1Char('"') + clean + QLatin1Char('"');
    QByteArray out = withKey(doc, section, key, clean);
    // An old Windows-1251 file cannot hold, say, a folder name in Greek;
    // rather than write "?" the whole file moves to UTF-8, every line
    // transcoded, nothing lost. It moves too when the line written took
    // away its last bytes that are no UTF-8: from then on it would be read
    // as UTF-8, and every Cyrillic letter written in Windows-1251 misread.
    if (doc.kind != encoding::Kind::Utf8 &&
        (!encoding::fits(section + key + clean, doc.kind) || encoding::detect(out) == encoding::Kind::Utf8)) {
        moveToUtf8(doc);
        out = withKey(doc, section, key, clean);
    }

    return writeWholeFile(fileName, out);
}

} // namespace profile

QString ReadIniString(const QString &section, const QString &key, const QString &defaultValue,
                      const QString &fileName)
{
    return profile::readString(section, key, defaultValue, fileName, 1024);
}

QString ReadLanguageString(const QString &section, const QString &key, const QString &defaultValue,
                           const QString &fileName)
{
    return ReadIniString(section, key, defaultValue, fileName);
}
