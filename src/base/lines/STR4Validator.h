#pragma once

#include <QValidator>

// String editors admitting spaces, decimal digits and Latin letters.
class STR4Validator : public QValidator
{
public:
    explicit STR4Validator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};
