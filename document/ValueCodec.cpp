#include "document/ValueCodec.h"

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

QVector<bool> flagsStates(const QString& value, int itemCount)
{
    QVector<bool> states;
    if (itemCount <= 0)
        return states;
    const QStringList tokens = value.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    for (int i = 0; i < itemCount && i < tokens.size(); ++i) {
        const QStringList parts = tokens.at(i).split(QLatin1Char(':'), Qt::KeepEmptyParts);
        if (parts.size() != 2)
            break;
        states.append(parts.at(1).toShort() == 1);
    }
    return states;
}

QString flagsWithDigit(const QString& value, const QString& key, int digit)
{
    const QString tokenStart = key + QLatin1Char(':');
    const QChar digitChar = QLatin1Char(digit ? '1' : '0');
    int position = 0;
    while (position <= value.size()) {
        int tokenEnd = value.indexOf(QLatin1Char(' '), position);
        if (tokenEnd < 0)
            tokenEnd = value.size();
        const int digitAt = position + tokenStart.size();
        if (value.midRef(position, tokenEnd - position).startsWith(tokenStart)) {
            QString result = value;
            // A token "key:" with nothing after the colon gains the digit.
            if (digitAt < tokenEnd)
                result[digitAt] = digitChar;
            else
                result.insert(digitAt, digitChar);
            return result;
        }
        position = tokenEnd + 1;
    }
    const QString token = tokenStart + digitChar;
    return value.isEmpty() ? token : value + QLatin1Char(' ') + token;
}

} // namespace ValueCodec
