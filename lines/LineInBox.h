#pragma once

#include "document/TypeLine.h"

#include <QObject>
#include <QVector>

class QDomElement;
class QFrame;
class QLabel;
class QWidget;

// One setting line: caption, editors and hint for one `signal` element,
// bound to that element of the document.
class LineInBox : public QObject
{
    Q_OBJECT
public:
    explicit LineInBox(const QDomElement& element, QObject* parent = nullptr);
    ~LineInBox() override;

    // Shows or hides the caption, editors, hint and separator of the line.
    void setLineVisible(bool visible);
    void createHint();

    quint8 m_HideCount = 0;
    bool m_Visible = true;
    QDomElement* m_Element;
    QLabel* m_LabelName;
    QWidget* m_Editor;
    QLabel* m_Hint = nullptr;
    QFrame* m_Separator = nullptr;
    QVector<QWidget*> m_Widgets;
    TypeLine m_TypeLine = xmlnotset;

public slots:
    void slotLoadFromDom();
    void slotWriteDataToDom(int state);
    void slotWriteDataToDom(const QString& text);
    void slotWriteDataToDom(bool checked);
    void slotEndFocsNumber();

private:
    void buildEditors();
};
