#pragma once

#include <QString>

// The display name of the controller model whose documents carry the format
// version `formatVerMaj`: "ЛИР-1" for 1, "ЛИР-2" for 2, empty for any other.
QString modelNameOf(quint8 formatVerMaj);
