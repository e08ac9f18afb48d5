#include "SettingsRoundTrip.h"

#include "common/SettingsKeys.h"
#include "framework/settings/FileStore.h"
#include "framework/settings/IniEncoding.h"
#include "framework/settings/IniFile.h"
#include "framework/settings/IniValue.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

namespace vt::fuzz {

namespace {

// Every key the program reads or writes.
constexpr auto& table = keys::all;

using Name = std::pair<QString, QString>; // folded section, folded key

Name nameOf(const QString& section, const QString& key) {
    return {section.toCaseFolded(), key.toCaseFolded()};
}

class MemoryStore : public FileStore {
public:
    explicit MemoryStore(QByteArray bytes) : bytes(std::move(bytes)) {}
    std::optional<QByteArray> read(const QString&) const override { return bytes; }
    void replace(const QString&, const QByteArray& contents) override {
        bytes = contents;
        ++replacements;
    }

    QByteArray bytes;
    int replacements = 0;
};

// The choices made for one input: the same bytes always take the same ones.
class Choices {
public:
    explicit Choices(const QByteArray& bytes) {
        for (const char c : bytes)
            state = (state ^ quint8(c)) * 0x100000001B3ull;
    }
    quint64 next() {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    quint32 below(quint64 n) { return quint32(next() % n); }
    bool oneIn(quint64 n) { return below(n) == 0; }

private:
    quint64 state = 0xCBF29CE484222325ull;
};

// ---- What a key reads as

struct Reading {
    std::optional<QString> string;
    std::optional<qint32> integer;
    std::optional<bool> boolean;
    bool operator==(const Reading&) const = default;
};

// Under all three kinds. A second default, asked for only when the first comes back, tells a missing
// key from one that holds the first.
Reading readingOf(const IniFile& ini, const QString& section, const QString& key) {
    static const QString absent = QStringLiteral("\x01"
                                                 "absent");
    static const QString otherwise = QStringLiteral("\x02"
                                                    "absent");
    constexpr qint32 none = 0x7E57AB1E;
    Reading r;
    const QString text = ini.readString(section, key, absent);
    if (text != absent || ini.readString(section, key, otherwise) == absent) r.string = text;
    const qint32 number = ini.readInteger(section, key, none);
    if (number != none || ini.readInteger(section, key, none + 1) == none) r.integer = number;
    const bool flag = ini.readBool(section, key, false);
    if (flag || !ini.readBool(section, key, true)) r.boolean = flag;
    return r;
}

// What a read gives: the first 2047 UTF-16 units, one fewer rather than half a surrogate pair.
QString keptPart(const QString& value) {
    if (value.size() <= 2047) return value;
    const bool pairAcross = value[2046].isHighSurrogate() && value[2047].isLowSurrogate();
    return value.left(pairAcross ? 2046 : 2047);
}

std::string shown(const QString& text, qsizetype from = 0) {
    constexpr qsizetype limit = 60;
    std::string out = from > 0 ? "...\"" : "\"";
    for (qsizetype i = from; i < std::min(text.size(), from + limit); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\\' || c == u'"') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(c));
            out += escaped;
        }
    }
    out += '"';
    if (text.size() > from + limit) out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

std::string shown(const Reading& r) {
    std::string out = "string ";
    out += r.string ? shown(*r.string) : "missing";
    out += ", integer " + (r.integer ? std::to_string(*r.integer) : std::string("missing"));
    out += ", bool " + (r.boolean ? std::string(*r.boolean ? "1" : "0") : std::string("missing"));
    return out;
}

std::string difference(const Reading& expected, const Reading& actual) {
    std::string out = "expected " + shown(expected) + "; got " + shown(actual);
    if (expected.string && actual.string && *expected.string != *actual.string) {
        qsizetype i = 0;
        while (i < expected.string->size() && i < actual.string->size() &&
               (*expected.string)[i] == (*actual.string)[i])
            ++i;
        const qsizetype from = std::max<qsizetype>(0, i - 10);
        out += "; the strings part at character " + std::to_string(i) + ": " + shown(*expected.string, from) +
               " against " + shown(*actual.string, from);
    }
    return out;
}

std::string shown(const Name& name) { return shown(name.first) + "/" + shown(name.second); }

// ---- The text as lines, and its keys found the way the settings layer finds them

struct TextLine {
    QString content; // without its line break
    bool terminated; // by "\n"
    bool crlf;       // by "\r\n"
};

struct KeyLine {
    QString section; // as spelled in its header
    QString key;     // as spelled, blanks around it dropped
};

struct Scan {
    std::vector<TextLine> lines;
    std::vector<KeyLine> keys;
    QSet<QString> sections;           // folded
    QHash<Name, qsizetype> keyLineOf; // the line a read of the key looks at
    bool crlf = false;                // how the first line ends, so how added lines end
};

QString trimmed(QStringView text) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text.toString();
}

Scan scan(const QString& text) {
    Scan s;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        if (lineFeed < 0) {
            s.lines.push_back({text.sliced(start), false, false});
            break;
        }
        QString content = text.sliced(start, lineFeed - start);
        const bool crlf = content.endsWith(u'\r');
        if (crlf) content.chop(1);
        if (s.lines.empty()) s.crlf = crlf;
        s.lines.push_back({content, true, crlf});
        start = lineFeed + 1;
    }
    // Only the first section of a name holds keys, and only the first key of a name there counts.
    std::optional<QString> section;
    bool firstOfItsName = false;
    for (qsizetype i = 0; i < qsizetype(s.lines.size()); ++i) {
        const QString content = trimmed(s.lines[i].content);
        if (content.isEmpty()) continue;
        const qsizetype close = content.indexOf(u']');
        if (content.startsWith(u'[') && close > 0) {
            section = trimmed(QStringView(content).sliced(1, close - 1));
            firstOfItsName = !s.sections.contains(section->toCaseFolded());
            s.sections.insert(section->toCaseFolded());
        } else if (section && !content.startsWith(u';') && !content.startsWith(u'#')) {
            const qsizetype equals = content.indexOf(u'=');
            if (equals <= 0) continue;
            const QString key = trimmed(QStringView(content).first(equals));
            s.keys.push_back({*section, key});
            const Name name = nameOf(*section, key);
            if (firstOfItsName && !s.keyLineOf.contains(name)) s.keyLineOf.insert(name, i);
        }
    }
    return s;
}

// RFC 3629: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isUtf8(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size();) {
        const auto at = [&](qsizetype k) { return quint8(bytes[k]); };
        const quint8 b = at(i);
        qsizetype more = 0;
        char32_t c = 0, least = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            more = 1, c = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2, c = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3, c = b & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + more >= bytes.size()) return false;
        for (qsizetype k = 1; k <= more; ++k) {
            if ((at(i + k) & 0xC0) != 0x80) return false;
            c = (c << 6) | (at(i + k) & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += more + 1;
    }
    return true;
}

