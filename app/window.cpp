// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window, in a module of its own that `cyclara` opens only when a window is asked for: the
// command line never loads Qt Widgets, Qt GUI or anything else of the window.
#include "cli/commandline.h"
#include "cli/commandoptions.h"
#include "translations/language.h"
#include "ui/applicationsetup.h"
#include "ui/biorhythmwindow.h"
#include "ui/displayguard.h"
#include "ui/terminationsignals.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

// Qt's warnings (a missing XDG_RUNTIME_DIR, an accessibility bus that is not there) mean nothing
// to the user of a window; they reach the terminal only when a developer asks for Qt's messages
// through QT_LOGGING_RULES. Fatal ones still end the program as Qt means them to.
QtMessageHandler qtOwn = nullptr;

void keepQtQuiet(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    static const bool asked = qEnvironmentVariableIsSet("QT_LOGGING_RULES");
    if (type == QtFatalMsg || asked)
        qtOwn(type, context, text);
}

} // namespace

extern "C" Q_DECL_EXPORT int cyclaraRunWindow(int argc, char *argv[])
{
    // A --show-date that is no date is told as such, also where no window could open.
    if (const int status = cyclara::refuseWindowArguments(argc, argv))
        return status;
    qtOwn = qInstallMessageHandler(&keepQtQuiet);
    auto displayGuard = std::make_unique<cyclara::DisplayGuard>(argc, argv);
    QApplication app(argc, argv);
    displayGuard.reset();
    const cyclara::InterfaceLanguage language(cyclara::languageForRun(QApplication::arguments()));
    if (const auto problem = cyclara::windowArgumentProblem(QApplication::arguments())) {
        const QByteArray line = cyclara::problemLine(*problem);
        // Nothing is left to tell when standard error fails too.
        [[maybe_unused]] const std::size_t written =
            std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
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
