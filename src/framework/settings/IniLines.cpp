#include "IniLines.h"

#include "IniValue.h"

#include <QStringList>

namespace vt {

namespace {

const QLatin1String lf("\n");
const QLatin1String crlf("\r\n");

// Joins lines, ending an unterminated last line when more lines follow it.
class Output {
public:
    explicit Output(QLatin1String newline) : newline(newline) {}
    void add(QStringView line, QLatin1String end) {
        // A CR ending that line would make a CRLF with a lone LF and drop out of the line.
        if (open) text += text.endsWith(u'\r') ? crlf : newline;
        text += line;
        text += end;
        open = end.isEmpty();
    }
    QString text;

private:
    QLatin1String newline;
    bool open = false;
};

QString replacedLine(QStringView line, const QString& value) {
    // Keeps the key as spelled and the blanks around "=".
    qsizetype prefix = line.indexOf(u'=') + 1;
    while (prefix < line.size() && isIniBlank(line[prefix]))
        ++prefix;
    return line.first(prefix).toString() + encodeIniString(value);
}

} // namespace

IniLines::IniLines(const QString& fileText) : text(fileText) {
    qsizetype current = -1;
    bool newlineKnown = false;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        if (lineFeed < 0) {
            lines.push_back({start, text.size() - start, {}});
            start = text.size();
        } else {
            const bool cr = lineFeed > start && text[lineFeed - 1] == u'\r';
            lines.push_back({start, lineFeed - start - (cr ? 1 : 0), cr ? crlf : lf});
            start = lineFeed + 1;
            if (!newlineKnown) newline = lines.back().end;
            newlineKnown = true;
        }
        index(qsizetype(lines.size()) - 1, current);
    }
}

void IniLines::index(qsizetype line, qsizetype& current) {
    const QStringView content = trimIniBlanks(lineText(line));
    if (content.isEmpty()) return;
    const qsizetype close = content.indexOf(u']');
    if (content.startsWith(u'[') && close > 0) {
        const QString name = foldIniName(trimIniBlanks(content.sliced(1, close - 1)));
        current = -1;
        if (!sectionByName.contains(name)) {
            current = qsizetype(sectionLastFilled.size());
            sectionByName.insert(name, current);
            sectionLastFilled.push_back(line);
        }
    } else if (current >= 0 && !content.startsWith(u';') && !content.startsWith(u'#')) {
        const qsizetype equals = content.indexOf(u'=');
        if (equals > 0) {
            std::pair name(current, foldIniName(trimIniBlanks(content.first(equals))));
            if (!keyByName.contains(name)) keyByName.insert(std::move(name), line);
        }
    }
    lastFilled = line;
    if (current >= 0) sectionLastFilled[current] = line;
}

std::optional<qsizetype> IniLines::keyLine(const QString& section, const QString& key) const {
    const auto found = sectionByName.constFind(foldIniName(section));
    if (found == sectionByName.constEnd()) return std::nullopt;
    const auto line = keyByName.constFind({*found, foldIniName(key)});
    if (line == keyByName.constEnd()) return std::nullopt;
    return *line;
}

std::optional<QStringView> IniLines::rawValue(const QString& section, const QString& key) const {
    const auto line = keyLine(section, key);
    if (!line) return std::nullopt;
    const QStringView content = lineText(*line);
    return content.sliced(content.indexOf(u'=') + 1);
}

QString IniLines::withEntries(const std::vector<Entry>& entries) const {
    QHash<qsizetype, QString> replaced;
    QHash<qsizetype, QStringList> added;
    std::vector<std::pair<QString, QStringList>> newSections;
    QHash<QString, size_t> newSectionByName;
    for (const Entry& entry : entries) {
        const QString line = entry.key + u'=' + encodeIniString(entry.value);
        const QString name = foldIniName(entry.section);
        const auto found = sectionByName.constFind(name);
        if (found == sectionByName.constEnd()) {
            if (!newSectionByName.contains(name)) {
                newSectionByName.insert(name, newSections.size());
                newSections.push_back({entry.section, {}});
            }
            newSections[newSectionByName.value(name)].second.append(line);
        } else if (const auto known = keyLine(entry.section, entry.key)) {
            replaced.insert(*known, replacedLine(lineText(*known), entry.value));
        } else {
            added[sectionLastFilled[*found]].append(line);
        }
    }

    Output output(newline);
    const auto addNewSections = [&] {
        bool separate = lastFilled >= 0;
        for (const auto& [name, keyLines] : newSections) {
            if (separate) output.add(QString(), newline);
            output.add(u'[' + name + u']', newline);
            for (const QString& line : keyLines)
                output.add(line, newline);
            separate = true;
        }
    };
    if (lastFilled < 0) addNewSections();
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const auto replacement = replaced.constFind(i);
        output.add(replacement != replaced.constEnd() ? QStringView(*replacement) : lineText(i),
                   lines[i].end);
        if (const auto extra = added.constFind(i); extra != added.constEnd())
            for (const QString& line : *extra)
                output.add(line, newline);
        if (i == lastFilled) addNewSections();
    }
    return output.text;
}

} // namespace vt
