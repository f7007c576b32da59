#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

// One run of a built command-line tool, as a user would start it: without a
// display and without a chosen Qt platform.
struct ToolRun
{
    int exitCode = -1; // -1 when the tool did not finish normally
    QByteArray out;
    QString err;

    QString outText() const { return QString::fromUtf8(out); }

    // Runs `tool` (a program of the build's tools folder) with `args`.
    static ToolRun run(const QString& tool, const QStringList& args);
    // The same with `input` on its standard input, which is then closed.
    static ToolRun run(const QString& tool, const QStringList& args, const QByteArray& input);
    // Sets `process` up as run() does, for a tool the test talks to while it
    // runs; the caller starts it.
    static void prepare(QProcess& process, const QString& tool, const QStringList& args);

private:
    static ToolRun finish(QProcess& process);
};
