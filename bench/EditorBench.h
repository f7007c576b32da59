#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

class MainWindow;
class QTextStream;
class BenchDialogs;

// Measures one row of the benchmark table in this process, on a generated
// document: the editor's own operation and its floor, the least the toolkit
// needs for the same work, side by side. The main window is shown (on the
// offscreen platform unless another is chosen) as a user would see it.
// Needs a QApplication.
class EditorBench
{
public:
    // Named figures of one measurement: seconds, bytes or counts.
    using Figures = QList<QPair<QString, double>>;

    // `toolsDir` holds lir-controller-sim; files go into `tempDir`.
    EditorBench(const QString& toolsDir, const QString& tempDir);
    ~EditorBench();

    // The rows this class knows, in table order.
    static QStringList rowNames();
    // Runs the row `name`; false with `error` set when it could not be
    // measured (a message shown, a file not written, an unknown name).
    bool run(const QString& name, Figures& figures, QString& error);

private:
    bool load(int settings, Figures& figures);
    bool click(Figures& figures);
    bool save(Figures& figures);
    bool check(Figures& figures, QString& error);
    bool carry(Figures& figures, QString& error);
    bool settingsTool(const QStringList& arguments, const QByteArray& text, int parses,
                      Figures& figures, QString& error);
    bool reportHtml(Figures& figures);
    bool reportPdf(Figures& figures);
    bool link(bool write, int baud, Figures& figures, QString& error);
    bool memory(Figures& figures);
    // The heap that the DOM and Qt's widgets for the screens take alone.
    bool bareWidgets(Figures& figures);

    // Loads a generated document through the editor's file slot; seconds.
    double loadDocument(const QByteArray& text);
    QString writeTemporary(const QString& name, const QByteArray& text);
    bool quiet(QString& error) const;

    QString m_ToolsDir;
    QString m_TempDir;
    QString m_Messages;
    std::unique_ptr<QTextStream> m_MessageStream;
    std::unique_ptr<BenchDialogs> m_Dialogs;
    std::unique_ptr<MainWindow> m_Window;
};
