#pragma once

#include <QString>
#include <QValidator>

// Editors of MAC addresses: six hexadecimal numbers from 0 to FF joined by colons. Clearing the
// editor puts the default address back.
class MACValidator : public QValidator
{
public:
    MACValidator(QObject* parent, const QString& defaultText);

    State validate(QString& input, int& position) const override;

    QString m_Default;
};
