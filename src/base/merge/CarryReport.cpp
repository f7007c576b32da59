#include "merge/CarryReport.h"

#include <QStringList>

#include <algorithm>

void CarryReport::declare(const QStringList& outcomes)
{
    for (const QString& outcome : outcomes) {
        if (std::none_of(m_Counts.cbegin(), m_Counts.cend(),
                         [&](const auto& counted) { return counted.first == outcome; }))
            m_Counts.append({outcome, 0});
    }
}

void CarryReport::count(const QString& outcome)
{
    declare({outcome});
    for (auto& counted : m_Counts) {
        if (counted.first == outcome)
            ++counted.second;
    }
}

int CarryReport::countOf(const QString& outcome) const
{
    for (const auto& counted : m_Counts) {
        if (counted.first == outcome)
            return counted.second;
    }
    return 0;
}

bool CarryReport::clean() const
{
    return std::none_of(m_Lines.cbegin(), m_Lines.cend(),
                        [](const Line& line) { return line.finding; });
}

QString CarryReport::summary() const
{
    QStringList counts;
    for (const auto& counted : m_Counts)
        counts.append(counted.first + QLatin1Char(' ') + QString::number(counted.second));
    return counts.join(QStringLiteral(", "));
}

QString CarryReport::lineText(const Line& line)
{
    return line.outcome + QLatin1Char(' ') + line.path + QStringLiteral(" / ") + line.label +
           QStringLiteral(": ") + line.detail;
}

QString CarryReport::text() const
{
    QString text = summary() + QLatin1Char('\n');
    for (const Line& line : m_Lines)
        // Appended as a whole string, whose append grows the capacity
        // geometrically: a string builder appended in place reserves the
        // exact size and copies the text again for every line.
        text += QString(lineText(line) + QLatin1Char('\n'));
    return text;
}

QString CarryReport::html(const QString& title) const
{
    const auto cell = [](const QString& text) {
        return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
    };
    QString page = QStringLiteral("<!DOCTYPE HTML><html><head><meta charset=\"utf-8\"><title>") +
                   title.toHtmlEscaped() + QStringLiteral("</title></head><body><p>") +
                   summary().toHtmlEscaped() +
                   QStringLiteral("</p>\n<table border=\"1\" cellpadding=\"2\"><tr><th>Outcome</th>"
                                  "<th>Container</th><th>Setting</th><th>Detail</th></tr>\n");
    for (const Line& line : m_Lines)
        page += QString(QStringLiteral("<tr>") + cell(line.outcome) + cell(line.path) +
                        cell(line.label) + cell(line.detail) + QStringLiteral("</tr>\n"));
    return page + QStringLiteral("</table></body></html>\n");
}
