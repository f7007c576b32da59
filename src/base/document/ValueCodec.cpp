#include "document/ValueCodec.h"

#include <QHash>
#include <QStringList>

namespace ValueCodec {

quint8 formatVersionByte(const QString& formatVerMaj)
{
    return static_cast<quint8>(formatVerMaj.toInt() & 0xFF);
}

bool bitIsSet(const QString& value)
{
    return value.toInt() == 1;
}

QString bitValue(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

int digitOfCheckState(int checkState)
{
    return checkState == 2 ? 1 : 0;
}

namespace {
// A token "key:digits" with exactly one colon, as references into the value.
bool splitFlagToken(const QStringRef& token, QStringRef& key, QStringRef& digits)
{
    const int colon = token.indexOf(QLatin1Char(':'));
    if (colon < 0 || token.indexOf(QLatin1Char(':'), colon + 1) >= 0)
        return false;
    key = token.left(colon);
    digits = token.mid(colon + 1);
    return true;
}

FlagState stateOfDigits(const QStringRef& digits)
{
    return digits.toShort() == 1 ? FlagState::Set : FlagState::Clear;
}

// Every token is "key:digits" with a key of an item, each key once. Tokens in
// the items' order, the usual case, need no index of the keys.
bool readByKey(const QVector<QStringRef>& tokens, const QStringList& keys,
               QVector<FlagState>& states)
{
    QVector<QStringRef> tokenKeys(tokens.size());
    QVector<QStringRef> tokenDigits(tokens.size());
    bool inItemOrder = tokens.size() <= keys.size();
    for (int i = 0; i < tokens.size(); ++i) {
        if (!splitFlagToken(tokens.at(i), tokenKeys[i], tokenDigits[i]) ||
            tokenKeys.at(i).isEmpty())
            return false;
        inItemOrder = inItemOrder && tokenKeys.at(i) == keys.at(i);
    }
    if (inItemOrder) {
        for (int i = 0; i < tokens.size(); ++i)
            states[i] = stateOfDigits(tokenDigits.at(i));
        return true;
    }
    QHash<QString, int> itemOfKey;
    for (int i = keys.size() - 1; i >= 0; --i)
        itemOfKey.insert(keys.at(i), i);
    QVector<bool> taken(keys.size(), false);
    for (int i = 0; i < tokens.size(); ++i) {
        const int item = itemOfKey.value(tokenKeys.at(i).toString(), -1);
        if (item < 0 || taken.at(item))
            return false;
        taken[item] = true;
        states[item] = stateOfDigits(tokenDigits.at(i));
    }
    return true;
}
} // namespace

QVector<FlagState> flagsStates(const QString& value, const QStringList& keys)
{
    QVector<FlagState> states(keys.size(), FlagState::Undetermined);
    if (keys.isEmpty())
        return states;
    const QVector<QStringRef> tokens = value.splitRef(QLatin1Char(' '), Qt::KeepEmptyParts);
    if (readByKey(tokens, keys, states))
        return states;
    states.fill(FlagState::Undetermined);
    for (int i = 0; i < keys.size() && i < tokens.size(); ++i) {
        QStringRef key;
        QStringRef digits;
        if (!splitFlagToken(tokens.at(i), key, digits))
            break;
        states[i] = stateOfDigits(digits);
    }
    return states;
}

bool canonicalDecimal(const QString& text, QString& canonical)
{
    int at = 0;
    bool negative = false;
    if (at < text.size() && (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('+')))
        negative = text.at(at++) == QLatin1Char('-');
    const auto digitsFrom = [&text](int from) {
        int end = from;
        while (end < text.size() && text.at(end) >= QLatin1Char('0') &&
               text.at(end) <= QLatin1Char('9'))
            ++end;
        return end;
    };
    const int integerEnd = digitsFrom(at);
    QString integer = text.mid(at, integerEnd - at);
    QString fraction;
    int end = integerEnd;
    if (end < text.size() && text.at(end) == QLatin1Char('.')) {
        const int fractionEnd = digitsFrom(end + 1);
        fraction = text.mid(end + 1, fractionEnd - end - 1);
        end = fractionEnd;
    }
    if (end != text.size() || (integer.isEmpty() && fraction.isEmpty()))
        return false;
    int lead = 0;
    while (lead < integer.size() - 1 && integer.at(lead) == QLatin1Char('0'))
        ++lead;
    integer = integer.mid(lead);
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    canonical = integer;
    if (!fraction.isEmpty())
        canonical += QLatin1Char('.') + fraction;
    if (negative && canonical != QLatin1String("0"))
        canonical.prepend(QLatin1Char('-'));
    return true;
}

QString flagsWithDigit(const QString& value, const QString& key, int digit)
{
    return flagsWithDigits(value, {{key, digit}});
}

namespace {
// The tokens of a flags value, and where the first token of a key stands.
// A token belongs to a key when it begins with the key and a colon, that is
// when the part of the token before its (c+1)-th colon is the key, c being
// the number of colons in the key (0 for every proper key). The tokens are
// indexed by that part once for each such c that a write needs.
class FlagTokens
{
public:
    explicit FlagTokens(const QString& value)
        : m_Tokens(value.split(QLatin1Char(' '), Qt::KeepEmptyParts))
    {
    }

    void write(const QString& key, QChar digit)
    {
        const int colons = key.count(QLatin1Char(':'));
        const int index = indexOf(colons).value(key, -1);
        if (index >= 0) {
            QString& token = m_Tokens[index];
            // The whole run of digits after the colon gives way to the one
            // digit, so that "key:10" keeps no stale 0. Without a digit
            // there, the one character after the colon is replaced, and a
            // token "key:" with nothing after the colon gains the digit.
            const int digitAt = key.size() + 1;
            int digitsEnd = digitAt;
            while (digitsEnd < token.size() && token.at(digitsEnd) >= QLatin1Char('0') &&
                   token.at(digitsEnd) <= QLatin1Char('9'))
                ++digitsEnd;
            if (digitsEnd == digitAt && digitAt < token.size())
                ++digitsEnd;
            token.replace(digitAt, digitsEnd - digitAt, digit);
            return;
        }
        const QString token = key + QLatin1Char(':') + digit;
        if (m_Tokens.size() == 1 && m_Tokens.first().isEmpty())
            m_Tokens.first() = token;
        else
            m_Tokens.append(token);
        for (auto it = m_FirstByKey.begin(); it != m_FirstByKey.end(); ++it)
            addToIndex(it.value(), it.key(), m_Tokens.size() - 1);
    }

    QString text() const { return m_Tokens.join(QLatin1Char(' ')); }

private:
    const QHash<QString, int>& indexOf(int colons)
    {
        auto found = m_FirstByKey.find(colons);
        if (found != m_FirstByKey.end())
            return found.value();
        QHash<QString, int>& index = m_FirstByKey[colons];
        for (int i = 0; i < m_Tokens.size(); ++i)
            addToIndex(index, colons, i);
        return index;
    }

    void addToIndex(QHash<QString, int>& index, int colons, int tokenIndex) const
    {
        const QString& token = m_Tokens.at(tokenIndex);
        int colon = -1;
        for (int c = 0; c <= colons; ++c) {
            colon = token.indexOf(QLatin1Char(':'), colon + 1);
            if (colon < 0)
                return;
        }
        const QString key = token.left(colon);
        if (!index.contains(key))
            index.insert(key, tokenIndex);
    }

    QStringList m_Tokens;
    QHash<int, QHash<QString, int>> m_FirstByKey;
};
} // namespace

QString flagsWithDigits(const QString& value, const QVector<FlagWrite>& writes)
{
    FlagTokens tokens(value);
    for (const FlagWrite& write : writes)
        tokens.write(write.key, QLatin1Char(write.digit ? '1' : '0'));
    return tokens.text();
}

} // namespace ValueCodec
