#pragma once

#include "document/SettingsModel.h"
#include "document/TypeLine.h"
#include "lines/MinMaxValidator.h"

#include <QObject>
#include <QVector>

class QDomElement;
class QEvent;
class SymbolTable;
class QFrame;
class QLabel;
class QLineEdit;
class QVBoxLayout;
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
    // When `editor` is the line's number or address editor and the user has
    // changed it since its last end-of-edit check, runs that check now.
    void finishEditInProgress(QWidget* editor);

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

protected:
    // Runs the end-of-edit check of an address editor when it loses the
    // focus or takes Return: its editingFinished() waits for an Acceptable,
    // that is complete, address and so never comes for the incomplete one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEditors();
    void buildItemEditors(TypeLine kind);
    QWidget* newFlagsCheckBox(const SettingsModel::Item& item);
    QWidget* newEnumRadioButton(const SettingsModel::Item& item);
    void buildNumberEditor();
    void buildBitEditor();
    void buildStringEditor();
    void buildAddressEditor(TypeLine kind);
    // The editor area's vertical layout, holding `editor` or the editors
    // already in `layout`.
    void giveEditorLayout(QWidget* editor);
    void giveEditorLayout(QVBoxLayout* layout);

    void loadFlags(const QString& value);
    // Marks the line red and lists its field when the document's value is
    // one the line must refuse or cannot show as it stands; clears both once
    // it is not. Says nothing: a loaded value is no entry of the user's.
    void markValue();
    void setMarked(bool marked);
    void setLineEditText(const QString& text);
    void setCheckBoxSet(int index, bool set);
    void chooseRadioButton(const QString& key);
    // The end-of-edit check: colours the editor and keeps the register of
    // fields to correct; one check at a time.
    void finishEntry(QLineEdit* edit);
    // Whether the entry passes; a number short of decimals is completed, in
    // the editor and in the document.
    bool numberEntryValid(QLineEdit* edit, const MinMaxValidator& validator);
    // Colours the editor red or white and registers or clears the field; a
    // refused entry is announced.
    void markEntry(QLineEdit* edit, const QString& groupText, bool valid);
    // The text of the line's container in the navigation tree; false, after
    // a "Ошибка кода" warning, when the line is in no box of the tree.
    bool findGroupText(QString& groupText);

    void writeValue(const QString& value);
    // The group text without the "Ошибка кода" warnings of findGroupText,
    // for a line that may stand in no tree.
    bool quietGroupText(QString& groupText) const;
    // A parentless about box whose text ends with the element's line number.
    void reportElementFault(const QString& title, const QString& textHead);
    // The document's symbols, or none before a document is loaded.
    static const SymbolTable& symbols();

    // While the line shows the document's value, the editors' signals write
    // nothing back: a load changes no value.
    bool m_Loading = false;
    // Whether the line is marked red by markValue or an end-of-edit check.
    bool m_Marked = false;
};
