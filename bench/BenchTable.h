#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QTextStream;

// Runs every row of the benchmark in fresh processes of this program, a few
// times each, and prints one table: the editor's figure and its floor (the
// fastest run and the slowest), their ratio, the target and whether it holds.
class BenchTable
{
public:
    struct Settings
    {
        int runs = 3;      // processes per row
        int pacedRuns = 1; // processes per row paced at 115,200 baud
        QStringList only;  // rows to run; empty: all
    };

    BenchTable(const QString& program, const Settings& settings);

    // Measures and prints; false when a row could not be measured.
    bool run(QTextStream& out);

private:
    // The figures of every run of one row, by name.
    using Runs = QMap<QString, QVector<double>>;

    bool measure(const QString& row, int runs, QTextStream& out);
    void printTable(QTextStream& out) const;
    bool wanted(const QString& row) const;

    QString m_Program;
    Settings m_Settings;
    QMap<QString, Runs> m_Rows;
};
