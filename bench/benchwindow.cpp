// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"

#include <QTest>
#include <QWidget>

namespace cyclara::bench {

WindowServices quietServices(const QString &registerPath, int &messages)
{
    WindowServices services;
    services.today = [] {
        return fixedToday;
    };
    services.birthFilePath = registerPath;
    services.showMessage = [&messages](QWidget *, QMessageBox::Icon, const QString &) {
        ++messages;
    };
    services.openUrl = [](const QUrl &) {
        return true;
    };
    return services;
}

bool showAndWait(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace cyclara::bench
