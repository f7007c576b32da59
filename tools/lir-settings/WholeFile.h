#pragma once

#include <QByteArray>
#include <QString>

// Writing a file the tool produces: replaced as a whole or left as it was.
class WholeFile
{
public:
    // False, with the reason in `reason`, when `fileName` could not be
    // replaced; it then keeps its old contents.
    static bool save(const QString& fileName, const QByteArray& bytes, QString& reason);
};
