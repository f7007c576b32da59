#pragma once

#include <QString>
#include <QVector>

#include <utility>

// What carrying values from one settings document into another did: a count
// of each outcome and one line for each setting worth a look. The text reads
//   carried 3, kept 120, refused 1, dropped 1
//   refused PATH / LABEL: REASON
//   dropped PATH / LABEL: VALUE
// with the settings named as diff names them.
class CarryReport
{
public:
    struct Line
    {
        QString outcome; // "refused", "dropped", "conflict", ...
        QString path;
        QString label;
        QString detail;
        // A finding: a value that did not find its place. The other lines
        // only inform.
        bool finding = true;
    };

    // Counts the outcome `outcome` once more; the outcomes are listed in the
    // order they were first counted or declared.
    void count(const QString& outcome);
    void declare(const QStringList& outcomes);
    void add(const Line& line) { m_Lines.append(line); }

    int countOf(const QString& outcome) const;
    const QVector<Line>& lines() const { return m_Lines; }
    // Whether no line is a finding.
    bool clean() const;

    // The summary line and every line, each ended by a line break.
    QString text() const;
    // The same as a whole HTML page headed by `title`; every text escaped.
    QString html(const QString& title) const;

private:
    QString summary() const;
    static QString lineText(const Line& line);

    QVector<std::pair<QString, int>> m_Counts;
    QVector<Line> m_Lines;
};
