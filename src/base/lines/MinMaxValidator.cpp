#include "lines/MinMaxValidator.h"

#include <QDomElement>
#include <QRegExp>

#include <algorithm>
#include <cmath>

namespace {
const qint64 kMaxTextLength = 32767;

// A number text as far as it is typed: an optional minus sign, digits, at
// most one point and digits.
struct NumberText
{
    bool negative = false;
    QString integer; // the digits before the point
    bool point = false;
    QString fraction; // the digits after it
};

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// The end of the run of digits that starts at `from`.
int digitsEnd(const QString& text, int from)
{
    while (from < text.size() && isDigit(text.at(from)))
        ++from;
    return from;
}

// Every line edit asks while its text is set, and typing asks at each key:
// read by hand, not by a pattern compiled for each question.
bool readNumberText(const QString& text, NumberText& number)
{
    number.negative = text.startsWith(QLatin1Char('-'));
    int position = number.negative ? 1 : 0;
    int end = digitsEnd(text, position);
    number.integer = text.mid(position, end - position);
    number.point = end < text.size() && text.at(end) == QLatin1Char('.');
    position = number.point ? end + 1 : end;
    end = digitsEnd(text, position);
    number.fraction = text.mid(position, end - position);
    return end == text.size();
}

int significantDigits(const NumberText& number)
{
    const QString digits = number.integer + number.fraction;
    int first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0'))
        ++first;
    int end = digits.size();
    while (end > first && digits.at(end - 1) == QLatin1Char('0'))
        --end;
    return end - first;
}

// The value of the unsigned `digits` with a point before their last
// `decimals`; false when it lies beyond the range of double.
bool decimalValue(const QString& digits, int decimals, double& value)
{
    const QString text = QLatin1Char('0') + digits.left(digits.size() - decimals) +
                         QLatin1Char('.') + digits.right(decimals);
    bool ok = false;
    value = text.toDouble(&ok);
    return ok;
}

// The digits one unit higher in their last place: "129" gives "130".
QString nextInLastPlace(QString digits)
{
    int i = digits.size() - 1;
    while (i >= 0 && digits.at(i) == QLatin1Char('9'))
        digits[i--] = QLatin1Char('0');
    if (i < 0)
        digits.prepend(QLatin1Char('1'));
    else
        digits[i] = QChar(digits.at(i).unicode() + 1);
    return digits;
}

// Whether appending characters can still turn the magnitude typed so far
// into one from `low` to `high`.
bool canReach(const NumberText& number, double low, double high)
{
    if (!(low <= high))
        return false;
    if (number.point) {
        // Further digits only refine the fraction: the magnitude stays at
        // least the text's value and below the next value in its last place.
        const QString digits = number.integer + number.fraction;
        const int decimals = number.fraction.size();
        double least = 0;
        double beyond = 0;
        return decimalValue(digits, decimals, least) && least <= high &&
               (!decimalValue(nextInLastPlace(digits), decimals, beyond) || beyond > low);
    }
    // Leading zeros only: every magnitude is still open.
    if (std::all_of(number.integer.cbegin(), number.integer.cend(),
                    [](QChar c) { return c == QLatin1Char('0'); }))
        return high >= 0;
    // Each further digit before the point moves the reachable magnitudes,
    // from N up to below N + 1, ten times higher.
    const QString next = nextInLastPlace(number.integer);
    for (QString zeros;; zeros += QLatin1Char('0')) {
        double least = 0;
        double beyond = 0;
        if (!decimalValue(number.integer + zeros, 0, least) || least > high)
            return false;
        if (!decimalValue(next + zeros, 0, beyond) || beyond > low)
            return true;
    }
}

// Absent, empty and unreadable limits read as 0.
double limitOf(const QDomElement& signal, const QString& name)
{
    bool ok = false;
    const double limit = signal.attribute(name).toDouble(&ok);
    return ok && !std::isnan(limit) ? limit : 0.0;
}

int exponentOf(const QDomElement& signal)
{
    const QString e = QStringLiteral("e");
    return signal.hasAttribute(e) ? signal.attribute(e).toInt() : MinMaxValidator::kExpAbsent;
}
} // namespace

