// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window, in a module of its own that `cyclara` opens only when a window is asked for: the
// command line never loads Qt Widgets, Qt GUI or anything else of the window.
#include "cli/commandline.h"
#include "translations/language.h"
#include "ui/applicationsetup.h"
#include "ui/biorhythmwindow.h"
#include "ui/displayguard.h"
#include "ui/terminationsignals.h"

#include <QApplication>

#include <cstdio>
#include <memory>

extern "C" Q_DECL_EXPORT int cyclaraRunWindow(int argc, char *argv[])
{
    auto displayGuard = std::make_unique<cyclara::DisplayGuard>(argc, argv);
    QApplication app(argc, argv);
    displayGuard.reset();
    const cyclara::InterfaceLanguage language(cyclara::languageForRun(QApplication::arguments()));
    if (const auto problem = cyclara::windowArgumentProblem(QApplication::arguments())) {
        std::fprintf(stderr, "cyclara: %s\n", qUtf8Printable(*problem));
        return 2;
    }
    cyclara::setUpApplication();

    cyclara::BiorhythmWindow window;
    const cyclara::WindowStart start = cyclara::windowStart(QApplication::arguments());
    window.showPersonOnDay(start.name, start.date);
    cyclara::TerminationSignals termination;
    QObject::connect(&termination, &cyclara::TerminationSignals::requested, &window,
                     &cyclara::BiorhythmWindow::closeUnattended);
    window.show();
    const int status = QApplication::exec();
    // A register that could not be saved is a failure, also for whoever started the program.
    return window.registerWasSaved() ? status : 1;
}
