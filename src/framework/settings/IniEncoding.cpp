#include "IniEncoding.h"

#include <QStringDecoder>

namespace vt {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

// Windows-1252 differs from Latin-1 only here; its five unassigned bytes map to the C1 controls.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Qt 6.4 has no Windows-1252 decoder without ICU.
QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

IniText decodeIniText(const QByteArray& bytes) {
    IniText result;
    QByteArrayView body(bytes);
    if (body.startsWith(utf8Bom)) {
        result.bom = true;
        body = body.sliced(utf8Bom.size());
    }
    // Line by line: one stray byte of an old comment must not turn the rest of the user's text into
    // Windows-1252 too.
    for (qsizetype start = 0; start < body.size();) {
        const qsizetype lineFeed = body.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? body.size() : lineFeed + 1;
        const QByteArrayView line = body.sliced(start, end - start);
        // Stateless, so a sequence cut at the end of the line counts as invalid; a second BOM is text.
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8(line);
        result.text += utf8.hasError() ? fromWindows1252(line) : decoded;
        start = end;
    }
    return result;
}

QByteArray encodeIniText(const IniText& text) {
    return text.bom ? utf8Bom + text.text.toUtf8() : text.text.toUtf8();
}

} // namespace vt
