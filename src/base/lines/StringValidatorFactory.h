#pragma once

class QObject;
class QValidator;

// The validator of the character class with symbol code `code`: codes 1 to 5
// give STR1Validator to STR5Validator; any other code gives none (nullptr).
QValidator* newStringValidator(int code, QObject* parent = nullptr);
