#include "tools/lir-settings/WholeFile.h"

#include <QSaveFile>

bool WholeFile::save(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    QSaveFile file(fileName);
    // Writing in place would leave a half-written file behind a failure.
    file.setDirectWriteFallback(false);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    reason = file.errorString();
    return false;
}
