#include "bench/EditorBench.h"

#include "app/BoxForLines.h"
#include "app/MainWindow.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "bench/BareScreens.h"
#include "bench/BenchDialogs.h"
#include "document/XMLWork.h"
#include "link/ControllerCommands.h"
#include "link/LinkFrame.h"
#include "report/SettingsReport.h"
#include "tools/lir-settings-gen/SettingsGenerator.h"

#include <QApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTextDocument>
#include <QTextStream>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <functional>
#include <limits>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int kRepeats = 3;
constexpr quint8 kFormatVersion = 3; // formatVerMaj of every generated document

QByteArray generated(int settings, int groupSize = 0)
{
    SettingsGenerator::Options options;
    options.settings = settings;
    if (groupSize > 0) {
        options.minGroup = groupSize;
        options.maxGroup = groupSize;
    }
    return SettingsGenerator(options).document();
}

double seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The fastest of a few runs: the work's own cost with the least noise.
double fastest(const std::function<void()>& work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < kRepeats; ++i)
        best = qMin(best, seconds(work));
    return best;
}

double bareParse(const QByteArray& text)
{
    return fastest([&text] {
        QDomDocument document;
        QString message;
        int line = 0;
        int column = 0;
        document.setContent(text, false, &message, &line, &column);
    });
}

// Bytes the heap holds for the program: small blocks and mapped ones.
double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

double residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE));
}

double peakResidentBytes()
{
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024.0;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

constexpr int kMemorySettings = 10000;

// The heap that `work` leaves held, with its events handled, per setting of
// a document of kMemorySettings.
double heapPerSetting(const std::function<void()>& work)
{
    const double before = heapInUse();
    work();
    settle();
    return (heapInUse() - before) / kMemorySettings;
}

// A click ends when the group is on the screen: its events are handled.
// Kept a function of its own so that a profile can single it out.
[[gnu::noinline]] double clickOn(ScrollAreaWidget* view, TreeWidgetItemLineInLeftTree* item)
{
    return seconds([view, item] {
        view->slotActivatedBox(item, 0);
        QApplication::processEvents();
    });
}

QList<TreeWidgetItemLineInLeftTree*> itemsWithBoxes(QTreeWidget* tree)
{
    QList<TreeWidgetItemLineInLeftTree*> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        auto* item = dynamic_cast<TreeWidgetItemLineInLeftTree*>(*it);
        if (item && !item->m_Boxes.isEmpty())
            items.append(item);
    }
    return items;
}

// Every byte that crosses the line in the exchanges of one command: the
// version exchange, then the read or the write.
double lineBytes(bool write, const QByteArray& document)
{
    const QByteArray text = document + QByteArray(1, '\0');
    double bytes = LinkFrame::request(cmdGetVersion).size() +
                   LinkFrame::reply(cmdGetVersion, 0, QByteArray(2, '\0')).size();
    if (write) {
        bytes += LinkFrame::request(cmdWriteSettings, text).size() +
                 LinkFrame::reply(cmdWriteSettings, 0, QByteArray()).size();
    } else {
        bytes += LinkFrame::request(cmdReadSettings).size() +
                 LinkFrame::reply(cmdReadSettings, 0, text).size();
    }
    return bytes;
}
} // namespace

EditorBench::EditorBench(const QString& toolsDir, const QString& tempDir)
    : m_ToolsDir(toolsDir), m_TempDir(tempDir), m_MessageStream(new QTextStream(&m_Messages))
{
    m_Dialogs.reset(new BenchDialogs(*m_MessageStream, m_TempDir + QStringLiteral("/report.pdf")));
    m_Window.reset(new MainWindow);
    m_Window->showMaximized();
    settle();
}

EditorBench::~EditorBench() = default;

QStringList EditorBench::rowNames()
{
    return {QStringLiteral("load1000"),     QStringLiteral("load10000"),
            QStringLiteral("load20000"),    QStringLiteral("click500"),
            QStringLiteral("save10000"),    QStringLiteral("html10000"),
            QStringLiteral("pdf10000"),     QStringLiteral("memory10000"),
            QStringLiteral("widgets10000"), QStringLiteral("read"),
            QStringLiteral("write"),        QStringLiteral("read115200"),
            QStringLiteral("write115200"),  QStringLiteral("check20000"),
            QStringLiteral("carry20000")};
}

bool EditorBench::run(const QString& name, Figures& figures, QString& error)
{
    bool done = false;
    if (name.startsWith(QLatin1String("load")))
        done = load(name.mid(4).toInt(), figures);
    else if (name == QLatin1String("click500"))
        done = click(figures);
    else if (name == QLatin1String("save10000"))
        done = save(figures);
    else if (name == QLatin1String("html10000"))
        done = reportHtml(figures);
    else if (name == QLatin1String("pdf10000"))
        done = reportPdf(figures);
    else if (name == QLatin1String("memory10000"))
        done = memory(figures);
    else if (name == QLatin1String("widgets10000"))
        done = bareWidgets(figures);
    else if (name == QLatin1String("check20000"))
        done = check(figures, error);
    else if (name == QLatin1String("carry20000"))
        done = carry(figures, error);
    else if (name.startsWith(QLatin1String("read")) || name.startsWith(QLatin1String("write")))
        done = link(name.startsWith(QLatin1String("write")),
                    name.endsWith(QLatin1String("115200")) ? 115200 : 0, figures, error);
    else
        error = QStringLiteral("no row named ") + name;
    return done && quiet(error);
}

