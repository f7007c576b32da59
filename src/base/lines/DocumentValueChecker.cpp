#include "lines/DocumentValueChecker.h"

#include "document/MessageValue.h"
#include "document/SettingsModel.h"
#include "document/TypeLine.h"
#include "lines/IP4Validator.h"
#include "lines/MACValidator.h"
#include "lines/MinMaxValidator.h"
#include "lines/StringValidatorFactory.h"

#include <QDomDocument>
#include <QDomElement>
#include <QStringList>

#include <memory>

namespace {
const QString kValue = QStringLiteral("value");

QString valueText(const QString& value)
{
    return QStringLiteral("value ") + MessageValue::quoted(value);
}

QStringList itemKeys(const QDomElement& signal)
{
    QStringList keys;
    for (const SettingsModel::Item& item : SettingsModel::itemsOf(signal))
        keys << item.key;
    return keys;
}

QString numberProblem(const QDomElement& signal, const QString& value)
{
    const MinMaxValidator validator(nullptr, signal);
    switch (validator.finalFault(value)) {
    case MinMaxValidator::Fault::None:
        break;
    case MinMaxValidator::Fault::Empty:
        return QStringLiteral("number without a value");
    case MinMaxValidator::Fault::NotANumber:
        return valueText(value) + QStringLiteral(" is not a number");
    case MinMaxValidator::Fault::TooManyDigits:
        return valueText(value) + QStringLiteral(" has more than ") +
               QString::number(MinMaxValidator::kMaxSignificantDigits) +
               QStringLiteral(" significant digits, too many to check against the limits");
    case MinMaxValidator::Fault::OutsideLimits:
        return valueText(value) + QStringLiteral(" is outside the limits ") +
               signal.attribute(QStringLiteral("min"), QStringLiteral("0")) +
               QStringLiteral(" to ") +
               signal.attribute(QStringLiteral("max"), QStringLiteral("0"));
    case MinMaxValidator::Fault::OffResolution:
        return valueText(value) + QStringLiteral(" does not fit the resolution e=") +
               QString::number(validator.m_Exp);
    }
    return QString();
}

QString addressProblem(const QValidator& validator, const QString& value, int maxLength,
                       const QString& what)
{
    if (value.isEmpty())
        return QString();
    QString text = value;
    int position = 0;
    if (validator.validate(text, position) != QValidator::Acceptable)
        return valueText(value) + QStringLiteral(" is not ") + what;
    if (value.size() > maxLength) {
        return valueText(value) + QStringLiteral(" is longer than ") + QString::number(maxLength) +
               QStringLiteral(" characters");
    }
    return QString();
}

QString enumProblem(const QDomElement& signal, const QString& value)
{
    const QStringList keys = itemKeys(signal);
    if (value.isEmpty() || keys.isEmpty() || keys.contains(value))
        return QString();
    return valueText(value) + QStringLiteral(" matches no item key");
}

// Whether `token` is "key:0" or "key:1".
bool isItemToken(const QStringRef& token, const QString& key)
{
    return token.size() == key.size() + 2 && token.startsWith(key) &&
           token.at(key.size()) == QLatin1Char(':') &&
           (token.at(key.size() + 1) == QLatin1Char('0') ||
            token.at(key.size() + 1) == QLatin1Char('1'));
}

QString flagsProblem(const QDomElement& signal, const QString& value)
{
    const QStringList keys = itemKeys(signal);
    if (value.isEmpty() || keys.isEmpty())
        return QString();
    // References into the value: a list of 100,000 items makes no copies.
    const QVector<QStringRef> tokens = value.splitRef(QLatin1Char(' '), Qt::KeepEmptyParts);
    for (int i = 0; i < keys.size() && i < tokens.size(); ++i) {
        if (!isItemToken(tokens.at(i), keys.at(i))) {
            return valueText(value) + QStringLiteral(": token ") + QString::number(i + 1) +
                   QStringLiteral(" ") + MessageValue::quoted(tokens.at(i).toString()) +
                   QStringLiteral(" is not ") +
                   MessageValue::quoted(keys.at(i) + QStringLiteral(":0")) +
                   QStringLiteral(" or ") + MessageValue::quoted(keys.at(i) + QStringLiteral(":1"));
        }
    }
    if (tokens.size() != keys.size()) {
        return valueText(value) + QStringLiteral(" has ") + QString::number(tokens.size()) +
               QStringLiteral(" tokens for ") + QString::number(keys.size()) +
               QStringLiteral(" items");
    }
    return QString();
}

QString bitProblem(const QString& value)
{
    if (value.isEmpty() || value == QLatin1String("0") || value == QLatin1String("1"))
        return QString();
    return valueText(value) + QStringLiteral(" is neither 0 nor 1");
}

} // namespace