// The decoding keeps everything: UTF-8 when the bytes are, else one character for each byte.
// Line by line: a line that is valid UTF-8 is read as UTF-8, any other as Windows-1252.
std::optional<std::string> lossyDecoding(QByteArrayView body, const QString& text) {
    qsizetype at = 0; // where the line's text starts
    for (qsizetype start = 0; start < body.size();) {
        const qsizetype lineFeed = body.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? body.size() : lineFeed + 1;
        const QByteArrayView line = body.sliced(start, end - start);
        start = end;
        if (isUtf8(line)) {
            const QString decoded = QString::fromUtf8(line);
            if (QStringView(text).mid(at, decoded.size()) != decoded)
                return "a valid UTF-8 line did not decode to the text it holds";
            at += decoded.size();
            continue;
        }
        if (text.size() - at < line.size())
            return "a line that is not UTF-8 did not decode one character per byte";
        for (qsizetype i = 0; i < line.size(); ++i, ++at) {
            const quint8 b = quint8(line[i]);
            const char16_t c = text[at].unicode();
            if ((b < 0x80 || b >= 0xA0) ? c != b : (c < 0x80 || QChar::isSurrogate(c)))
                return "a byte of a Windows-1252 line decoded as " + shown(text.mid(at, 1));
        }
    }
    if (at != text.size()) return "the text holds more than the file";
    return std::nullopt;
}

// ---- The values written, made from the input

// Mostly the program's own spelling; names are written in any case too, since they fold.
QString spelled(const char* name, Choices& choices) {
    QString text = QString::fromLatin1(name);
    if (choices.below(4) != 0) return text;
    for (QChar& c : text)
        if (choices.oneIn(2)) c = c.toUpper();
    return text;
}

