#pragma once

#include <QValidator>

class QDomElement;

// Number editors: while typing, admits every text that can still become a
// number between the smaller of the minimum and 0 and the maximum, so that a
// number above a positive minimum can be typed digit by digit and a negative
// one can start with its minus sign; `validateFinal` checks the finished
// entry against the true limits and the resolution 10^m_Exp.
//
// Limits and texts are compared as doubles. A decimal of at most
// kMaxSignificantDigits significant digits reads as a double that no other
// such decimal reads as, and reading keeps the order, so such texts and
// limits compare exactly. A text with more significant digits could be
// misjudged and is refused, while typing and at the end.
class MinMaxValidator : public QValidator
{
public:
    // The exponent that stands for a document without `e`: such a number
    // has no fixed resolution.
    static constexpr int kExpAbsent = -999;
    // Counted from the first to the last non-zero digit.
    static constexpr int kMaxSignificantDigits = 15;

    // The outcome of the end-of-edit check.
    enum FinalResult
    {
        Refused = 0,
        ValidAsTyped = 1,
        ValidAfterPadding = 2 // the missing decimals were appended to the text
    };

    // Why the end-of-edit check refuses a text.
    enum class Fault
    {
        None,
        Empty,
        NotANumber,
        TooManyDigits,
        OutsideLimits,
        OffResolution
    };

    MinMaxValidator(QObject* parent, float max, float min, int exp);
    // The limits `min` and `max` and the exponent `e` of a number setting:
    // a limit that is absent or not a number reads as 0, an absent `e` as
    // kExpAbsent and an empty one as 0.
    MinMaxValidator(QObject* parent, const QDomElement& signal);

    State validate(QString& input, int& position) const override;

    // The end-of-edit check of the finished entry `text`.
    FinalResult validateFinal(QString& text) const;
    Fault finalFault(const QString& text) const;

    double m_Max;
    double m_TypingMin;
    double m_Min;
    int m_Exp;

private:
    Fault positiveExpFault(const QString& text) const;
    Fault negativeExpFault(const QString& text) const;
};
