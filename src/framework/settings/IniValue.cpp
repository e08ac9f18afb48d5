#include "IniValue.h"

namespace vt {

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int digit = base;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

std::optional<qint32> parseHex(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
    quint32 bits = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, 16);
        if (digit < 0) return std::nullopt;
        bits = (bits << 4) | quint32(digit);
    }
    return static_cast<qint32>(bits);
}

std::optional<qint32> parseDecimal(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+')) text = text.sliced(1);
    if (text.isEmpty()) return std::nullopt;
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 magnitude = 0;
    for (const QChar c : text) {
        const int digit = digitValue(c, 10);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * 10 + digit;
        if (magnitude > limit) // checked at each digit, so a long run of digits cannot overflow
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

} // namespace

QStringView trimIniBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isIniBlank(text[begin]))
        ++begin;
    while (end > begin && isIniBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString decodeIniString(QStringView raw) {
    QStringView value = trimIniBlanks(raw);
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

QString encodeIniString(const QString& value) {
    if (value.isEmpty()) return value;
    const auto fragile = [](QChar c) { return isIniBlank(c) || c == u'"'; };
    if (fragile(value.front()) || fragile(value.back())) return u'"' + value + u'"';
    return value;
}

QString cutIniString(QString value) {
    if (value.size() <= iniMaxStringLength) return value;
    qsizetype length = iniMaxStringLength;
    if (value[length - 1].isHighSurrogate() && value[length].isLowSurrogate()) --length;
    value.truncate(length);
    return value;
}

std::optional<qint32> parseIniInteger(QStringView text) {
    if (text.startsWith(u'$')) return parseHex(text.sliced(1));
    if (text.startsWith(u"0x") || text.startsWith(u"0X")) return parseHex(text.sliced(2));
    return parseDecimal(text);
}

} // namespace vt
