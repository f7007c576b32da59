#include "conditions/HideCondReceiver.h"

#include "conditions/ConditionDecision.h"
#include "document/SettingsModel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>

HideCondReceiver::HideCondReceiver(ConditionDecision::Operator op, int value, QObject* parent)
    : QObject(parent), m_Op(op), m_Value(value)
{
}

void HideCondReceiver::listenTo(QLineEdit* numberEditor, const QDomElement& setting)
{
    m_NumberSource = numberEditor;
    m_NumberSetting = setting;
    connect(numberEditor, &QLineEdit::editingFinished, this,
            qOverload<>(&HideCondReceiver::slotIt));
}

void HideCondReceiver::listenTo(QAbstractButton* button)
{
    m_ButtonSources.append(button);
    // A check box leaving its undetermined state keeps its checked flag, so
    // only its check state tells.
    if (auto* box = qobject_cast<QCheckBox*>(button))
        connect(box, &QCheckBox::stateChanged, this, &HideCondReceiver::slotCheckState);
    else
        connect(button, &QAbstractButton::toggled, this,
                qOverload<bool>(&HideCondReceiver::slotIt));
}

void HideCondReceiver::evaluateNow()
{
    if (m_NumberSource)
        decideNumber(m_NumberSetting.attribute(QStringLiteral("value")));
    for (const QPointer<QAbstractButton>& button : qAsConst(m_ButtonSources)) {
        if (auto* box = qobject_cast<QCheckBox*>(button.data()))
            slotCheckState(box->checkState());
        else if (button)
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
    if (qobject_cast<QLineEdit*>(sender()))
        decideNumber(m_NumberSetting.attribute(QStringLiteral("value")));
}

void HideCondReceiver::slotCheckState(int state)
{
    slotIt(SettingsModel::buttonChecked(state));
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
