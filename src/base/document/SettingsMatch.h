#pragma once

#include "document/SettingsModel.h"

#include <QHash>
#include <QString>
#include <QVector>

// Which containers and settings of two documents, A and B, are the same.
// Containers are matched by their path; settings by container path and name,
// where a name repeats within a container (on either side) the setting's key
// is added to it ("Name [key]"), and where name and key repeat as well, the
// second and later ones get "#2", "#3", ... Nothing is matched by guessing:
// a container that moved to another path is a different container.
class SettingsMatch
{
public:
    SettingsMatch(const SettingsModel& a, const SettingsModel& b);

    // The index on the other side, -1 when there is none.
    int containerInB(int containerOfA) const { return m_ContainerInB.at(containerOfA); }
    int containerInA(int containerOfB) const { return m_ContainerInA.at(containerOfB); }
    int settingInB(int settingOfA) const { return m_SettingInB.at(settingOfA); }
    int settingInA(int settingOfB) const { return m_SettingInA.at(settingOfB); }

    // The name a setting is matched by; in a container the other side lacks
    // a name repeats by that side's own settings alone.
    const QString& labelOfA(int settingOfA) const { return m_LabelsA.at(settingOfA); }
    const QString& labelOfB(int settingOfB) const { return m_LabelsB.at(settingOfB); }

    // The settings of each container, in document order.
    const QVector<int>& settingsOfA(int containerOfA) const { return m_SettingsA.at(containerOfA); }
    const QVector<int>& settingsOfB(int containerOfB) const { return m_SettingsB.at(containerOfB); }

private:
    static QVector<QVector<int>> byContainer(const SettingsModel& side);
    void label(const QVector<int>& inA, const QVector<int>& inB);
    void matchSettings(const QVector<int>& inA, const QVector<int>& inB);

    const SettingsModel& m_A;
    const SettingsModel& m_B;
    QVector<int> m_ContainerInB;
    QVector<int> m_ContainerInA;
    QVector<int> m_SettingInB;
    QVector<int> m_SettingInA;
    QVector<QString> m_LabelsA;
    QVector<QString> m_LabelsB;
    QVector<QVector<int>> m_SettingsA;
    QVector<QVector<int>> m_SettingsB;
};
