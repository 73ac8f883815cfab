// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "startupframe.h"
#include "ui/windowservices.h"

#include <QString>

class QWidget;

namespace cyclara::bench {

// Services for a window under measurement: the register at `registerPath`, a fixed day, no
// browser, and messages counted in `messages` instead of shown.
WindowServices quietServices(const QString &registerPath, int &messages);

// Shows the window and waits until it is on the (offscreen) screen.
bool showAndWait(QWidget &window);

} // namespace cyclara::bench
