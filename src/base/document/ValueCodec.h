#pragma once

#include <QString>
#include <QStringList>
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

// The state of one flags item once its value is read.
enum class FlagState
{
    Undetermined = -1, // no token gives the item a digit
    Clear = 0,
    Set = 1
};

// flags, reading: the state of each item, whose keys are `keys` in the order
// of their editors. When every token of the value is "key:digits" for a
// distinct item key, each item is read from its own token, in whatever order
// the tokens stand; items without a token stay undetermined. Otherwise token
// i belongs to item i whatever key it carries, and a token that does not
// split into exactly two parts at ':' ends the reading, leaving the items
// from there on undetermined. A token is set when its digits read as 1.
QVector<FlagState> flagsStates(const QString& value, const QStringList& keys);

// Whether `text` is a plain decimal number ([+-]digits[.digits], digits on
// at least one side of the point); if so, `canonical` is the same number
// with no leading or trailing zeros, no '+' and no sign on zero, so that two
// texts of one number give one canonical text.
bool canonicalDecimal(const QString& text, QString& canonical);

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
