#include "lines/LineInBox.h"

#include "app/BoxForLines.h"
#include "app/MainWindow.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "conditions/HideConds.h"
#include "dialogs/UserDialogs.h"
#include "document/SettingsModel.h"
#include "document/SymbolTable.h"
#include "document/ValueCodec.h"
#include "lines/CaptionLabel.h"
#include "lines/DocumentValueChecker.h"
#include "lines/HintLabel.h"
#include "lines/IP4Validator.h"
#include "lines/MACValidator.h"
#include "lines/MinMaxValidator.h"
#include "lines/StringValidatorFactory.h"

#include <QBrush>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDomElement>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString kValue = QStringLiteral("value");
const QString kLineNumber = QStringLiteral("Номер строки =");
const QString kDefaultIp = QStringLiteral("192.168.0.1");
const QString kDefaultMac = QStringLiteral("00:00:00:00:00:00");

// The showing of a modal message moves the focus away from the editor,
// which finishes its editing a second time; one check at a time.
bool g_EndOfEditRunning = false;

QString hintOfLetters(int code)
{
    const QString head = QStringLiteral("<br>Разрешённые символы:<ul>");
    const QString space = QStringLiteral("<li>Пробел</li>");
    const QString digits = QStringLiteral("<li>Десятичные цифры</li>");
    const QString latin = QStringLiteral("<li>Латинские буквы</li>");
    const QString russian = QStringLiteral("<li>Русские буквы</li>");
    const QString punctuation = QStringLiteral("<li>Знаки препинания, скобки и т.д.</li>");
    const QString tail = QStringLiteral("</ul>");
    switch (code) {
    case 1:
        return head + digits + latin + tail;
    case 2:
        return head + space + digits + latin + russian + punctuation + tail;
    case 3:
        return head + space + digits + QStringLiteral("<li>'+'</li>") + tail;
    case 4:
        return head + space + digits + latin + tail;
    case 5:
        return head + space + digits + latin + punctuation + tail;
    default:
        return QString();
    }
}

// Shows the undetermined mark until a value is loaded or the user clicks.
// A two-state box paints a partly checked state as checked, so the box stays
// three-state while undetermined; once it leaves that state it goes back to
// two states, and a click can then only check or uncheck it.
void startUndetermined(QCheckBox* box)
{
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
    QObject::connect(box, &QCheckBox::stateChanged, box, [box](int state) {
        if (state != Qt::PartiallyChecked)
            box->setTristate(false);
    });
}

void setBaseColour(QLineEdit* edit, Qt::GlobalColor colour)
{
    QPalette palette;
    palette.setBrush(QPalette::Base, QBrush(colour, Qt::SolidPattern));
    edit->setPalette(palette);
}

// An empty editor counts as complete: its validator puts the default
// address in, and an empty value is left alone.
bool addressComplete(const QLineEdit* edit)
{
    QString text = edit->text();
    int position = 0;
    return edit->validator()->validate(text, position) == QValidator::Acceptable;
}

// An auto-exclusive radio button refuses to be unchecked directly.
void setRadioChecked(QRadioButton* button, bool checked)
{
    if (checked || !button->isChecked()) {
        button->setChecked(checked);
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}
} // namespace

LineInBox::LineInBox(const QDomElement& element, QObject* parent)
    : QObject(parent), m_Element(new QDomElement(element))
{
    m_Editor = new QWidget;
    m_LabelName = new CaptionLabel(SettingsModel::captionOf(element));
    buildEditors();
    createHint();
    for (const SettingsModel::Message& fault : SettingsModel::lineFaults(element, symbols()))
        UserDialogs::about(nullptr, fault.title, fault.text);
    if (g_HideConds)
        g_HideConds->readHideConds(this);
}

