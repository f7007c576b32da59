#include "document/ModelName.h"

QString modelNameOf(quint8 formatVerMaj)
{
    switch (formatVerMaj) {
    case 1:
        return QStringLiteral("ЛИР-1");
    case 2:
        return QStringLiteral("ЛИР-2");
    default:
        return QString();
    }
}
