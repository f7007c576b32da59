#include "merge/SettingsMerge.h"

#include "document/LoadedDocument.h"
#include "document/MessageValue.h"
#include "document/SettingsComparison.h"
#include "document/SettingsMatch.h"
#include "document/SettingsModel.h"
#include "document/SymbolTable.h"
#include "merge/SettingsCarry.h"
#include "merge/ValueCarry.h"

namespace {
using Setting = SettingsModel::Setting;

const QString kUnchanged = QStringLiteral("unchanged");
const QString kOurs = QStringLiteral("ours");
const QString kTheirs = QStringLiteral("theirs");
const QString kBoth = QStringLiteral("both");
const QString kConflict = QStringLiteral("conflict");
const QString kRefused = QStringLiteral("refused");
const QString kDropped = QStringLiteral("dropped");

QString quoted(const Setting* setting)
{
    if (!setting)
        return QStringLiteral("(none)");
    return MessageValue::quoted(setting->value);
}

// Whether `side` changed the value of `base`; a setting BASE lacks is a
// change.
bool changed(const Setting* base, const Setting& side)
{
    return !base || !SettingsComparison::sameValue(*base, side);
}

class Merger
{
public:
    Merger(const SettingsModel& base, const SettingsModel& ours, const SettingsModel& theirs,
           const SymbolTable& symbols)
        : m_Base(base), m_Ours(ours), m_Theirs(theirs), m_Symbols(symbols),
          m_BaseTheirs(base, theirs), m_OursTheirs(ours, theirs), m_BaseOurs(base, ours)
    {
        m_Report.declare({kUnchanged, kOurs, kTheirs, kBoth, kConflict, kRefused, kDropped});
    }

    CarryReport run()
    {
        for (int t = 0; t < m_Theirs.settings.size(); ++t)
            mergeSetting(t);
        for (int o = 0; o < m_Ours.settings.size(); ++o)
            dropIfChanged(o);
        return m_Report;
    }

private:
    void mergeSetting(int t)
    {
        const Setting& theirs = m_Theirs.settings.at(t);
        const int b = m_BaseTheirs.settingInA(t);
        const int o = m_OursTheirs.settingInA(t);
        const Setting* base = b >= 0 ? &m_Base.settings.at(b) : nullptr;
        const bool theirsChanged = changed(base, theirs);
        const bool oursChanged = o >= 0 && changed(base, m_Ours.settings.at(o));
        if (!oursChanged) {
            m_Report.count(theirsChanged ? kTheirs : kUnchanged);
            return;
        }
        const Setting& ours = m_Ours.settings.at(o);
        const QString path = m_Theirs.containers.at(theirs.container).path;
        const QString& label = m_OursTheirs.labelOfB(t);
        if (theirsChanged && SettingsComparison::sameValue(ours, theirs)) {
            m_Report.count(kBoth);
            return;
        }
        if (theirsChanged) {
            m_Report.count(kConflict);
            m_Report.add({kConflict, path, label,
                          QStringLiteral("base ") + quoted(base) + QStringLiteral(", ours ") +
                              quoted(&ours) + QStringLiteral(", theirs ") + quoted(&theirs)});
        }
        const ValueCarry::Result result = ValueCarry::carry(ours, theirs, m_Symbols);
        if (!theirsChanged)
            m_Report.count(result.outcome == ValueCarry::Outcome::Refused ? kRefused : kOurs);
        SettingsCarry::addLines(result, path, label, m_Report);
    }

    // A change of OURS to a setting THEIRS lacks has no place to go.
    void dropIfChanged(int o)
    {
        if (m_OursTheirs.settingInB(o) >= 0)
            return;
        const int b = m_BaseOurs.settingInA(o);
        const Setting& ours = m_Ours.settings.at(o);
        if (!changed(b >= 0 ? &m_Base.settings.at(b) : nullptr, ours))
            return;
        m_Report.count(kDropped);
        SettingsCarry::addDropped(ours, m_Ours.containers.at(ours.container).path,
                                  m_OursTheirs.labelOfA(o), m_Report);
    }

    const SettingsModel& m_Base;
    const SettingsModel& m_Ours;
    const SettingsModel& m_Theirs;
    const SymbolTable m_Symbols;
    const SettingsMatch m_BaseTheirs;
    const SettingsMatch m_OursTheirs;
    const SettingsMatch m_BaseOurs;
    CarryReport m_Report;
};
} // namespace

CarryReport SettingsMerge::merge(const SettingsModel& base, const SettingsModel& ours,
                                 LoadedDocument& theirs)
{
    return Merger(base, ours, theirs.model(), theirs.symbols()).run();
}
