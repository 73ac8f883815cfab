// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace cyclara {

class ExplanationPanel;

// What a screen reader gets from the explanation panel, where the keyboard walks the days: a
// panel (not a frame, which screen readers take for a window of its own) described by the
// selected day as the status line tells it, with the days of the chart as its items, the selected
// one selected. Installed once, before the first panel is made.
void describeDayPanels();

// Makes a screen reader say the panel's selected day now, while the panel has the focus: the
// day's item is reported as the focus. (Qt 6.4 sends a description change without its text, and a
// screen reader says nothing of it.)
void announceSelectedDay(ExplanationPanel *panel);

} // namespace cyclara
