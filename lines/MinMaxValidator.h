#pragma once

#include <QValidator>

// Number editors: while typing, admits numbers between the smaller of the
// minimum and 0 and the maximum, so that a number above a positive minimum
// can be typed digit by digit; `validateFinal` checks the finished entry
// against the true limits and the resolution 10^m_Exp.
class MinMaxValidator : public QValidator
{
public:
    // The exponent that stands for a document without `e`: such a number
    // has no fixed resolution.
    static constexpr int kExpAbsent = -999;

    // The outcome of the end-of-edit check.
    enum FinalResult
    {
        Refused = 0,
        ValidAsTyped = 1,
        ValidAfterPadding = 2 // the missing decimals were appended to the text
    };

    MinMaxValidator(QObject* parent, float max, float min, int exp);

    State validate(QString& input, int& position) const override;

    // The end-of-edit check of the finished entry `text`.
    FinalResult validateFinal(QString& text) const;

    float m_Max;
    float m_TypingMin;
    float m_Min;
    int m_Exp;

private:
    FinalResult finalForPositiveExp(const QString& text) const;
    FinalResult finalForNegativeExp(QString& text) const;
};
