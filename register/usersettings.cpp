// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/usersettings.h"

#include <QSettings>
#include <QStringList>

namespace cyclara {

namespace {

const QString furtherCyclesKey = QStringLiteral("chart/furtherCycles");

// ~/.config/Cyclara/settings.ini (or where XDG_CONFIG_HOME says).
QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Cyclara"),
                     QStringLiteral("settings"));
}

} // namespace

FurtherCycles savedFurtherCycles()
{
    // A setting someone edited into nonsense turns nothing on.
    return furtherCyclesFromKeys(userSettings().value(furtherCyclesKey).toStringList())
        .value_or(FurtherCycles());
}

bool saveFurtherCycles(const FurtherCycles &cycles)
{
    QStringList keys;
    for (const FurtherCycle cycle : cycles)
        keys << furtherCycleKey(cycle);
    QSettings settings = userSettings();
    settings.setValue(furtherCyclesKey, keys);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace cyclara
