// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace cyclara {

// What a screen reader gets from the widgets where the keyboard walks days, the explanation panel
// and the people window's chart: the widget (a panel, not a frame, which screen readers take for
// a window of its own; or a chart) described by the selected day as the window tells it, with the
// days as its items, the selected one selected. Installed once, before the first such widget is
// made.
void describeDayPanels();

// Makes a screen reader say the widget's selected day now, while the widget has the focus: the
// day's item is reported as the focus. (Qt 6.4 sends a description change without its text, and a
// screen reader says nothing of it.)
void announceSelectedDay(QWidget *walked);

} // namespace cyclara
