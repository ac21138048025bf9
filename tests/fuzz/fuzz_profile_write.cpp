// Any bytes as program.ini, then one key written. What the writer
// promises, and what is checked here:
//  - every line it did not write is kept byte for byte; the only other
//    change allowed is a line end added to a last line that had none,
//    when something is written after it;
//    A Windows-1251 file may instead move to UTF-8 whole (when it cannot
//    hold the value, or when the line written took its last bytes that
//    are no UTF-8): then every other line is the same text in UTF-8;
//  - the key reads back as the value written, with CR and LF turned into
//    spaces; blanks at an edge survive, since the writer quotes them.
// The names asked for are those a reader can ask for: names the file
// holds, or plain names the program uses.
#include "FuzzSupport.h"
#include "core/settings/Profile.h"

namespace {

// Physical lines, each with its own line end.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', start);
        const qsizetype stop = nl < 0 ? bytes.size() : nl + 1;
        lines << bytes.mid(start, stop - start);
        start = stop;
    }
    return lines;
}

// `after` is `before` with one line rewritten, one line inserted, or a
// section header and its key added at the end.
bool onlyTheseLinesDiffer(QList<QByteArray> before, const QList<QByteArray> &after)
{
    const qsizetype added = after.size() - before.size();
    if (added < 0 || added > 2)
        return false;
    qsizetype at = 0;
    while (at < before.size() && before[at] == after[at])
        ++at;
    if (added == 0)
        return before.mid(at + 1) == after.mid(at + 1) &&
               (at == before.size() || before[at].endsWith('\n') == after[at].endsWith('\n'));
    if (added == 2) // a new section at the end
        return at == before.size();
    return before.mid(at) == after.mid(at + 1);
}

bool keptExceptWritten(const QByteArray &before, const QByteArray &after)
{
    const QList<QByteArray> in = linesOf(before);
    const QList<QByteArray> out = linesOf(after);
    if (onlyTheseLinesDiffer(in, out))
        return true;
    // Writing after a last line without a line end gives it one.
    if (in.isEmpty() || in.last().endsWith('\n'))
        return false;
    for (const char *end : {"\r\n", "\n"}) {
        QList<QByteArray> ended = in;
        ended.last() += end;
        if (onlyTheseLinesDiffer(ended, out))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before = fuzz::bytesOf(data, size);
    const QString file = fuzz::writeScratch(QStringLiteral("program.ini"), before);
    const encoding::Kind kind = encoding::detect(before);

    fuzz::Names names = fuzz::namesIn(before, 8);
    names.sections << QStringLiteral("general") << QStringLiteral("Interface") << QStringLiteral("Раздел");
    names.keys << QStringLiteral("Font") << QStringLiteral("language") << QStringLiteral("Ключ");
    const quint32 h = fuzz::pick(before);
    const QString section = names.sections[h % names.sections.size()];
    const QString key = names.keys[(h >> 8) % names.keys.size()];
    // The value is the input's own tail: any text, line breaks included.
    const QString value = QString::fromUtf8(before.right((h >> 16) % 48));

    const Result written = profile::writeString(section, key, value, file);
    fuzz::require(written.ok, "a file in a writable folder is written");
    const QByteArray after = fuzz::readScratch(file);
    const bool moved = kind == encoding::Kind::Windows1251 && encoding::detect(after) == encoding::Kind::Utf8;
    const QByteArray kept =
        moved ? encoding::encode(encoding::decode(before, kind), encoding::Kind::Utf8) : before;
    fuzz::require(keptExceptWritten(kept, after), "lines the write did not touch are kept byte for byte");

    QString clean = value;
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString back = profile::readString(section, key, QStringLiteral("\x01missing"), file, 1024);
    const bool exact = back == clean;
    const bool asTheCodePageHoldsIt = kind == encoding::Kind::Windows1251 &&
                                      back == encoding::decode(encoding::encode(clean, kind), kind);
    if (!exact && !asTheCodePageHoldsIt)
        std::fprintf(stderr, "[%s] %s = \"%s\" read back as \"%s\"\n", qUtf8Printable(section),
                     qUtf8Printable(key), qUtf8Printable(clean), qUtf8Printable(back));
    fuzz::require(exact || asTheCodePageHoldsIt, "the key reads back as written");
    return 0;
}