qint32 derivedInteger(qint32 read, const QByteArray& bytes, Choices& choices) {
    switch (choices.below(9)) {
    case 0:
        return read;
    case 1:
        return qint32(quint32(read) + 1u);
    case 2:
        return qint32(0u - quint32(read));
    case 3:
        return ~read;
    case 4:
        return std::numeric_limits<qint32>::min();
    case 5:
        return std::numeric_limits<qint32>::max();
    case 6:
        return qint32(choices.below(100));
    case 7:
        return qint32(quint32(choices.next()));
    default: {
        quint32 bits = 0;
        const qsizetype start = bytes.isEmpty() ? 0 : choices.below(bytes.size());
        for (qsizetype i = 0; i < std::min<qsizetype>(4, bytes.size()); ++i)
            bits = (bits << 8) | quint8(bytes[(start + i) % bytes.size()]);
        return qint32(bits);
    }
    }
}

// A part of the input as text, without the line breaks and NULs that are refused: those are tried
// on purpose, now and then.
QString partOfInput(const QByteArray& bytes, Choices& choices) {
    if (bytes.isEmpty()) return QString();
    const qsizetype start = choices.below(bytes.size());
    const qsizetype length = choices.below(std::min<qsizetype>(bytes.size() - start, 80) + 1);
    const QByteArray part = bytes.mid(start, length);
    QString text = choices.oneIn(4) ? QString::fromLatin1(part) : QString::fromUtf8(part);
    for (QChar& c : text)
        if (c == u'\n' || c == u'\r' || c == QChar::Null) c = u' ';
    return text;
}

// Blanks and quotes at the ends are what the quoting exists for.
QString withFragileEnds(QString value, Choices& choices) {
    static const char* const ends[] = {" ", "\t", "\"", " \"", "\"\"", "\" ", "é", "😀", "=", "["};
    if (choices.oneIn(3)) value.prepend(QString::fromUtf8(ends[choices.below(std::size(ends))]));
    if (choices.oneIn(3)) value.append(QString::fromUtf8(ends[choices.below(std::size(ends))]));
    return value;
}

// Around the 2047 characters a read keeps, a surrogate pair sometimes across the cut.
QString longValue(const QString& seed, Choices& choices) {
    const QString unit = seed.isEmpty() ? QStringLiteral("x") : seed;
    const qsizetype size = choices.oneIn(4) ? 2048 + choices.below(3000) : 2043 + choices.below(8);
    QString value;
    while (value.size() < size)
        value += unit;
    value.truncate(size);
    if (value.back().isHighSurrogate()) value.chop(1);
    if (choices.oneIn(2)) {
        qsizetype at = std::min<qsizetype>(value.size(), 2044 + choices.below(4));
        if (at < value.size() && value[at].isLowSurrogate()) --at;
        value.insert(at, QString::fromUtf8("😀"));
    }
    return value;
}

QString derivedString(const QString& read, const QByteArray& bytes, Choices& choices) {
    switch (choices.below(8)) {
    case 0:
        return read;
    case 1: { // backwards by code point, so pairs stay pairs
        QList<uint> points = read.toUcs4();
        std::reverse(points.begin(), points.end());
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
    }
    case 2:
        return read + read;
    case 3:
        return withFragileEnds(read, choices);
    case 4:
        return longValue(partOfInput(bytes, choices), choices);
    default:
        return withFragileEnds(partOfInput(bytes, choices), choices);
    }
}

QString brokenValue(const QByteArray& bytes, Choices& choices) {
    static const char* const breaks[] = {"\n", "\r", "\r\n", "\n[option]\nvibreur=0", "\nk=injecté"};
    QString value = partOfInput(bytes, choices);
    const qsizetype at = choices.below(value.size() + 1);
    if (choices.oneIn(3))
        value.insert(at, QChar::Null);
    else
        value.insert(at, QString::fromUtf8(breaks[choices.below(std::size(breaks))]));
    return value;
}

// A value the settings file should hold after the commit.
struct Expected {
    QString section; // spelled as at the first write
    QString key;
    QString value; // the text the write stands for
    std::optional<qint32> integer;
    Reading reading() const {
        const std::optional<qint32> number = integer ? integer : parseIniInteger(value);
        return {keptPart(value), number, number ? std::optional(*number != 0) : std::nullopt};
    }
};

class Writes {
public:
    void add(const QString& section, const QString& key, QString value, std::optional<qint32> integer) {
        const Name name = nameOf(section, key);
        if (const auto known = byName.constFind(name); known != byName.constEnd()) {
            list[*known].value = std::move(value);
            list[*known].integer = integer;
            return;
        }
        byName.insert(name, list.size());
        list.push_back({section, key, std::move(value), integer});
    }
    bool contains(const Name& name) const { return byName.contains(name); }