bool EditorBench::load(int settings, Figures& figures)
{
    const QByteArray text = generated(settings);
    // The floor first, so that the load is the first one in the process.
    figures << qMakePair(QStringLiteral("parse"), bareParse(text));
    // The three parsed documents are gone, but their freed blocks would
    // still be merged by the allocator at the load's first large request,
    // work that the load of an editor just started does not do.
    malloc_trim(0);
    figures << qMakePair(QStringLiteral("load"), loadDocument(text));
    return true;
}

bool EditorBench::click(Figures& figures)
{
    loadDocument(generated(2000, 500));
    settle();
    const QList<TreeWidgetItemLineInLeftTree*> items = itemsWithBoxes(m_Window->m_Tree);
    if (items.size() < 2 || items.first()->m_Boxes.first()->m_Lines.size() != 500)
        return false;
    ScrollAreaWidget* view = m_Window->m_ScrollArea;
    figures << qMakePair(QStringLiteral("first"), clickOn(view, items.at(0)));
    double again = std::numeric_limits<double>::max();
    for (int i = 0; i < kRepeats; ++i) {
        clickOn(view, items.at(1));
        again = qMin(again, clickOn(view, items.at(0)));
    }
    figures << qMakePair(QStringLiteral("again"), again);
    return true;
}

bool EditorBench::save(Figures& figures)
{
    loadDocument(generated(10000));
    XMLWork* work = m_Window->m_XmlWork;
    const QString fileName = m_TempDir + QStringLiteral("/saved.xml");
    figures << qMakePair(QStringLiteral("toString"),
                         fastest([work] { work->m_Document->toString(4); }));
    figures << qMakePair(QStringLiteral("save"),
                         fastest([work, &fileName] { work->slotSaveDomDocumentToXML(fileName); }));
    return QFileInfo(fileName).size() > 0;
}

// `lir-settings check` as a user runs it, against the bare parse of the same
// text in this process; the peak resident size of the largest run.
bool EditorBench::check(Figures& figures, QString& error)
{
    const QByteArray text = generated(20000);
    const QString fileName = writeTemporary(QStringLiteral("check.xml"), text);
    return settingsTool({QStringLiteral("check"), fileName}, text, 1, figures, error);
}

// `lir-settings carry` of a document onto itself with every bit flipped, so
// that the bits are carried and the rest is matched and kept; its floor is
// the bare parse of both documents.
bool EditorBench::carry(Figures& figures, QString& error)
{
    const QByteArray text = generated(20000);
    QByteArray flipped = text;
    flipped.replace("type=\"bit\" value=\"1\"", "type=\"bit\" value=\"x\"")
        .replace("type=\"bit\" value=\"0\"", "type=\"bit\" value=\"1\"")
        .replace("type=\"bit\" value=\"x\"", "type=\"bit\" value=\"0\"");
    const QString from = writeTemporary(QStringLiteral("from.xml"), flipped);
    const QString onto = writeTemporary(QStringLiteral("onto.xml"), text);
    const QString out = m_TempDir + QStringLiteral("/carried.xml");
    return settingsTool({QStringLiteral("carry"), from, onto, QStringLiteral("-o"), out}, text, 2,
                        figures, error);
}

// The lir-settings command `arguments` as a user runs it (fastest of three,
// process start included), against `parses` bare parses of `text` in this
// process; the peak resident size of the largest run. The command must
// succeed: a generated document holds nothing to report.
bool EditorBench::settingsTool(const QStringList& arguments, const QByteArray& text, int parses,
                               Figures& figures, QString& error)
{
    bool clean = true;
    figures << qMakePair(arguments.first(), fastest([this, &arguments, &clean] {
                             QProcess tool;
                             tool.start(m_ToolsDir + QStringLiteral("/lir-settings"), arguments);
                             clean = tool.waitForFinished(-1) && tool.exitCode() == 0 && clean;
                         }));
    figures << qMakePair(QStringLiteral("parse"), parses * bareParse(text));
    struct rusage children = {};
    getrusage(RUSAGE_CHILDREN, &children);
    figures << qMakePair(QStringLiteral("peak"), double(children.ru_maxrss) * 1024.0);
    if (!clean)
        error = QStringLiteral("lir-settings ") + arguments.first() +
                QStringLiteral(" found something in a generated document");
    return clean;
}