DocumentValueChecker::DocumentValueChecker(const QDomDocument& document) : m_Document(document)
{
    m_Symbols.loadSymbols(document.documentElement());
}

QVector<DocumentValueChecker::Finding> DocumentValueChecker::findings() const
{
    return findings(SettingsModel::of(m_Document));
}

QVector<DocumentValueChecker::Finding>
DocumentValueChecker::findings(const SettingsModel& model) const
{
    QVector<Finding> found;
    for (const SettingsModel::Setting& setting : model.settings) {
        const QString problem = problemOf(setting.element);
        if (!problem.isEmpty()) {
            found.append({setting.element.lineNumber(),
                          MessageValue::shortened(SettingsModel::captionOf(setting.element)),
                          MessageValue::shortened(model.containers.at(setting.container).name),
                          problem});
        }
    }
    return found;
}

QString DocumentValueChecker::problemOf(const QDomElement& signal) const
{
    return problemOf(signal, m_Symbols);
}

QString DocumentValueChecker::problemOf(const QDomElement& signal, const SymbolTable& symbols)
{
    const QString value = signal.attribute(kValue);
    const TypeLine kind = typeLineFromType(signal.attribute(QStringLiteral("type")));
    // A line edit holds no more than this; the rest of a longer value would
    // be lost on the screen and on the next edit.
    const int editorLength = 32767;
    if ((kind == xmlnumber || kind == xmlstring) && value.size() > editorLength) {
        return valueText(value) + QStringLiteral(" is longer than the editor's ") +
               QString::number(editorLength) + QStringLiteral(" characters");
    }
    switch (kind) {
    case xmlnumber:
        return numberProblem(signal, value);
    case xmlstring:
        return stringProblem(signal, value, symbols);
    case xmlmacAddress: {
        // Without a default address the validators hold no state: one each
        // serves every value.
        static const MACValidator mac(nullptr, QString());
        return addressProblem(mac, value, 17, QStringLiteral("a MAC address"));
    }
    case xmlipAddress: {
        static const IP4Validator ip(nullptr, QString());
        return addressProblem(ip, value, 16, QStringLiteral("an IP address"));
    }
    case xmlenum:
        return enumProblem(signal, value);
    case xmlFlags:
        return flagsProblem(signal, value);
    case xmlbit:
        return bitProblem(value);
    case xmlnotset:
    case xmlunknown:
        break;
    }
    return QString();
}

QString DocumentValueChecker::stringProblem(const QDomElement& signal, const QString& value,
                                            const SymbolTable& symbols)
{
    const QString lenMax = signal.attribute(QStringLiteral("lenMax"));
    // The editor's maximal length: a negative one sets no limit.
    if (!lenMax.isEmpty() && lenMax.toInt() >= 0 && value.size() > lenMax.toInt()) {
        return valueText(value) + QStringLiteral(" is longer than lenMax ") + lenMax;
    }
    const QString letters = signal.attribute(QStringLiteral("letters"));
    const std::unique_ptr<QValidator> validator(newStringValidator(symbols.symbolCode(letters)));
    if (!validator)
        return QString();
    // The sets of letters refuse single characters: a value they take whole
    // holds none they refuse, and a load checks it in one call.
    QString whole = value;
    int wholePosition = 0;
    if (validator->validate(whole, wholePosition) != QValidator::Invalid)
        return QString();
    // Character by character, so that the finding names the refused one;
    // code points keep a surrogate pair whole.
    for (const uint codePoint : value.toUcs4()) {
        QString character = QString::fromUcs4(&codePoint, 1);
        int position = 0;
        if (validator->validate(character, position) == QValidator::Invalid) {
            return valueText(value) + QStringLiteral(" holds ") + MessageValue::quoted(character) +
                   QStringLiteral(", which letters ") + MessageValue::quoted(letters) +
                   QStringLiteral(" does not admit");
        }
    }
    return QString();
}
