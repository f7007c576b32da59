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
            // The whole run of digits gives way to the one digit, so that
            // "key:10" keeps no stale 0. Without a digit there, the one
            // character after the colon is replaced, or the digit inserted
            // after a bare colon.
            int digitsEnd = digitAt;
            while (digitsEnd < tokenEnd && value.at(digitsEnd) >= QLatin1Char('0') &&
                   value.at(digitsEnd) <= QLatin1Char('9'))
                ++digitsEnd;
            if (digitsEnd == digitAt && digitAt < tokenEnd)
                ++digitsEnd;
            return QString(value).replace(digitAt, digitsEnd - digitAt, digitChar);
        }
        position = tokenEnd + 1;
    }
    const QString token = tokenStart + digitChar;
    return value.isEmpty() ? token : value + QLatin1Char(' ') + token;
}

} // namespace ValueCodec
