#pragma once

#include <QString>
#include <QVector>

// The encodings of the `value` attribute that need no widget.
namespace ValueCodec {

// The low eight bits of `formatVerMaj` read as a decimal integer (0 when it
// is not one).
quint8 formatVersionByte(const QString& formatVerMaj);

// bit: a value that reads as the decimal integer 1 is set; anything else is
// clear. (An empty value is not read at all by the lines.)
bool bitIsSet(const QString& value);
QString bitValue(bool set);

// A check state (0 unchecked, 1 partly checked, 2 checked) as the digit
// written into the document: only "checked" is 1.
int digitOfCheckState(int checkState);

// flags, reading: the state of each of `itemCount` check boxes by position.
// Token i belongs to item i whatever key it carries; a token that does not
// split into exactly two parts at ':' ends the reading, so the result may be
// shorter than `itemCount`. Entries are true for set and false for clear.
QVector<bool> flagsStates(const QString& value, int itemCount);

// flags, writing: in `value`, the token whose key is `key` gets `digit` in
// place of the run of digits after its colon (of the one character there
// when it is no digit); other tokens and their order stay. When no
// token carries the key, the token "key:digit" is appended (after one space
// unless the value is empty) and nothing else changes.
QString flagsWithDigit(const QString& value, const QString& key, int digit);

struct FlagWrite
{
    QString key;
    int digit;
};

// flags, writing several items at once: the same as applying flagsWithDigit
// for each write in order, in time linear in the length of the value.
QString flagsWithDigits(const QString& value, const QVector<FlagWrite>& writes);

} // namespace ValueCodec
