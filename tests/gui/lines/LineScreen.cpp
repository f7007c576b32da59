#include "LineScreen.h"

#include "app/BoxForLines.h"
#include "document/SymbolTable.h"
#include "lines/LineInBox.h"

#include <QTreeWidget>

LineScreen::LineScreen(const QString& settings, const char* file, int line) : dialogs(file, line)
{
    const QString text =
        QStringLiteral("<lir1Settings formatVerMaj=\"1\">\n"
                       "<symbols symbols_latin=\"1\" symbols_any=\"2\" symbols_phone=\"3\" "
                       "symbols_ident=\"4\" symbols_ascii=\"5\" symbols_six=\"6\" "
                       "symbols_zero=\"0\"/>\n"
                       "<container name=\"Группа\">\n") +
        settings + QStringLiteral("\n</container></lir1Settings>\n");
    QString error;
    int errorLine = 0;
    if (!document.setContent(text, &error, &errorLine))
        qFatal("test document does not parse: %s at line %d", qPrintable(error), errorLine);
    g_SymbolTable->loadSymbols(document.documentElement());

    item = new TreeWidgetItemLineInLeftTree;
    item->setText(0, QStringLiteral("Группа"));
    window.m_Tree->addTopLevelItem(item);
    const QDomElement container = document.documentElement().firstChildElement("container");
    for (QDomElement signal = container.firstChildElement(QStringLiteral("signal"));
         !signal.isNull(); signal = signal.nextSiblingElement(QStringLiteral("signal"))) {
        auto* line = new LineInBox(signal);
        item->addLine(line);
        m_Lines.append(line);
    }
}

QString LineScreen::value(int index) const
{
    return m_Lines.at(index)->m_Element->attribute(QStringLiteral("value"));
}

void LineScreen::loadAll()
{
    for (BoxForLines* box : qAsConst(item->m_Boxes))
        box->loadLinesFromDom();
}
