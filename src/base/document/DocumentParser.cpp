#include "document/DocumentParser.h"

#include "document/EntityCheck.h"
#include "document/MarkupCursor.h"
#include "document/NestingCheck.h"
#include "document/Utf8Check.h"

#include <QDomDocument>

QString DocumentParser::Result::message() const
{
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
    if (!document.setContent(text, false, &message, &line, &column)) {
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
    const Utf8Check::Result utf8 = Utf8Check::findInvalid(text);
    if (utf8.invalid) {
        result.reason = QStringLiteral("Недопустимая последовательность байтов в кодировке UTF-8");
        result.line = utf8.line;
        result.column = utf8.column;
        return false;
    }
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
