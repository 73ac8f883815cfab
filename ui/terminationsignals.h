// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace cyclara {

// Turns SIGTERM, SIGINT and SIGHUP (a `kill`, Ctrl+C in a terminal, the end of the desktop
// session) into a Qt signal, so that the program can close its window the normal way and whatever
// it does on closing, such as saving the register, still happens. The system signal only leaves a
// byte in a socket; `requested` is emitted later from the event loop, where that is safe, after
// any open modal dialog has been closed (its own event loop would keep running otherwise).
//
// A signal that was ignored when it was made (SIGHUP under nohup) stays ignored. One instance at
// a time; the signals' previous handling comes back when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested();

private:
    void onSignalArrived();

    int m_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[3] = {};
};

} // namespace cyclara
