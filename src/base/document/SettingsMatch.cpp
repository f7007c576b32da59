#include "document/SettingsMatch.h"

namespace {
using Setting = SettingsModel::Setting;

// Counts how often each name stands among `settings`.
QHash<QString, int> nameCounts(const SettingsModel& side, const QVector<int>& settings)
{
    QHash<QString, int> counts;
    for (int s : settings)
        ++counts[side.settings.at(s).name];
    return counts;
}

template <typename Repeated>
void labelSide(const SettingsModel& side, const QVector<int>& settings, const Repeated& repeated,
               QVector<QString>& labels)
{
    QHash<QString, int> seen;
    for (int s : settings) {
        const Setting& setting = side.settings.at(s);
        QString label = setting.name;
        if (repeated(setting.name))
            label += QStringLiteral(" [") + setting.key + QLatin1Char(']');
        const int count = ++seen[label];
        if (count > 1)
            label += QStringLiteral(" #") + QString::number(count);
        labels[s] = label;
    }
}
} // namespace

SettingsMatch::SettingsMatch(const SettingsModel& a, const SettingsModel& b)
    : m_A(a), m_B(b), m_ContainerInB(a.containers.size(), -1),
      m_ContainerInA(b.containers.size(), -1), m_SettingInB(a.settings.size(), -1),
      m_SettingInA(b.settings.size(), -1), m_LabelsA(a.settings.size()),
      m_LabelsB(b.settings.size()), m_SettingsA(byContainer(a)), m_SettingsB(byContainer(b))
{
    QHash<QString, int> pathsOfB;
    for (int c = 0; c < b.containers.size(); ++c)
        pathsOfB.insert(b.containers.at(c).path, c);
    for (int ca = 0; ca < a.containers.size(); ++ca) {
        const int cb = pathsOfB.value(a.containers.at(ca).path, -1);
        m_ContainerInB[ca] = cb;
        if (cb < 0) {
            label(m_SettingsA.at(ca), {});
            continue;
        }
        m_ContainerInA[cb] = ca;
        label(m_SettingsA.at(ca), m_SettingsB.at(cb));
        matchSettings(m_SettingsA.at(ca), m_SettingsB.at(cb));
    }
    for (int cb = 0; cb < b.containers.size(); ++cb) {
        if (m_ContainerInA.at(cb) < 0)
            label({}, m_SettingsB.at(cb));
    }
}

QVector<QVector<int>> SettingsMatch::byContainer(const SettingsModel& side)
{
    QVector<QVector<int>> settings(side.containers.size());
    for (int s = 0; s < side.settings.size(); ++s)
        settings[side.settings.at(s).container].append(s);
    return settings;
}

void SettingsMatch::label(const QVector<int>& inA, const QVector<int>& inB)
{
    const QHash<QString, int> namesA = nameCounts(m_A, inA);
    const QHash<QString, int> namesB = nameCounts(m_B, inB);
    const auto repeated = [&](const QString& name) {
        return namesA.value(name) > 1 || namesB.value(name) > 1;
    };
    labelSide(m_A, inA, repeated, m_LabelsA);
    labelSide(m_B, inB, repeated, m_LabelsB);
}

void SettingsMatch::matchSettings(const QVector<int>& inA, const QVector<int>& inB)
{
    QHash<QString, int> byLabel;
    for (int s : inB)
        byLabel.insert(m_LabelsB.at(s), s);
    for (int sa : inA) {
        const int sb = byLabel.value(m_LabelsA.at(sa), -1);
        if (sb < 0)
            continue;
        m_SettingInB[sa] = sb;
        m_SettingInA[sb] = sa;
    }
}
