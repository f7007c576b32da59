#include "conditions/HideCondReceiver.h"

#include "conditions/ConditionDecision.h"

#include <QAbstractButton>
#include <QLineEdit>

HideCondReceiver::HideCondReceiver(ConditionDecision::Operator op, int value, QObject* parent)
    : QObject(parent), m_Op(op), m_Value(value)
{
}

void HideCondReceiver::listenTo(QLineEdit* numberEditor)
{
    m_NumberSource = numberEditor;
    connect(numberEditor, &QLineEdit::editingFinished, this,
            qOverload<>(&HideCondReceiver::slotIt));
}

void HideCondReceiver::listenTo(QAbstractButton* button)
{
    m_ButtonSources.append(button);
    connect(button, &QAbstractButton::toggled, this, qOverload<bool>(&HideCondReceiver::slotIt));
}

void HideCondReceiver::evaluateNow()
{
    if (m_NumberSource)
        decideNumber(m_NumberSource->text());
    for (const QPointer<QAbstractButton>& button : qAsConst(m_ButtonSources)) {
        if (button)
            slotIt(button->isChecked());
    }
}

void HideCondReceiver::slotIt(bool checked)
{
    bool holds = false;
    if (ConditionDecision::decideForCheck(m_Op, m_Value, checked, holds))
        apply(holds);
}

void HideCondReceiver::slotIt()
{
    if (auto* editor = qobject_cast<QLineEdit*>(sender()))
        decideNumber(editor->text());
}

void HideCondReceiver::decideNumber(const QString& text)
{
    bool holds = false;
    if (ConditionDecision::decideForNumber(m_Op, m_Value,
                                           ConditionDecision::numberSourceValue(text), holds))
        apply(holds);
}

void HideCondReceiver::apply(bool holds)
{
    if (holds && !m_Active) {
        m_Active = true;
        adjustTarget(+1);
    } else if (!holds && m_Active) {
        m_Active = false;
        adjustTarget(-1);
    }
}
