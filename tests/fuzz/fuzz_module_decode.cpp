// Any bytes as a language module: the encoding guess, decoding and
// encoding back, and the 58 captions the windows show.
#include "FuzzSupport.h"
#include "core/language/Captions.h"
#include "core/language/LanguageModule.h"

namespace {

QString programFolder()
{
    static const QString folder = [] {
        const QString here = fuzz::scratchFolder();
        QDir().mkpath(language::languageFolder(here));
        QFile::copy(QStringLiteral(KV_SOURCE_DIR "/content/language/eng.lng"),
                    language::languageFolder(here) + QStringLiteral("/eng.lng"));
        return here;
    }();
    return folder;
}

void checkEncodings(const QByteArray &bytes)
{
    using encoding::Kind;
    const Kind kind = encoding::detect(bytes);
    const QString text = encoding::decode(bytes, kind);
    fuzz::require(encoding::decode(bytes) == text, "decoding without a kind uses the guessed one");
    if (kind == Kind::Utf8) {
        // Byte order marks at the start are no text: decode drops one and
        // QString::fromUtf8 a second.
        QByteArray body = bytes;
        for (int bom = 0; bom < 2 && body.startsWith("\xEF\xBB\xBF"); ++bom)
            body.remove(0, 3);
        fuzz::require(encoding::encode(text, Kind::Utf8) == body, "valid UTF-8 decodes without loss");
    } else {
        // One byte, one character; a byte the code page leaves undefined
        // is the only one that cannot come back.
        fuzz::require(text.size() == bytes.size(), "Windows-1251 is one character a byte");
        const QByteArray again = encoding::encode(text, Kind::Windows1251);
        fuzz::require(again.size() == bytes.size(), "Windows-1251 encodes a character a byte");
        for (qsizetype i = 0; i < bytes.size(); ++i)
            fuzz::require(again[i] == bytes[i] || text[i] == QChar::ReplacementCharacter,
                          "every defined Windows-1251 byte comes back");
    }
    // What was read is saved as UTF-8 and reads the same, unless it starts
    // with U+FEFF, which every reader takes for a byte order mark.
    if (!text.startsWith(QChar(0xFEFF))) {
        const QByteArray saved = encoding::encode(text, Kind::Utf8);
        fuzz::require(encoding::detect(saved) == Kind::Utf8, "UTF-8 written is UTF-8 read");
        fuzz::require(encoding::decode(saved) == text, "text saved as UTF-8 reads back the same");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    checkEncodings(bytes);

    const QString folder = programFolder();
    const QString module = fuzz::writeScratch(QStringLiteral("module.lng"), bytes);
    const language::Captions captions = language::readCaptions(module, folder);
    // Either the module names its own first caption or the English module
    // stands in, and that one has it.
    fuzz::require(!captions.at(1).isEmpty(), "every window gets a first caption");
    for (int key = language::FirstCaptionKey; key <= language::LastCaptionKey; ++key)
        fuzz::require(captions.at(key).size() <= 1023, "a caption fits the program's buffer");
    return 0;
}
