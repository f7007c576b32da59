#pragma once

#include <QValidator>

// String editors admitting spaces, '+' and decimal digits (telephone numbers).
class STR3Validator : public QValidator
{
public:
    explicit STR3Validator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};