    std::vector<Expected> list; // in the order of the first write of each key
    QHash<Name, size_t> byName;
};

std::string lineAt(const std::vector<TextLine>& lines, size_t i) {
    return "line " + std::to_string(i + 1) + " " + shown(lines[i].content);
}

// The old lines stay, in order; a written key's line keeps what comes before its value; the new lines
// are the keys written that the old text lacked, the headers of the sections it lacked and the blank
// lines before those.
std::optional<std::string> lineFault(const Scan& before, const Scan& after, const Writes& writes) {
    QHash<qsizetype, const Expected*> replaced;
    QStringList newKeys;
    QStringList newSections;
    QSet<QString> newSectionNames;
    for (const Expected& write : writes.list) {
        const auto line = before.keyLineOf.constFind(nameOf(write.section, write.key));
        if (line != before.keyLineOf.constEnd())
            replaced.insert(*line, &write);
        else
            newKeys.append(write.key);
        const QString folded = write.section.toCaseFolded();
        if (!before.sections.contains(folded) && !newSectionNames.contains(folded)) {
            newSectionNames.insert(folded);
            newSections.append(u'[' + write.section + u']');
        }
    }
    qsizetype blanks = newSections.size();
    const auto added = [&](const TextLine& line) {
        if (!line.terminated || line.crlf != before.crlf) return false;
        if (line.content.isEmpty() && blanks > 0) {
            --blanks;
            return true;
        }
        if (newSections.removeOne(line.content)) return true;
        const qsizetype equals = line.content.indexOf(u'=');
        return equals > 0 && newKeys.removeOne(line.content.first(equals));
    };
    const auto kept = [](const TextLine& old, const TextLine& line) {
        // A last line without a line break gets one when lines follow it.
        return line.content == old.content && (!old.terminated || (line.terminated && line.crlf == old.crlf));
    };
    const auto rewritten = [](const TextLine& old, const TextLine& line) {
        qsizetype prefix = old.content.indexOf(u'=') + 1;
        while (prefix < old.content.size() && (old.content[prefix] == u' ' || old.content[prefix] == u'\t'))
            ++prefix;
        return line.content.startsWith(QStringView(old.content).first(prefix)) &&
               (!old.terminated || (line.terminated && line.crlf == old.crlf));
    };

    size_t next = 0;
    for (size_t i = 0; i < before.lines.size(); ++i) {
        const TextLine& old = before.lines[i];
        const bool isReplaced = replaced.contains(qsizetype(i));
        for (;;) {
            if (next == after.lines.size())
                return "the old " + lineAt(before.lines, i) + (isReplaced ? ", a written key's," : "") +
                       " is not in the new text";
            const TextLine& line = after.lines[next++];
            if (isReplaced ? rewritten(old, line) : kept(old, line)) break;
            if (!added(line))
                return "the new " + lineAt(after.lines, next - 1) + " is neither the old one in its place, " +
                       lineAt(before.lines, i) + ", nor a line the writes add";
        }
    }
    for (; next < after.lines.size(); ++next)
        if (!added(after.lines[next]))
            return "the new " + lineAt(after.lines, next) + " at the end is not a line the writes add";
    if (!newKeys.isEmpty() || !newSections.isEmpty())
        return "the new text lacks " + std::to_string(newKeys.size()) + " key lines and " +
               std::to_string(newSections.size()) + " section headers the writes add" +
               (newKeys.isEmpty() ? "" : ", " + shown(newKeys.front()) + " first");
    return std::nullopt;
}

} // namespace

