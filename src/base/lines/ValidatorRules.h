#pragma once

#include <QString>
#include <QValidator>

// The checks shared by the input validators of the setting lines.
namespace ValidatorRules {

// Acceptable when `input` is empty or holds no character matched by the
// regular expression `forbidden`; Invalid otherwise.
QValidator::State forbiddenCharacters(const QString& input, const QString& forbidden);

// An address of `partCount` numbers from 0 to 255 in base `base`, joined by
// `separator`. Whitespace, too many parts or a part that is not such a
// number are Invalid; a complete address is Acceptable, a prefix of one
// (missing or empty parts) Intermediate. The input must not be empty.
QValidator::State addressParts(const QString& input, QChar separator, int partCount, int base);

} // namespace ValidatorRules
