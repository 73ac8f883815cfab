// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/applicationsetup.h"

#include <QApplication>

namespace cyclara {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Cyclara"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.cyclara.Cyclara"));
}

} // namespace cyclara
