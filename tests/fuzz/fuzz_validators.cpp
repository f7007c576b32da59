// The input validators of the setting lines: every keystroke's check and the
// end-of-edit check of numbers. Byte 0 chooses the validator, the next bytes
// its limits and the cursor; the rest is the text, as UTF-8.
#include "lines/IP4Validator.h"
#include "lines/MACValidator.h"
#include "lines/MinMaxValidator.h"
#include "lines/StringValidatorFactory.h"

#include <QString>
#include <cstring>
#include <memory>

namespace {
constexpr size_t kHeader = 12; // kind, max, min, exponent, cursor

float floatAt(const quint8* data)
{
    float value = 0;
    memcpy(&value, data, sizeof value);
    return value;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size)
{
    if (size < kHeader)
        return 0;
    QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + kHeader, int(size - kHeader));
    int position = text.isEmpty() ? 0 : data[11] % (text.size() + 1);
    const int kind = data[0] % 8;
    if (kind == 0) {
        // The exponent as documents write it: small, or absent.
        const int exp = data[9] == 0xFF ? MinMaxValidator::kExpAbsent : int(qint8(data[9])) % 16;
        const MinMaxValidator validator(nullptr, floatAt(data + 1), floatAt(data + 5), exp);
        QString typed = text;
        validator.validate(typed, position);
        validator.validateFinal(text);
        return 0;
    }
    std::unique_ptr<QValidator> validator;
    if (kind == 1)
        validator.reset(new IP4Validator(nullptr, QStringLiteral("192.168.0.1")));
    else if (kind == 2)
        validator.reset(new MACValidator(nullptr, QStringLiteral("00:00:00:00:00:00")));
    else
        validator.reset(newStringValidator(kind - 2));
    validator->validate(text, position);
    return 0;
}