LineInBox::~LineInBox()
{
    // The widgets belong to the grid of the box that shows the line.
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

void LineInBox::buildEditors()
{
    switch (typeLineFromType(m_Element->attribute(QStringLiteral("type")))) {
    case xmlFlags:
        buildItemEditors(xmlFlags);
        break;
    case xmlnumber:
        buildNumberEditor();
        break;
    case xmlenum:
        buildItemEditors(xmlenum);
        break;
    case xmlbit:
        buildBitEditor();
        break;
    case xmlstring:
        buildStringEditor();
        break;
    case xmlmacAddress:
        buildAddressEditor(xmlmacAddress);
        break;
    case xmlipAddress:
        buildAddressEditor(xmlipAddress);
        break;
    case xmlnotset:
    case xmlunknown:
        m_TypeLine = xmlunknown;
        break;
    }
}

void LineInBox::buildItemEditors(TypeLine kind)
{
    m_TypeLine = kind;
    // Without items the line has no editor area (the fault is reported).
    const QVector<SettingsModel::Item> items = SettingsModel::itemsOf(*m_Element);
    if (items.isEmpty())
        return;
    auto* layout = new QVBoxLayout;
    for (const SettingsModel::Item& item : items) {
        QWidget* editor = kind == xmlFlags ? newFlagsCheckBox(item) : newEnumRadioButton(item);
        layout->addWidget(editor);
        m_Widgets.append(editor);
    }
    giveEditorLayout(layout);
}

// An item without a key has an editor that writes nothing.
QWidget* LineInBox::newFlagsCheckBox(const SettingsModel::Item& item)
{
    auto* box = new QCheckBox(item.name);
    startUndetermined(box);
    box->setObjectName(item.key);
    if (!item.key.isEmpty())
        connect(box, &QCheckBox::stateChanged, this,
                qOverload<int>(&LineInBox::slotWriteDataToDom));
    return box;
}

QWidget* LineInBox::newEnumRadioButton(const SettingsModel::Item& item)
{
    auto* button = new QRadioButton(item.name);
    button->setObjectName(item.key);
    if (!item.key.isEmpty())
        connect(button, &QRadioButton::clicked, this,
                qOverload<bool>(&LineInBox::slotWriteDataToDom));
    return button;
}

void LineInBox::buildNumberEditor()
{
    m_TypeLine = xmlnumber;
    auto* edit = new QLineEdit;
    edit->setValidator(new MinMaxValidator(this, *m_Element));
    connect(edit, &QLineEdit::textEdited, this,
            qOverload<const QString&>(&LineInBox::slotWriteDataToDom));
    connect(edit, &QLineEdit::editingFinished, this, &LineInBox::slotEndFocsNumber);
    m_Widgets.append(edit);
    giveEditorLayout(edit);
}

void LineInBox::buildBitEditor()
{
    m_TypeLine = xmlbit;
    auto* box = new QCheckBox;
    startUndetermined(box);
    connect(box, &QCheckBox::stateChanged, this, qOverload<int>(&LineInBox::slotWriteDataToDom));
    m_Widgets.append(box);
    giveEditorLayout(box);
}

void LineInBox::buildStringEditor()
{
    m_TypeLine = xmlstring;
    auto* edit = new QLineEdit;
    const QString lenMax = m_Element->attribute(QStringLiteral("lenMax"));
    if (!lenMax.isEmpty()) {
        edit->setMaxLength(lenMax.toInt());
        edit->setMinimumWidth(edit->sizeHint().width());
    }
    const int code =
        g_SymbolTable ? g_SymbolTable->symbolCode(m_Element->attribute(QStringLiteral("letters")))
                      : -1;
    if (QValidator* validator = newStringValidator(code, this))
        edit->setValidator(validator);
    connect(edit, &QLineEdit::textChanged, this,
            qOverload<const QString&>(&LineInBox::slotWriteDataToDom));
    m_Widgets.append(edit);
    giveEditorLayout(edit);
}

void LineInBox::buildAddressEditor(TypeLine kind)
{
    m_TypeLine = kind;
    auto* edit = new QLineEdit;
    if (kind == xmlmacAddress) {
        edit->setMaxLength(17);
        edit->setValidator(new MACValidator(this, kDefaultMac));
    } else {
        edit->setMaxLength(16);
        edit->setValidator(new IP4Validator(this, kDefaultIp));
    }
    edit->setMinimumWidth(edit->sizeHint().width());
    connect(edit, &QLineEdit::textChanged, this,
            qOverload<const QString&>(&LineInBox::slotWriteDataToDom));
    edit->installEventFilter(this);
    m_Widgets.append(edit);
    giveEditorLayout(edit);
}

void LineInBox::giveEditorLayout(QWidget* editor)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(editor);
    giveEditorLayout(layout);
}

