#include "document/DifferenceReport.h"

using Difference = SettingsComparison::Difference;

QString DifferenceReport::mark(const Difference& difference)
{
    switch (difference.kind) {
    case Difference::OnlyInA:
        return QStringLiteral("-");
    case Difference::OnlyInB:
        return QStringLiteral("+");
    default:
        return QString();
    }
}

QString DifferenceReport::hiddenNote(const Difference& difference)
{
    switch (difference.hidden) {
    case Difference::Hidden:
        return QStringLiteral("hidden");
    case Difference::HiddenInA:
        return QStringLiteral("hidden in A");
    case Difference::HiddenInB:
        return QStringLiteral("hidden in B");
    case Difference::Shown:
        break;
    }
    return QString();
}

QString DifferenceReport::line(const Difference& difference)
{
    const QString arrow = QStringLiteral(" -> ");
    const QString setting =
        difference.path + (difference.container ? QStringLiteral(" (container)")
                                                : QStringLiteral(" / ") + difference.label);
    QString text;
    switch (difference.kind) {
    case Difference::Document:
        text = difference.field + QStringLiteral(": ") + difference.a + arrow + difference.b;
        break;
    case Difference::Value:
        text = setting + QStringLiteral(": ") + difference.a + arrow + difference.b;
        break;
    case Difference::Declaration:
        text = setting + QStringLiteral(": declared ") + difference.field + QStringLiteral(": ") +
               difference.a + arrow + difference.b;
        break;
    case Difference::OnlyInA:
    case Difference::OnlyInB: {
        const QString& value = difference.kind == Difference::OnlyInA ? difference.a : difference.b;
        text = mark(difference) + QLatin1Char(' ') +
               (difference.container ? setting : QString(setting + QStringLiteral(": ") + value));
        break;
    }
    }
    const QString note = hiddenNote(difference);
    return note.isEmpty() ? text : text + QStringLiteral(" (") + note + QLatin1Char(')');
}

QString DifferenceReport::text(const QVector<Difference>& differences)
{
    QString text;
    for (const Difference& difference : differences)
        // Appended as a whole string, whose append grows the capacity
        // geometrically: a string builder appended in place reserves the
        // exact size and copies the text again for every line.
        text += QString(line(difference) + QLatin1Char('\n'));
    return text;
}

QString DifferenceReport::html(const QVector<Difference>& differences, const QString& nameA,
                               const QString& nameB)
{
    const auto cell = [](const QString& text) -> QString {
        return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
    };
    QString page = QStringLiteral("<!DOCTYPE HTML><html><head><meta charset=\"utf-8\">"
                                  "<title>lir-settings diff</title></head><body>"
                                  "<table border=\"1\" cellpadding=\"2\"><tr><th></th>"
                                  "<th>Container</th><th>Setting</th><th>Field</th>") +
                   QStringLiteral("<th>A: ") + nameA.toHtmlEscaped() + QStringLiteral("</th>") +
                   QStringLiteral("<th>B: ") + nameB.toHtmlEscaped() + QStringLiteral("</th>") +
                   QStringLiteral("<th>Note</th></tr>\n");
    for (const Difference& difference : differences) {
        QString field = difference.field;
        if (difference.kind == Difference::Value)
            field = QStringLiteral("value");
        else if (difference.kind == Difference::Declaration)
            field = QStringLiteral("declared ") + difference.field;
        page +=
            QString(QStringLiteral("<tr>") + cell(mark(difference)) + cell(difference.path) +
                    cell(difference.container ? QStringLiteral("(container)") : difference.label) +
                    cell(field) + cell(difference.a) + cell(difference.b) +
                    cell(hiddenNote(difference)) + QStringLiteral("</tr>\n"));
    }
    return page + QStringLiteral("</table></body></html>\n");
}
