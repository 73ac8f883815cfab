// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probe: what a start of Cyclara does before the user can read the window, then exit.
// The window is the real one, with the register file given (startup_report writes one of 20
// people) and the day fixed; its load step reads the register and runs the first query, then the
// window is shown and its first frame drawn.
//   startup_cyclara <birth.ini> [frame.png]
#include "startupframe.h"
#include "translations/language.h"
#include "ui/applicationsetup.h"
#include "ui/biorhythmwindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const cyclara::InterfaceLanguage language(cyclara::languageForRun(QApplication::arguments()));
    cyclara::setUpApplication();

    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_cyclara <birth.ini> [frame.png]\n");
        return 2;
    }
    cyclara::WindowServices services;
    services.birthFilePath = QString::fromLocal8Bit(argv[1]);
    services.today = [] {
        return cyclara::bench::fixedToday;
    };

    cyclara::BiorhythmWindow window(services);
    const QString savePath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!cyclara::bench::finishFirstFrame(window, savePath) ||
        window.birthRegister().size() != 20) {
        std::fprintf(stderr, "startup_cyclara: the window did not start as it should\n");
        return 1;
    }
    return 0;
}
