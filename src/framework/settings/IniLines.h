#pragma once

#include <QHash>
#include <QLatin1String>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace vt {

// The lines of a settings file and where its sections and keys are, so that new values can be put
// in place while every other line stays as it was. For a duplicated section or key the first one
// counts; later ones are kept as plain text.
class IniLines {
public:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };

    explicit IniLines(const QString& fileText = QString());

    // The text after the "=" of the key, as it stands in the file.
    std::optional<QStringView> rawValue(const QString& section, const QString& key) const;
    // The whole text with the entries written: a known key is replaced in its line, keeping its
    // spelling; a new key goes after the last non-blank line of its section; a new section goes after
    // the last non-blank line of the file, a blank line before it.
    QString withEntries(const std::vector<Entry>& entries) const;

private:
    // Spans of `text`, so that a big file costs no allocation per line.
    struct Line {
        qsizetype start;
        qsizetype size;
        QLatin1String end;
    };

    QStringView lineText(qsizetype line) const {
        return QStringView(text).sliced(lines[line].start, lines[line].size);
    }
    std::optional<qsizetype> keyLine(const QString& section, const QString& key) const;
    void index(qsizetype line, qsizetype& current);

    QString text;
    std::vector<Line> lines;
    QHash<QString, qsizetype> sectionByName;                   // folded name -> section number
    std::vector<qsizetype> sectionLastFilled;                  // section number -> its last non-blank line
    QHash<std::pair<qsizetype, QString>, qsizetype> keyByName; // section number, folded key -> line
    qsizetype lastFilled = -1;
    QLatin1String newline{"\n"};
};

} // namespace vt
