#pragma once

#include <QValidator>

// String editors admitting decimal digits and Latin letters.
class STR1Validator : public QValidator
{
public:
    explicit STR1Validator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};
