#pragma once

#include "conditions/ConditionDecision.h"

#include <QDomElement>
#include <QObject>
#include <QPointer>
#include <QVector>

class QAbstractButton;
class QLineEdit;

// What both kinds of receivers share: one wired condition, re-decided each
// time its source widget signals, moving its target's hide counter.
class HideCondReceiver : public QObject
{
    Q_OBJECT
public:
    HideCondReceiver(ConditionDecision::Operator op, int value, QObject* parent);

    // The widgets this receiver listens to, kept to decide the condition on
    // demand (right after a load) exactly as their signals would. A number
    // source is decided on its setting's value in the document, which its
    // editor may not show whole; a check box counts as set only when it is
    // checked, not while undetermined.
    void listenTo(QLineEdit* numberEditor, const QDomElement& setting);
    void listenTo(QAbstractButton* button);
    // Decides the condition against the current state of its sources.
    void evaluateNow();

    bool m_Active = false;
    ConditionDecision::Operator m_Op;
    int m_Value;

public slots:
    void slotIt(bool checked);
    void slotIt();
    void slotCheckState(int state);

protected:
    // Moves the target's counter by +1 or -1 and updates the target.
    virtual void adjustTarget(int delta) = 0;

private:
    void decideNumber(const QString& text);
    void apply(bool holds);

    QPointer<QLineEdit> m_NumberSource;
    QDomElement m_NumberSetting;
    QVector<QPointer<QAbstractButton>> m_ButtonSources;
};
