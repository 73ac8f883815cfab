// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupframe.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace cyclara::bench {

bool finishFirstFrame(QWidget &window, const QString &savePath)
{
    window.show();
    QApplication::processEvents();
    const QPixmap frame = window.grab();
    return !frame.isNull() && (savePath.isEmpty() || frame.save(savePath, "PNG"));
}

} // namespace cyclara::bench
