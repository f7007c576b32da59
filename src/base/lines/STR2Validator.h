#pragma once

#include <QValidator>

// String editors admitting any text.
class STR2Validator : public QValidator
{
public:
    explicit STR2Validator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};
