#include "bench/BenchTable.h"

#include "bench/EditorBench.h"

#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
struct Span
{
    double low = 0;
    double high = 0;
    bool known = false;
};

Span spanOf(const QVector<double>& values)
{
    if (values.isEmpty())
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high, true};
}

QString timeText(double secondsValue)
{
    if (secondsValue >= 1.0)
        return QString::number(secondsValue, 'f', 2) + QStringLiteral(" s");
    return QString::number(secondsValue * 1000.0, 'f', 1) + QStringLiteral(" ms");
}

QString kibText(double bytes)
{
    return QString::number(bytes / 1024.0, 'f', 1) + QStringLiteral(" KiB");
}

QString mbText(double bytes)
{
    return QString::number(bytes / 1e6, 'f', 1) + QStringLiteral(" MB");
}

QString ratioText(double ratio)
{
    return QString::number(ratio, 'f', 2) + QStringLiteral(" ×");
}

// "low–high", or one figure when the runs agree to the shown digits.
QString spanText(const Span& span, const std::function<QString(double)>& format)
{
    if (!span.known)
        return QStringLiteral("—");
    const QString low = format(span.low);
    const QString high = format(span.high);
    return low == high ? low : low + QStringLiteral(" – ") + high;
}

bool isPaced(const QString& row)
{
    return row.endsWith(QLatin1String("115200"));
}
} // namespace

BenchTable::BenchTable(const QString& program, const Settings& settings)
    : m_Program(program), m_Settings(settings)
{
}

bool BenchTable::run(QTextStream& out)
{
    bool measured = true;
    for (const QString& row : EditorBench::rowNames()) {
        const int runs = isPaced(row) ? m_Settings.pacedRuns : m_Settings.runs;
        if (wanted(row) && runs > 0)
            measured = measure(row, runs, out) && measured;
    }
    printTable(out);
    return measured;
}

bool BenchTable::wanted(const QString& row) const
{
    return m_Settings.only.isEmpty() || m_Settings.only.contains(row);
}

bool BenchTable::measure(const QString& row, int runs, QTextStream& out)
{
    Runs& figures = m_Rows[row];
    for (int run = 1; run <= runs; ++run) {
        fprintf(stderr, "bench: %s, run %d of %d\n", qPrintable(row), run, runs);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(m_Program, {QStringLiteral("--measure"), row});
        child.waitForFinished(-1);
        const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3 && words.at(0) == "figure")
                figures[QString::fromLatin1(words.at(1))].append(words.at(2).toDouble());
            else if (words.value(0) == "error")
                out << "bench: " << row << ": " << QString::fromUtf8(line.mid(6)) << '\n';
        }
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            out << "bench: " << row << " could not be measured\n";
            m_Rows.remove(row);
            return false;
        }
    }
    return true;
}