std::optional<std::string> settingsRoundTripFault(const QByteArray& bytes) {
    const QString path = QStringLiteral("/home/léa/.config/vantorel/config.ini");
    MemoryStore originalStore(bytes);
    const IniFile original(path, originalStore);
    MemoryStore store(bytes);
    IniFile ini(path, store);
    Choices choices(bytes);

    // The writes, in an order of their own: it decides which sections come first.
    std::array<size_t, std::size(table)> order;
    std::iota(order.begin(), order.end(), 0);
    for (size_t i = order.size() - 1; i > 0; --i)
        std::swap(order[i], order[choices.below(i + 1)]);
    Writes writes;
    bool refused = false;
    for (const size_t index : order) {
        const SettingName& entry = table[index];
        const unsigned what = choices.below(16);
        if (what < 5) continue;
        for (int time = 0; time < (what == 15 ? 2 : 1); ++time) {
            const QString section = spelled(entry.section, choices);
            const QString key = spelled(entry.key, choices);
            if (choices.oneIn(40)) {
                ini.writeString(section, key, brokenValue(bytes, choices));
                refused = true;
                continue;
            }
            switch (entry.kind) {
            case SettingKind::Text: {
                const QString value = derivedString(ini.readString(section, key, QString()), bytes, choices);
                ini.writeString(section, key, value);
                // A value read from the file may hold a lone CR or a NUL itself.
                if (value.contains(u'\n') || value.contains(u'\r') || value.contains(QChar::Null))
                    refused = true;
                else
                    writes.add(section, key, value, std::nullopt);
                break;
            }
            case SettingKind::Integer: {
                const qint32 value = derivedInteger(ini.readInteger(section, key, 0), bytes, choices);
                ini.writeInteger(section, key, value);
                writes.add(section, key, QString::number(value), value);
                break;
            }
            case SettingKind::Bool: {
                const bool read = ini.readBool(section, key, false);
                const bool value = choices.oneIn(3) ? read : choices.oneIn(2) ? !read : choices.oneIn(2);
                ini.writeBool(section, key, value);
                writes.add(section, key, value ? "1" : "0", value ? 1 : 0);
                break;
            }
            }
        }
    }
    for (const Expected& write : writes.list)
        if (const Reading read = readingOf(ini, write.section, write.key); read != write.reading())
            return "before the commit, " + shown(nameOf(write.section, write.key)) +
                   " does not read as written: " + difference(write.reading(), read);

    bool threw = false;
    try {
        ini.commit();
    } catch (const Failure&) {
        threw = true;
    }
    if (threw != refused)
        return refused ? "a value with a line break or a NUL was not refused" : "the commit threw";
    if (store.replacements != (writes.list.empty() ? 0 : 1))
        return "the file was replaced " + std::to_string(store.replacements) + " times for " +
               std::to_string(writes.list.size()) + " keys written";

    // Every key written reads back as written, in a new reading of the file and in the one that wrote.
    const IniFile reread(path, store);
    for (const Expected& write : writes.list) {
        for (const IniFile* reader : {&reread, static_cast<const IniFile*>(&ini)}) {
            const QString key = write.key.toUpper();
            if (const Reading read = readingOf(*reader, write.section, key); read != write.reading())
                return std::string(reader == &ini ? "after the commit, " : "read again, ") +
                       shown(nameOf(write.section, write.key)) +
                       " does not read as written: " + difference(write.reading(), read);
        }
    }

    // Nothing else changed: no key that was not written, nor any line but the written keys'. The text is
    // compared, since a Windows-1252 file is rewritten in UTF-8; the BOM stays, or stays away.
    const QByteArray bom("\xEF\xBB\xBF");
    const bool hadBom = bytes.startsWith(bom);
    const IniText oldText = decodeIniText(bytes);
    if (oldText.bom != hadBom) return hadBom ? "the BOM was read as text" : "a BOM was seen where none is";
    if (auto fault = lossyDecoding(QByteArrayView(bytes).sliced(hadBom ? 3 : 0), oldText.text))
        return "reading the file: " + *fault;
    if (writes.list.empty() && store.bytes != bytes) return "the file changed with nothing written";
    if (store.bytes.startsWith(bom) != hadBom) return hadBom ? "the BOM was lost" : "a BOM was added";
    const QByteArrayView newBody = QByteArrayView(store.bytes).sliced(hadBom ? 3 : 0);
    const IniText newText = decodeIniText(store.bytes);
    if (!writes.list.empty() && (!isUtf8(newBody) || newText.text.toUtf8() != newBody))
        return "the new file is not UTF-8";
    const Scan before = scan(oldText.text);
    const Scan after = scan(newText.text);
    if (auto fault = lineFault(before, after, writes)) return *fault;

    std::vector<KeyLine> lines = before.keys;
    lines.insert(lines.end(), after.keys.begin(), after.keys.end());
    for (const SettingName& entry : table)
        lines.push_back({entry.section, entry.key});
    QSet<Name> compared;
    for (const KeyLine& key : lines) {
        const Name name = nameOf(key.section, key.key);
        if (writes.contains(name) || compared.contains(name)) continue;
        compared.insert(name);
        const Reading old = readingOf(original, key.section, key.key);
        if (const Reading now = readingOf(reread, key.section, key.key); now != old)
            return "the key " + shown(name) + " was not written but reads otherwise: " + difference(old, now);
    }
    return std::nullopt;
}

} // namespace vt::fuzz
