#pragma once

#include <QValidator>

// String editors admitting everything except the Cyrillic letters А to я (Ё and ё are outside that
// range and pass).
class STR5Validator : public QValidator
{
public:
    explicit STR5Validator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};