void LineInBox::giveEditorLayout(QVBoxLayout* layout)
{
    // A layout made on its widget asks the widget for a layout pass at once
    // by posting an event. The queue of posted events holds one event for
    // every widget made during the load, and Qt scans all of it before it
    // posts to a widget that already waits for an event, so that asking
    // made the load quadratic. A layout filled first and then set asks for
    // no pass; the box's layout lays the editor area out when it is shown.
    m_Editor->setLayout(layout);
}

void LineInBox::createHint()
{
    QString hint;
    const QString min = QStringLiteral("min");
    const QString max = QStringLiteral("max");
    const QString lenMax = QStringLiteral("lenMax");
    if (m_Element->hasAttribute(min) && m_Element->hasAttribute(max)) {
        hint = QStringLiteral("Минимум: ") + m_Element->attribute(min) + QStringLiteral("<br>") +
               QStringLiteral("Максимум: ") + m_Element->attribute(max);
    } else if (m_Element->hasAttribute(lenMax)) {
        hint = QStringLiteral("Максимальная длина: ") + m_Element->attribute(lenMax);
        const QString letters = m_Element->attribute(QStringLiteral("letters"));
        if (!letters.isEmpty())
            hint += hintOfLetters(symbols().symbolCode(letters));
    }
    m_Hint = new HintLabel(hint);
}

void LineInBox::slotLoadFromDom()
{
    const QString value = m_Element->attribute(kValue);
    m_Loading = true;
    switch (m_TypeLine) {
    case xmlnumber:
    case xmlstring:
    case xmlmacAddress:
    case xmlipAddress:
        if (!value.isEmpty())
            setLineEditText(value);
        break;
    case xmlbit:
        if (!value.isEmpty())
            setCheckBoxSet(0, ValueCodec::bitIsSet(value));
        break;
    case xmlenum:
        if (!value.isEmpty())
            chooseRadioButton(value);
        break;
    case xmlFlags:
        loadFlags(value);
        break;
    case xmlnotset:
    case xmlunknown: {
        m_Loading = false;
        const SettingsModel::Message fault = SettingsModel::unknownKindAtLoad(*m_Element);
        UserDialogs::about(nullptr, fault.title, fault.text);
        return;
    }
    }
    m_Loading = false;
    markValue();
}

void LineInBox::loadFlags(const QString& value)
{
    QStringList keys;
    for (const QWidget* widget : qAsConst(m_Widgets))
        keys << widget->objectName();
    const QVector<ValueCodec::FlagState> states = ValueCodec::flagsStates(value, keys);
    // A box that leaves a checked state looks through all buttons of its
    // parent for an exclusive partner, unless it belongs to a group; a group
    // for the time of the load keeps that search away. The ids are given,
    // as choosing a free one costs a look at every id.
    QButtonGroup group;
    group.setExclusive(false);
    for (int i = 0; i < states.size(); ++i) {
        if (auto* box = qobject_cast<QCheckBox*>(m_Widgets.at(i)))
            group.addButton(box, i);
    }
    for (int i = 0; i < states.size(); ++i) {
        if (states.at(i) != ValueCodec::FlagState::Undetermined)
            setCheckBoxSet(i, states.at(i) == ValueCodec::FlagState::Set);
    }
}

void LineInBox::markValue()
{
    const QString value = m_Element->attribute(kValue);
    bool refused = !DocumentValueChecker::problemOf(*m_Element, symbols()).isEmpty();
    // A line edit cuts a value longer than its maximal length.
    if (auto* edit = qobject_cast<QLineEdit*>(m_Widgets.value(0)))
        refused = refused || (!value.isEmpty() && edit->text() != value);
    if (refused == m_Marked)
        return;
    setMarked(refused);
    QString groupText;
    if (!g_MainWindow || !quietGroupText(groupText))
        return;
    if (refused)
        g_MainWindow->addErrorField(*m_Element, groupText, m_LabelName->text());
    else
        g_MainWindow->removeErrorField(*m_Element);
}

