#include "lines/MinMaxValidator.h"

#include <QRegExp>

#include <algorithm>

namespace {
bool hasForeignCharacter(const QString& text)
{
    return text.contains(QRegExp(QStringLiteral("[^.0-9-]")));
}

const qint64 kMaxTextLength = 32767;
} // namespace

MinMaxValidator::MinMaxValidator(QObject* parent, float max, float min, int exp)
    : QValidator(parent), m_Max(max), m_TypingMin(std::min(min, 0.0f)), m_Min(min), m_Exp(exp)
{
}

QValidator::State MinMaxValidator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    if (input.isEmpty())
        return Acceptable;
    if (hasForeignCharacter(input))
        return Invalid;
    bool ok = false;
    const float x = input.toFloat(&ok);
    if (!ok || x < m_TypingMin || x > m_Max)
        return Invalid;
    return Acceptable;
}

MinMaxValidator::FinalResult MinMaxValidator::validateFinal(QString& text) const
{
    if (text.isEmpty() || hasForeignCharacter(text))
        return Refused;
    bool ok = false;
    const float x = text.toFloat(&ok);
    if (!ok || x < m_Min || x > m_Max)
        return Refused;
    // Without a declared resolution the number is taken as typed.
    if (m_Exp == kExpAbsent)
        return ValidAsTyped;
    if (m_Exp == 0)
        return text.contains(QLatin1Char('.')) ? Refused : ValidAsTyped;
    if (m_Exp > 0)
        return finalForPositiveExp(text);
    return finalForNegativeExp(text);
}

MinMaxValidator::FinalResult MinMaxValidator::finalForPositiveExp(const QString& text) const
{
    // Only whole multiples of 10^m_Exp are values of this resolution. The
    // test runs on the digits, so no exponent is too large to check.
    const QRegExp integer(QStringLiteral("-?([0-9]+)"));
    if (!integer.exactMatch(text))
        return Refused;
    QString digits = integer.cap(1);
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.isEmpty())
        return ValidAsTyped; // zero is a multiple of every step
    const bool multiple =
        digits.size() > m_Exp && digits.rightRef(m_Exp).count(QLatin1Char('0')) == m_Exp;
    return multiple ? ValidAsTyped : Refused;
}

MinMaxValidator::FinalResult MinMaxValidator::finalForNegativeExp(QString& text) const
{
    // A line edit holds at most 32767 characters; a resolution finer than
    // that cannot be shown, and the 64-bit negation keeps INT_MIN defined.
    const qint64 wanted = -static_cast<qint64>(m_Exp);
    if (wanted > kMaxTextLength)
        return Refused;
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0) {
        text += QLatin1Char('.') + QString(static_cast<int>(wanted), QLatin1Char('0'));
        return ValidAfterPadding;
    }
    const qint64 decimals = text.size() - point - 1;
    if (decimals > wanted)
        return Refused;
    if (decimals == wanted)
        return ValidAsTyped;
    text += QString(static_cast<int>(wanted - decimals), QLatin1Char('0'));
    return ValidAfterPadding;
}
