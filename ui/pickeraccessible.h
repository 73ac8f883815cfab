// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QComboBox;

namespace cyclara {

// What a screen reader gets from the window's drop-downs. Qt's own drop-down interface names a
// box by the value it shows (on Linux it leaves the name to label relations), so the window's
// boxes get an interface of their own that is named by what the box is for (出生年, 姓名, …)
// and otherwise gives what Qt's gives: the value shown, the popup list (and an editable box's
// field) as children, the press and show-list actions, and the expandable, expanded and editable
// states. A list-only box also holds its value as read-only text: that is where a screen reader
// looks for a list-only box's value. Installed once, before the first drop-down is made.
void nameDropDownsByWhatTheyAre();

// Makes a screen reader say a list-only box's new value when the arrow keys change it while its
// list is closed: the new item of the hidden list is reported as the focus. (Qt reports only a
// name change, which screen readers take for noise on a drop-down.)
void announceValueChanges(QComboBox *box);

} // namespace cyclara
