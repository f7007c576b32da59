#pragma once

#include <QString>
#include <QValidator>

// Editors of dotted IPv4 addresses: four decimal numbers from 0 to 255. Clearing the editor puts
// the default address back.
class IP4Validator : public QValidator
{
public:
    IP4Validator(QObject* parent, const QString& defaultText);

    State validate(QString& input, int& position) const override;

    QString m_Default;
};
