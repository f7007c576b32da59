#include "lines/LineInBox.h"

#include "conditions/HideConds.h"

#include <QDomElement>
#include <QFrame>
#include <QLabel>
#include <QWidget>

LineInBox::LineInBox(const QDomElement& element, QObject* parent)
    : QObject(parent), m_Element(new QDomElement(element))
{
    m_Editor = new QWidget;
    QString caption = element.attribute(QStringLiteral("name"));
    const QString measure = element.attribute(QStringLiteral("measure"));
    if (!measure.isEmpty())
        caption += QStringLiteral(", ") + measure;
    m_LabelName = new QLabel(caption);
    buildEditors();
    createHint();
    if (g_HideConds)
        g_HideConds->readHideConds(this);
}

LineInBox::~LineInBox()
{
    delete m_Element;
}

void LineInBox::setLineVisible(bool visible)
{
    m_Visible = visible;
    m_LabelName->setVisible(visible);
    m_Hint->setVisible(visible);
    m_Editor->setVisible(visible);
    if (m_Separator)
        m_Separator->setVisible(visible);
}

void LineInBox::buildEditors() {}

void LineInBox::createHint()
{
    m_Hint = new QLabel;
}

void LineInBox::slotLoadFromDom() {}

void LineInBox::slotWriteDataToDom(int state)
{
    Q_UNUSED(state);
}

void LineInBox::slotWriteDataToDom(const QString& text)
{
    Q_UNUSED(text);
}

void LineInBox::slotWriteDataToDom(bool checked)
{
    Q_UNUSED(checked);
}

void LineInBox::slotEndFocsNumber() {}