bool EditorBench::reportHtml(Figures& figures)
{
    loadDocument(generated(10000));
    MainWindow* window = m_Window.get();
    XMLWork* work = window->m_XmlWork;
    figures << qMakePair(QStringLiteral("toString"),
                         fastest([work] { work->m_Document->toString(4); }));
    figures << qMakePair(QStringLiteral("html"), fastest([window] {
                             SettingsReport::html(window->m_Tree, window->m_ModelName, window);
                         }));
    return true;
}

bool EditorBench::reportPdf(Figures& figures)
{
    loadDocument(generated(10000));
    MainWindow* window = m_Window.get();
    const QString html = SettingsReport::html(window->m_Tree, window->m_ModelName, window);
    const QString floorFile = m_TempDir + QStringLiteral("/floor.pdf");
    figures << qMakePair(QStringLiteral("layout"), seconds([&html, &floorFile] {
                             QTextDocument document;
                             document.setHtml(html);
                             QPrinter printer(QPrinter::ScreenResolution);
                             printer.setOutputFileName(floorFile);
                             printer.setOutputFormat(QPrinter::PdfFormat);
                             document.print(&printer);
                         }));
    figures << qMakePair(QStringLiteral("pdf"), seconds([window] { window->slotPrint(); }));
    return QFileInfo(m_TempDir + QStringLiteral("/report.pdf")).size() > 0;
}

bool EditorBench::memory(Figures& figures)
{
    const QByteArray text = generated(kMemorySettings);
    {
        QDomDocument document;
        figures << qMakePair(QStringLiteral("dom"),
                             heapPerSetting([&text, &document] { document.setContent(text); }));
    }
    const double residentBefore = residentBytes();
    figures << qMakePair(QStringLiteral("heap"),
                         heapPerSetting([this, &text] { loadDocument(text); }));
    figures << qMakePair(QStringLiteral("peak"),
                         (peakResidentBytes() - residentBefore) / kMemorySettings);
    return true;
}

bool EditorBench::bareWidgets(Figures& figures)
{
    const QByteArray text = generated(kMemorySettings);
    QDomDocument document;
    figures << qMakePair(QStringLiteral("bare"), heapPerSetting([this, &text, &document] {
                             document.setContent(text);
                             BareScreens::build(document.documentElement(),
                                                m_Window->m_ScrollArea->m_Content);
                         }));
    return true;
}

bool EditorBench::link(bool write, int baud, Figures& figures, QString& error)
{
    SettingsGenerator::Options options;
    options.minBytes = 1 << 20;
    const QByteArray document = SettingsGenerator(options).document();
    const QString stored = writeTemporary(QStringLiteral("controller.xml"), document);
    QStringList arguments;
    if (baud > 0)
        arguments << QStringLiteral("--baud") << QString::number(baud);
    arguments << stored;
    QProcess emulator;
    emulator.start(m_ToolsDir + QStringLiteral("/lir-controller-sim"), arguments);
    if (!emulator.waitForReadyRead(10000)) {
        error = QStringLiteral("lir-controller-sim did not start");
        return false;
    }
    const ControllerPort port =
        ControllerPort::fromDevice(QString::fromLocal8Bit(emulator.readLine().trimmed()));
    // The write must replace this; the controller's version stays that of
    // the document.
    if (write)
        writeTemporary(QStringLiteral("controller.xml"), "<lir1Settings formatVerMaj=\"3\"/>");
    ControllerCommands commands;
    QByteArray received;
    ControllerCommands::Result result = ControllerCommands::Result::LinkFailed;
    const double time = seconds([&] {
        result = write ? commands.writeDocument(port, document, kFormatVersion)
                       : commands.readDocument(port, received);
    });
    emulator.closeWriteChannel();
    emulator.waitForFinished(5000);
    QFile copy(stored);
    const bool sameText =
        write ? copy.open(QIODevice::ReadOnly) && copy.readAll() == document : received == document;
    if (result != ControllerCommands::Result::Done || !sameText) {
        error = QStringLiteral("the document did not cross the line whole");
        return false;
    }
    const double bytes = lineBytes(write, document);
    figures << qMakePair(QStringLiteral("bytes"), bytes);
    figures << qMakePair(QStringLiteral("line"), baud > 0 ? bytes * 10 / baud : 0.0);
    figures << qMakePair(QStringLiteral("time"), time);
    return true;
}

double EditorBench::loadDocument(const QByteArray& text)
{
    const QString fileName = writeTemporary(QStringLiteral("document.xml"), text);
    XMLWork* work = m_Window->m_XmlWork;
    return seconds([work, &fileName] { work->slotRenderXMLAndCreatGUI(fileName); });
}

QString EditorBench::writeTemporary(const QString& name, const QByteArray& text)
{
    const QString fileName = m_TempDir + QLatin1Char('/') + name;
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
    return fileName;
}

bool EditorBench::quiet(QString& error) const
{
    m_MessageStream->flush();
    if (m_Messages.isEmpty())
        return true;
    error = QStringLiteral("the editor said: ") + m_Messages.left(300);
    return false;
}
