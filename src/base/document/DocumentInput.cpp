#include "document/DocumentInput.h"

#include "document/DocumentParser.h"

#include <QDir>
#include <QFile>

namespace {
constexpr qint64 kChunkBytes = 64 * 1024;
} // namespace

bool DocumentInput::readFile(const QString& fileName, QByteArray& text, QString& reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    return read(file, text, reason);
}

bool DocumentInput::readStandardInput(QByteArray& text, QString& reason)
{
    QFile input;
    if (!input.open(0, QIODevice::ReadOnly)) {
        reason = input.errorString();
        return false;
    }
    return read(input, text, reason);
}

bool DocumentInput::read(QFile& file, QByteArray& text, QString& reason)
{
    // Read in pieces up to one byte past the bound: the size a pipe or a
    // device reports says nothing, and a regular file may still grow.
    QByteArray bytes;
    for (;;) {
        const qint64 room = DocumentParser::kMaxDocumentBytes + 1 - bytes.size();
        const QByteArray chunk = file.read(qMin(kChunkBytes, room));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
        if (bytes.size() > DocumentParser::kMaxDocumentBytes) {
            reason = tooLargeReason();
            return false;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return false;
    }
    text = bytes;
    return true;
}

QString DocumentInput::tooLargeReason()
{
    return QStringLiteral("Документ больше %1 МиБ (%2 байт)")
        .arg(DocumentParser::kMaxDocumentBytes >> 20)
        .arg(DocumentParser::kMaxDocumentBytes);
}

QString DocumentInput::cannotOpenText(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Не удалось открыть файл «") + QDir::toNativeSeparators(fileName) +
           QStringLiteral("»: ") + reason;
}
