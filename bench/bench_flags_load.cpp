// Load times of documents with one flags setting of many items, through the
// editor's own load (screens, values, conditions), and of their report.
// Usage: bench_flags_load [ITEMS...] (default 5000 20000 100000)
#include "app/MainWindow.h"
#include "dialogs/PrintingDialogs.h"
#include "document/XMLWork.h"
#include "report/SettingsReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

namespace {
QByteArray flagsDocument(int items)
{
    QByteArray value;
    QByteArray list;
    for (int i = 0; i < items; ++i) {
        value += i ? " k" : "k";
        value += QByteArray::number(i);
        value += i % 2 ? ":1" : ":0";
        list += "<item name=\"I\" key=\"k";
        list += QByteArray::number(i);
        list += "\"/>";
    }
    return "<lir1Settings formatVerMaj=\"1\"><container name=\"F\"><signal name=\"f\" "
           "type=\"flags\" value=\"" +
           value + "\"><namedValues>" + list + "</namedValues></signal></container></lir1Settings>";
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream out(stdout);
    PrintingDialogs dialogs(out);
    QList<int> sizes;
    for (const QString& argument : application.arguments().mid(1))
        sizes << argument.toInt();
    if (sizes.isEmpty())
        sizes = {5000, 20000, 100000};
    for (const int items : qAsConst(sizes)) {
        MainWindow window;
        const QByteArray text = flagsDocument(items);
        QElapsedTimer clock;
        clock.start();
        window.m_XmlWork->loadBytes(text);
        const qint64 load = clock.restart();
        SettingsReport::html(window.m_Tree, window.m_ModelName, &window);
        const qint64 report = clock.elapsed();
        out << items << " flags items: load " << load << " ms, report " << report << " ms\n";
        out.flush();
    }
    return 0;
}
