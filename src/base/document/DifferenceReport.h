#pragma once

#include "document/SettingsComparison.h"

#include <QString>
#include <QVector>

// The differences of two settings documents as text lines and as an HTML
// table. The lines read:
//   FIELD: A -> B                             the document element (formatVerMaj, symbols)
//   PATH / LABEL: A -> B                      a value
//   PATH / LABEL: declared FIELD: A -> B      a declaration (kind, min, items, ...)
//   PATH (container): declared FIELD: A -> B  a container's markup, compared as written
//   - PATH (container)   + PATH (container)   a container only in A / only in B
//   - PATH / LABEL: A    + PATH / LABEL: B    a setting only in A / only in B
// followed by " (hidden)", " (hidden in A)" or " (hidden in B)" for what is
// hidden right after a load.
class DifferenceReport
{
public:
    static QString line(const SettingsComparison::Difference& difference);
    // Every line, each ended by a line break.
    static QString text(const QVector<SettingsComparison::Difference>& differences);
    // A whole HTML page with one table row per line; `nameA` and `nameB`
    // head the value columns. Every text is escaped.
    static QString html(const QVector<SettingsComparison::Difference>& differences,
                        const QString& nameA, const QString& nameB);

private:
    static QString mark(const SettingsComparison::Difference& difference);
    static QString hiddenNote(const SettingsComparison::Difference& difference);
};
