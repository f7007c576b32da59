// Loads generated documents with many visibility conditions and prints how
// long each load takes. Wiring is indexed by source key, so the time should
// grow about linearly with the number of lines and conditions.
//
//   build/bench/bench_condition_wiring [LINES...]     (default: 250 500 1000 2000)

#include "app/MainWindow.h"
#include "dialogs/PrintingDialogs.h"
#include "document/XMLWork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {
// One container per 25 lines; every line but the sources carries two
// conditions on the bit sources of its container. `conditions` counts them.
QByteArray generatedDocument(int lines, int& conditions)
{
    conditions = 0;
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lir1Settings formatVerMaj=\"1\">\n";
    for (int first = 0; first < lines; first += 25) {
        xml += "<container name=\"C" + QByteArray::number(first) + "\">\n";
        for (int i = first; i < first + 25 && i < lines; ++i) {
            if (i % 25 < 2) {
                xml += "<signal name=\"S" + QByteArray::number(i) + "\" key=\"k" +
                       QByteArray::number(i) + "\" type=\"bit\" value=\"1\"/>\n";
                continue;
            }
            const QByteArray source = "k" + QByteArray::number(first);
            xml += "<signal name=\"L" + QByteArray::number(i) +
                   "\" type=\"number\" min=\"0\" max=\"100\" e=\"0\" value=\"5\"><hideConds>"
                   "<c s=\"" +
                   source + "\" o=\"NB\" v=\"0\"/><c s=\"k" + QByteArray::number(first + 1) +
                   "\" o=\"NB\" v=\"0\"/></hideConds></signal>\n";
            conditions += 2;
        }
        xml += "</container>\n";
    }
    return xml + "</lir1Settings>\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Messages are collected, never shown, so a run never waits for a person.
    QString messages;
    QTextStream messageStream(&messages);
    PrintingDialogs dialogs(messageStream);
    QList<int> sizes;
    for (const QString& argument : application.arguments().mid(1))
        sizes << argument.toInt();
    if (sizes.isEmpty())
        sizes = {250, 500, 1000, 2000};

    MainWindow window;
    QTextStream out(stdout);
    out << "lines\tconditions\tload ms\n";
    for (int lines : sizes) {
        int conditions = 0;
        const QByteArray document = generatedDocument(lines, conditions);
        QElapsedTimer timer;
        timer.start();
        window.m_XmlWork->slotRenderXMLAndCreatGUI(document);
        out << lines << '\t' << conditions << '\t' << timer.elapsed() << '\n';
        out.flush();
    }
    return 0;
}