void BenchTable::printTable(QTextStream& out) const
{
    const auto figure = [this](const QString& row, const QString& name) {
        return m_Rows.value(row).value(name);
    };
    // Per run: the figures of one process divided, so both come from the
    // same conditions.
    const auto perRun = [&figure](const QString& row, const QString& top, const QString& bottom) {
        const QVector<double> a = figure(row, top);
        const QVector<double> b = figure(row, bottom);
        QVector<double> ratios;
        for (int i = 0; i < a.size() && i < b.size(); ++i)
            ratios.append(b.at(i) > 0 ? a.at(i) / b.at(i) : 0);
        return ratios;
    };
    // Across rows: the fastest runs divided.
    const auto acrossRows = [&figure](const QString& top, const QString& bottom,
                                      const QString& name) {
        const Span a = spanOf(figure(top, name));
        const Span b = spanOf(figure(bottom, name));
        return (a.known && b.known && b.low > 0) ? QVector<double>{a.low / b.low}
                                                 : QVector<double>{};
    };
    const auto verdict = [](const Span& span, double limit) {
        if (!span.known)
            return QStringLiteral("—");
        if (span.high <= limit)
            return QStringLiteral("yes");
        return span.low <= limit ? QStringLiteral("fastest run") : QStringLiteral("**no**");
    };

    out << "| work | editor | floor | ratio | target | met |\n"
        << "|---|---|---|---|---|---|\n";
    const auto line = [&out](const QString& work, const QString& editor, const QString& floor,
                             const QString& ratio, const QString& target, const QString& met) {
        out << "| " << work << " | " << editor << " | " << floor << " | " << ratio << " | "
            << target << " | " << met << " |\n";
    };

    for (const int settings : {1000, 10000, 20000}) {
        const QString row = QStringLiteral("load%1").arg(settings);
        if (!m_Rows.contains(row))
            continue;
        const Span load = spanOf(figure(row, QStringLiteral("load")));
        const Span ratio = spanOf(perRun(row, QStringLiteral("load"), QStringLiteral("parse")));
        QString target = QStringLiteral("≤ 6 × parse");
        QString met = verdict(ratio, 6.0);
        if (settings == 10000) {
            target = QStringLiteral("≤ 0.5 s, ≤ 6 × parse");
            const QString time = verdict(load, 0.5);
            met = time == met ? met : time + QStringLiteral(" / ") + met;
        }
        line(QStringLiteral("load of %L1 settings (first in the process)").arg(settings),
             spanText(load, timeText),
             spanText(spanOf(figure(row, QStringLiteral("parse"))), timeText) +
                 QStringLiteral(" bare parse"),
             spanText(ratio, ratioText), target, met);
    }
    const QVector<std::pair<QString, double>> growths = {{QStringLiteral("load1000"), 21.0},
                                                         {QStringLiteral("load10000"), 2.1}};
    for (const auto& [from, limit] : growths) {
        if (!m_Rows.contains(from) || !m_Rows.contains(QStringLiteral("load20000")))
            continue;
        const Span load =
            spanOf(acrossRows(QStringLiteral("load20000"), from, QStringLiteral("load")));
        const Span parse =
            spanOf(acrossRows(QStringLiteral("load20000"), from, QStringLiteral("parse")));
        line(QStringLiteral("growth of the load, %L1 → 20,000 settings").arg(from.mid(4).toInt()),
             spanText(load, ratioText), spanText(parse, ratioText) + QStringLiteral(" bare parse"),
             QStringLiteral("—"), QStringLiteral("≤ %1 ×").arg(limit), verdict(load, limit));
    }
    if (m_Rows.contains(QStringLiteral("click500"))) {
        const QString row = QStringLiteral("click500");
        const Span first = spanOf(figure(row, QStringLiteral("first")));
        line(QStringLiteral("first click on a group of 500 settings"), spanText(first, timeText),
             spanText(spanOf(figure(row, QStringLiteral("again"))), timeText) +
                 QStringLiteral(" click again"),
             spanText(spanOf(perRun(row, QStringLiteral("first"), QStringLiteral("again"))),
                      ratioText),
             QStringLiteral("≤ 30 ms"), verdict(first, 0.030));
    }
    struct Versus
    {
        QString row, work, top, bottom, floorLabel, target;
        double ratioLimit, timeLimit;
    };
    const QVector<Versus> versus = {
        {QStringLiteral("save10000"), QStringLiteral("save of 10,000 settings"),
         QStringLiteral("save"), QStringLiteral("toString"), QStringLiteral(" toString(4)"),
         QStringLiteral("≤ 1.5 × toString(4)"), 1.5, 0},
        {QStringLiteral("html10000"), QStringLiteral("report of 10,000 settings into HTML"),
         QStringLiteral("html"), QStringLiteral("toString"), QStringLiteral(" toString(4)"),
         QStringLiteral("—"), 0, 0},
        {QStringLiteral("pdf10000"), QStringLiteral("report of 10,000 settings into PDF"),
         QStringLiteral("pdf"), QStringLiteral("layout"),
         QStringLiteral(" the same HTML laid out and printed"), QStringLiteral("≤ 2.5 s"), 0, 2.5},
        {QStringLiteral("check20000"), QStringLiteral("lir-settings check of 20,000 settings"),
         QStringLiteral("check"), QStringLiteral("parse"), QStringLiteral(" the bare parse"),
         QStringLiteral("≤ 3 × the bare parse"), 3, 0},
        {QStringLiteral("carry20000"),
         QStringLiteral("lir-settings carry of 20,000 settings onto 20,000"),
         QStringLiteral("carry"), QStringLiteral("parse"),
         QStringLiteral(" the bare parse of both documents"), QStringLiteral("—"), 0, 0},
    };
    for (const Versus& each : versus) {
        if (!m_Rows.contains(each.row))
            continue;
        const Span time = spanOf(figure(each.row, each.top));
        const Span ratio = spanOf(perRun(each.row, each.top, each.bottom));
        QString met = QStringLiteral("—");
        if (each.ratioLimit > 0)
            met = verdict(ratio, each.ratioLimit);
        if (each.timeLimit > 0)
            met = verdict(time, each.timeLimit);
        line(each.work, spanText(time, timeText),
             spanText(spanOf(figure(each.row, each.bottom)), timeText) + each.floorLabel,
             spanText(ratio, ratioText), each.target, met);
    }
    for (const QString& row : {QStringLiteral("read"), QStringLiteral("write"),
                               QStringLiteral("read115200"), QStringLiteral("write115200")}) {
        if (!m_Rows.contains(row))
            continue;
        const bool paced = isPaced(row);
        const double bytes = spanOf(figure(row, QStringLiteral("bytes"))).low;
        const QString work =
            QStringLiteral("%1 a document of %L2 bytes through lir-controller-sim%3")
                .arg(row.startsWith(QLatin1String("read")) ? "read" : "write")
                .arg(qint64(bytes))
                .arg(paced ? QStringLiteral(" at 115,200 baud") : QStringLiteral(", unpaced"));
        line(work, spanText(spanOf(figure(row, QStringLiteral("time"))), timeText),
             paced ? spanText(spanOf(figure(row, QStringLiteral("line"))), timeText) +
                         QStringLiteral(" the line's own limit")
                   : QStringLiteral("—"),
             paced ? spanText(spanOf(perRun(row, QStringLiteral("time"), QStringLiteral("line"))),
                              ratioText)
                   : QStringLiteral("—"),
             QStringLiteral("—"), QStringLiteral("—"));
    }
    if (m_Rows.contains(QStringLiteral("check20000"))) {
        const Span peak = spanOf(figure(QStringLiteral("check20000"), QStringLiteral("peak")));
        line(QStringLiteral("peak resident size of lir-settings check, 20,000 settings"),
             spanText(peak, mbText), QStringLiteral("—"), QStringLiteral("—"),
             QStringLiteral("≤ 150 MB"), verdict(peak, 150e6));
    }
    if (m_Rows.contains(QStringLiteral("memory10000"))) {
        const QString row = QStringLiteral("memory10000");
        const Span heap = spanOf(figure(row, QStringLiteral("heap")));
        line(
            QStringLiteral("heap held per setting after loading 10,000"), spanText(heap, kibText),
            spanText(spanOf(figure(row, QStringLiteral("dom"))), kibText) +
                QStringLiteral(" the DOM alone"),
            spanText(spanOf(perRun(row, QStringLiteral("heap"), QStringLiteral("dom"))), ratioText),
            QStringLiteral("≤ 10 KiB"), verdict(heap, 10 * 1024));
        if (m_Rows.contains(QStringLiteral("widgets10000"))) {
            const Span bare =
                spanOf(figure(QStringLiteral("widgets10000"), QStringLiteral("bare")));
            line(QStringLiteral("heap per setting of the DOM and Qt's widgets for the screens "
                                "alone, 10,000"),
                 spanText(bare, kibText), QStringLiteral("—"), QStringLiteral("—"),
                 QStringLiteral("≤ 10 KiB"), verdict(bare, 10 * 1024));
        }
        line(QStringLiteral("peak resident growth per setting, loading 10,000"),
             spanText(spanOf(figure(row, QStringLiteral("peak"))), kibText), QStringLiteral("—"),
             QStringLiteral("—"), QStringLiteral("—"), QStringLiteral("—"));
    }
}
