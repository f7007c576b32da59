#include "document/DocumentParser.h"

#include "document/DocumentInput.h"
#include "document/EntityCheck.h"
#include "document/MarkupCursor.h"
#include "document/NestingCheck.h"
#include "document/NulCheck.h"
#include "document/Utf8Check.h"

#include <QDomDocument>

QString DocumentParser::Result::message() const
{
    if (line == 0)
        return reason;
    return reason + QStringLiteral(" line=") + QString::number(line) + QStringLiteral(" col=") +
           QString::number(column);
}

QString DocumentParser::errorTitle()
{
    return QStringLiteral("Ошибка Открытия файла");
}

DocumentParser::Result DocumentParser::parse(const QByteArray& text, QDomDocument& document)
{
    document = QDomDocument();
    Result result;
    if (!precheck(text, result))
        return result;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(markedUtf16(text), false, &message, &line, &column)) {
        // The parser leaves what it read before the fault; none of it is
        // part of a document.
        document = QDomDocument();
        result.reason = message;
        result.line = line;
        result.column = column;
        return result;
    }
    result.parsed = true;
    return result;
}

bool DocumentParser::precheck(const QByteArray& text, Result& result)
{
    if (text.size() > kMaxDocumentBytes) {
        result.reason = DocumentInput::tooLargeReason();
        return false;
    }
    return checkCharacters(text, result) && checkEntitiesAndNesting(text, result);
}

bool DocumentParser::checkCharacters(const QByteArray& text, Result& result)
{
    const Utf8Check::Result utf8 = Utf8Check::findInvalid(text);
    if (utf8.invalid) {
        result.reason = QStringLiteral("Недопустимая последовательность байтов в кодировке UTF-8");
        result.line = utf8.line;
        result.column = utf8.column;
        return false;
    }
    const NulCheck::Result nul = NulCheck::find(text);
    if (nul.found) {
        result.reason = QStringLiteral("Недопустимый символ NUL (код 0)");
        result.line = nul.line;
        result.column = nul.column;
        return false;
    }
    return true;
}

bool DocumentParser::checkEntitiesAndNesting(const QByteArray& text, Result& result)
{
    // The entities go first: the depth check's own reader expands them. A
    // text without a declaration of them is not decoded for the measure.
    const bool mayDeclare = text.contains("<!ENTITY") || !Utf8Check::keepsAscii(text);
    const EntityCheck::Result entities =
        mayDeclare ? EntityCheck::check(MarkupCursor::decode(text), kMaxEntityExpansion)
                   : EntityCheck::Result();
    if (entities.fault != EntityCheck::Fault::None) {
        result.reason = entities.fault == EntityCheck::Fault::TooLarge
                            ? QStringLiteral("Слишком большая подстановка сущностей (больше ") +
                                  QString::number(kMaxEntityExpansion) +
                                  QStringLiteral(" символов)")
                            : QStringLiteral("Сущности с разметкой и параметрические сущности не "
                                             "поддерживаются");
        result.line = entities.line;
        result.column = entities.column;
        return false;
    }
    const NestingCheck::Result nesting = NestingCheck::findTooDeep(text, kMaxNestingDepth);
    if (nesting.tooDeep) {
        result.reason = QStringLiteral("Слишком глубокая вложенность элементов (больше ") +
                        QString::number(kMaxNestingDepth) + QStringLiteral(" уровней)");
        result.line = nesting.line;
        result.column = nesting.column;
        return false;
    }
    return true;
}

QByteArray DocumentParser::markedUtf16(const QByteArray& text)
{
    // Without a mark the parser reads a declared "UTF-16" in the byte order
    // of the machine, so one of the two orders would fail. The first two
    // characters ("<?" or "<l") tell the order, and tell UTF-16 from UTF-32.
    if (text.size() < 4)
        return text;
    const char* bytes = text.constData();
    if (bytes[0] == '\0' && bytes[1] == '<' && bytes[2] == '\0' && bytes[3] != '\0')
        return "\xFE\xFF" + text;
    if (bytes[0] == '<' && bytes[1] == '\0' && bytes[2] != '\0' && bytes[3] == '\0')
        return "\xFF\xFE" + text;
    return text;
}
