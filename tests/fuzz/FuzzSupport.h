#pragma once

// What every fuzz target shares: the input as a file where the code under
// test only takes a file name, the names a profile file itself offers to
// be asked for, and a check that stops the run with the reason.
#include "core/common/Encoding.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A broken promise is a finding like a crash: libFuzzer keeps the input.
inline void require(bool holds, const char *promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

// One folder per process, in memory where the system offers it, so that a
// file per input costs microseconds rather than a disk write.
inline QString scratchFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/kvfuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kvfuzz-XXXXXX"));
    return dir.path();
}

inline QString writeScratch(const QString &name, const QByteArray &bytes)
{
    const QString path = scratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        require(false, "the scratch folder takes a file");
    file.write(bytes);
    return path;
}

inline QByteArray readScratch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Section and key names as a reader of the file would see them: asking
// for names the file really holds reaches far more of the reader than
// names picked at random.
struct Names
{
    QStringList sections;
    QStringList keys;
};

inline Names namesIn(const QByteArray &bytes, qsizetype most)
{
    Names names;
    // Line by line, as the profile reader decodes: it drops a byte order
    // mark at the start of any line, so a name that begins with U+FEFF
    // (which the program never uses) cannot be asked for.
    const encoding::Kind kind = encoding::detect(bytes);
    for (const QByteArray &line : bytes.split('\n')) {
        const QString t = encoding::decode(line, kind).trimmed();
        if (t.startsWith(QChar(0xFEFF))) {
            continue;
        } else if (t.startsWith(QLatin1Char('['))) {
            const qsizetype close = t.indexOf(QLatin1Char(']'));
            if (names.sections.size() < most)
                names.sections << t.mid(1, close < 0 ? -1 : close - 1).trimmed();
        } else if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) {
            continue; // a comment names nothing
        } else if (const qsizetype eq = t.indexOf(QLatin1Char('=')); eq > 0 && names.keys.size() < most) {
            names.keys << t.left(eq).trimmed();
        }
    }
    return names;
}

// A cheap, stable hash to let the input pick among choices.
inline quint32 pick(const QByteArray &bytes)
{
    quint32 h = 2166136261u;
    for (const char c : bytes)
        h = (h ^ static_cast<quint8>(c)) * 16777619u;
    return h;
}

} // namespace fuzz
