// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace cyclara {

// Qt ends a program that finds no display (none set, or one that is gone) with an abort and a
// paragraph about platform plugins. While a DisplayGuard lives, around the making of the
// QApplication, that end is one line on standard error in the user's language instead, and exit
// status 1. Qt's other messages of that moment are held back and passed on when the guard goes;
// what the libraries below Qt write to standard error themselves is dropped.
// One at a time.
class DisplayGuard {
public:
    DisplayGuard(int argc, const char *const *argv);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace cyclara
