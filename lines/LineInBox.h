#pragma once

#include "document/TypeLine.h"
#include "lines/MinMaxValidator.h"

#include <QObject>
#include <QVector>

class QDomElement;
class QFrame;
class QLabel;
class QLineEdit;
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
    // The hint: limits, or maximal length and admitted characters.
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
    void buildItemEditors(TypeLine kind);
    QWidget* newFlagsCheckBox(const QDomElement& item);
    QWidget* newEnumRadioButton(const QDomElement& item);
    void buildNumberEditor();
    void buildBitEditor();
    void buildStringEditor();
    void buildAddressEditor(TypeLine kind);

    void loadFlags(const QString& value);
    void setLineEditText(const QString& text);
    void setCheckBoxSet(int index, bool set);
    void chooseRadioButton(const QString& key);
    // `result` is that of the end-of-edit check; `text` the entry it left.
    void finishNumberEntry(QLineEdit* edit, const QString& text,
                           MinMaxValidator::FinalResult result);

    void writeValue(const QString& value);
    // A parentless about box whose text ends with the element's line number.
    void reportElementFault(const QString& title, const QString& textHead);
    void reportMissingKey();

    // While loadFlags sets the boxes, their writes are collected by it.
    bool m_SettingFlags = false;
};