void LineInBox::setMarked(bool marked)
{
    m_Marked = marked;
    if (auto* edit = qobject_cast<QLineEdit*>(m_Widgets.value(0))) {
        setBaseColour(edit, marked ? Qt::red : Qt::white);
        return;
    }
    // Boxes and buttons have no base of their own: their area is coloured.
    m_Editor->setAutoFillBackground(marked);
    QPalette palette = m_Editor->palette();
    palette.setBrush(QPalette::Window, marked ? QBrush(Qt::red) : QPalette().window());
    m_Editor->setPalette(palette);
}

void LineInBox::setLineEditText(const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_Widgets.value(0)))
        edit->setText(text);
}

void LineInBox::setCheckBoxSet(int index, bool set)
{
    auto* box = qobject_cast<QCheckBox*>(m_Widgets.value(index));
    const Qt::CheckState state = set ? Qt::Checked : Qt::Unchecked;
    // Giving a box the state it has only asks for a repaint, which Qt
    // weighs against each sibling of the box: thousands in a large group.
    if (box && box->checkState() != state)
        box->setCheckState(state);
}

void LineInBox::chooseRadioButton(const QString& key)
{
    for (QWidget* widget : qAsConst(m_Widgets)) {
        if (auto* button = qobject_cast<QRadioButton*>(widget))
            setRadioChecked(button, button->objectName() == key);
    }
}

void LineInBox::slotWriteDataToDom(int state)
{
    if (m_Loading)
        return;
    if (g_MainWindow)
        g_MainWindow->slotCanSave(true);
    const int digit = ValueCodec::digitOfCheckState(state);
    switch (m_TypeLine) {
    case xmlFlags:
        if (const QObject* source = sender()) {
            writeValue(ValueCodec::flagsWithDigit(m_Element->attribute(kValue),
                                                  source->objectName(), digit));
        }
        break;
    case xmlenum:
        if (const QObject* source = sender())
            writeValue(source->objectName());
        break;
    case xmlbit:
        writeValue(ValueCodec::bitValue(digit == 1));
        break;
    default:
        reportElementFault(QStringLiteral("Error slotWriteDataToDom(int) m_TypeLine = ") +
                               typeLineName(m_TypeLine),
                           QString());
        break;
    }
}

void LineInBox::slotWriteDataToDom(const QString& text)
{
    if (m_Loading)
        return;
    if (g_MainWindow)
        g_MainWindow->slotCanSave(true);
    switch (m_TypeLine) {
    case xmlnumber:
    case xmlstring:
    case xmlmacAddress:
    case xmlipAddress:
        writeValue(text);
        break;
    default:
        reportElementFault(QStringLiteral("Error slotWriteDataToDom(QString) m_TypeLine = ") +
                               typeLineName(m_TypeLine),
                           QString());
        break;
    }
}

void LineInBox::slotWriteDataToDom(bool checked)
{
    Q_UNUSED(checked);
    if (m_Loading)
        return;
    if (g_MainWindow)
        g_MainWindow->slotCanSave(true);
    if (m_TypeLine != xmlenum) {
        reportElementFault(QStringLiteral("Error slotWriteDataToDom(bool) m_TypeLine = ") +
                               typeLineName(m_TypeLine),
                           QString());
        return;
    }
    if (const QObject* source = sender())
        writeValue(source->objectName());
}

void LineInBox::slotEndFocsNumber()
{
    finishEntry(qobject_cast<QLineEdit*>(sender()));
}

bool LineInBox::eventFilter(QObject* watched, QEvent* event)
{
    // As a line edit finishes its editing: a popup, such as a menu, that
    // takes the focus for a while does not end the edit.
    const bool leaves = event->type() == QEvent::FocusOut &&
                        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    const bool addressLine = m_TypeLine == xmlipAddress || m_TypeLine == xmlmacAddress;
    if (addressLine && (leaves || key == Qt::Key_Return || key == Qt::Key_Enter))
        finishEntry(qobject_cast<QLineEdit*>(watched));
    return QObject::eventFilter(watched, event);
}