MinMaxValidator::MinMaxValidator(QObject* parent, float max, float min, int exp)
    : QValidator(parent), m_Max(max), m_TypingMin(std::min(double(min), 0.0)), m_Min(min),
      m_Exp(exp)
{
}

MinMaxValidator::MinMaxValidator(QObject* parent, const QDomElement& signal)
    : QValidator(parent), m_Max(limitOf(signal, QStringLiteral("max"))),
      m_TypingMin(std::min(limitOf(signal, QStringLiteral("min")), 0.0)),
      m_Min(limitOf(signal, QStringLiteral("min"))), m_Exp(exponentOf(signal))
{
}

QValidator::State MinMaxValidator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    if (input.isEmpty())
        return Acceptable;
    NumberText number;
    if (!readNumberText(input, number) || significantDigits(number) > kMaxSignificantDigits)
        return Invalid;
    bool reachable = false;
    if (!number.negative)
        reachable = canReach(number, m_TypingMin, m_Max);
    else if (m_TypingMin < 0) // a minus sign starts a number below zero
        reachable = canReach(number, -m_Max, -m_TypingMin);
    // A text on its way to a number stays Acceptable as well: only then does
    // the editor report the end of the edit, whose check refuses it.
    return reachable ? Acceptable : Invalid;
}

MinMaxValidator::FinalResult MinMaxValidator::validateFinal(QString& text) const
{
    if (finalFault(text) != Fault::None)
        return Refused;
    if (m_Exp == kExpAbsent || m_Exp >= 0)
        return ValidAsTyped;
    // The text holds at most the wanted decimals; the missing ones are
    // appended.
    const int wanted = -m_Exp;
    const int point = text.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : text.size() - point - 1;
    if (decimals == wanted)
        return ValidAsTyped;
    if (point < 0)
        text += QLatin1Char('.');
    text += QString(wanted - decimals, QLatin1Char('0'));
    return ValidAfterPadding;
}

MinMaxValidator::Fault MinMaxValidator::finalFault(const QString& text) const
{
    if (text.isEmpty())
        return Fault::Empty;
    NumberText number;
    if (!readNumberText(text, number) || (number.integer.isEmpty() && number.fraction.isEmpty()))
        return Fault::NotANumber;
    if (significantDigits(number) > kMaxSignificantDigits)
        return Fault::TooManyDigits;
    bool ok = false;
    const double x = text.toDouble(&ok);
    if (!ok)
        return Fault::NotANumber;
    if (x < m_Min || x > m_Max)
        return Fault::OutsideLimits;
    // Without a declared resolution the number is taken as typed.
    if (m_Exp == kExpAbsent)
        return Fault::None;
    if (m_Exp == 0)
        return number.point ? Fault::OffResolution : Fault::None;
    return m_Exp > 0 ? positiveExpFault(text) : negativeExpFault(text);
}

MinMaxValidator::Fault MinMaxValidator::positiveExpFault(const QString& text) const
{
    // Only whole multiples of 10^m_Exp are values of this resolution. The
    // test runs on the digits, so no exponent is too large to check.
    const QRegExp integer(QStringLiteral("-?([0-9]+)"));
    if (!integer.exactMatch(text))
        return Fault::OffResolution;
    QString digits = integer.cap(1);
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.isEmpty())
        return Fault::None; // zero is a multiple of every step
    const bool multiple =
        digits.size() > m_Exp && digits.rightRef(m_Exp).count(QLatin1Char('0')) == m_Exp;
    return multiple ? Fault::None : Fault::OffResolution;
}

MinMaxValidator::Fault MinMaxValidator::negativeExpFault(const QString& text) const
{
    // A line edit holds at most 32767 characters; a resolution finer than
    // that cannot be shown, and the 64-bit negation keeps INT_MIN defined.
    const qint64 wanted = -static_cast<qint64>(m_Exp);
    if (wanted > kMaxTextLength)
        return Fault::OffResolution;
    const int point = text.indexOf(QLatin1Char('.'));
    const qint64 decimals = point < 0 ? 0 : text.size() - point - 1;
    return decimals > wanted ? Fault::OffResolution : Fault::None;
}