void LineInBox::finishEditInProgress(QWidget* editor)
{
    const bool checked =
        m_TypeLine == xmlnumber || m_TypeLine == xmlipAddress || m_TypeLine == xmlmacAddress;
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (checked && edit && edit->isModified() && m_Widgets.contains(edit))
        finishEntry(edit);
}

void LineInBox::finishEntry(QLineEdit* edit)
{
    if (!edit || !edit->validator() || g_EndOfEditRunning || !g_MainWindow)
        return;
    const auto* number = dynamic_cast<const MinMaxValidator*>(edit->validator());
    if (m_TypeLine == xmlnumber && !number)
        return;
    // What the user typed from here on is a new edit; an entry already
    // checked is not checked, nor announced, a second time by a command.
    edit->setModified(false);
    g_EndOfEditRunning = true;
    QString groupText;
    if (findGroupText(groupText))
        markEntry(edit, groupText,
                  number ? numberEntryValid(edit, *number) : addressComplete(edit));
    g_EndOfEditRunning = false;
}

void LineInBox::markEntry(QLineEdit* edit, const QString& groupText, bool valid)
{
    const QString fieldLabel = m_LabelName->text();
    m_Marked = !valid;
    setBaseColour(edit, valid ? Qt::white : Qt::red);
    if (valid) {
        g_MainWindow->removeErrorField(*m_Element);
        return;
    }
    UserDialogs::critical(g_MainWindow, QStringLiteral("Не допустимое значение"),
                          QStringLiteral("Введено не допустимое значение! В поле: ") + fieldLabel);
    g_MainWindow->addErrorField(*m_Element, groupText, fieldLabel);
}

bool LineInBox::numberEntryValid(QLineEdit* edit, const MinMaxValidator& validator)
{
    QString text = edit->text();
    const MinMaxValidator::FinalResult result = validator.validateFinal(text);
    if (result == MinMaxValidator::ValidAfterPadding) {
        edit->setText(text);
        // Setting the text by program sends no textEdited; the padded text
        // reaches the document only through this one.
        emit edit->textEdited(text);
    }
    return result != MinMaxValidator::Refused;
}

bool LineInBox::findGroupText(QString& groupText)
{
    auto* box = qobject_cast<BoxForLines*>(parent());
    if (!box) {
        UserDialogs::warning(
            g_MainWindow, QStringLiteral("Ошибка кода"),
            QStringLiteral("BoxForLines* box = qobject_cast<BoxForLines*>(parent());"));
        return false;
    }
    TreeWidgetItemLineInLeftTree* item = g_MainWindow->findTreeWidgetOfBox(box);
    if (!item) {
        UserDialogs::warning(
            g_MainWindow, QStringLiteral("Ошибка кода"),
            QStringLiteral(
                "TreeWidgetItemLineInLeftTree* tree = g_MainWindow->findTreeWidgetOfBox(box);"));
        return false;
    }
    groupText = item->text(0);
    return true;
}

bool LineInBox::quietGroupText(QString& groupText) const
{
    auto* box = qobject_cast<BoxForLines*>(parent());
    TreeWidgetItemLineInLeftTree* item = box ? g_MainWindow->findTreeWidgetOfBox(box) : nullptr;
    if (!item)
        return false;
    groupText = item->text(0);
    return true;
}

void LineInBox::writeValue(const QString& value)
{
    m_Element->setAttribute(kValue, value);
    // Numbers and addresses are judged when their edit ends, with a
    // message; the other kinds change whole with each write.
    if (m_TypeLine != xmlnumber && m_TypeLine != xmlmacAddress && m_TypeLine != xmlipAddress)
        markValue();
}

void LineInBox::reportElementFault(const QString& title, const QString& textHead)
{
    UserDialogs::about(nullptr, title,
                       textHead + kLineNumber + QString::number(m_Element->lineNumber()));
}

const SymbolTable& LineInBox::symbols()
{
    static const SymbolTable noSymbols;
    return g_SymbolTable ? *g_SymbolTable : noSymbols;
}
