// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/terminationsignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace cyclara {

namespace {

constexpr std::array<int, 3> handledSignals{SIGTERM, SIGINT, SIGHUP};

// Where the handler writes; -1 while no instance is listening.
volatile std::sig_atomic_t signalFd = -1;

void onSignal(int signalNumber)
{
    // Only async-signal-safe calls here: write() one byte, keeping errno as it was.
    const int savedErrno = errno;
    const int fd = signalFd;
    if (fd >= 0) {
        const char byte = char(signalNumber);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (signalFd >= 0) {
        qWarning("TerminationSignals: another instance is already listening");
        return;
    }
    // Non-blocking, so that a flood of signals can never block the handler.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_fds) != 0) {
        qWarning("TerminationSignals: no socket pair, signals end the program as before");
        m_fds[0] = m_fds[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onSignalArrived);
    signalFd = m_fds[0];

    struct sigaction action = {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < handledSignals.size(); ++i) {
        ::sigaction(handledSignals[i], nullptr, &m_previous[i]);
        // A signal the caller chose to ignore stays ignored: under nohup, the end of the
        // terminal's session must not close the window.
        if (m_previous[i].sa_handler != SIG_IGN)
            ::sigaction(handledSignals[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < handledSignals.size(); ++i)
        ::sigaction(handledSignals[i], &m_previous[i], nullptr);
    signalFd = -1;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void TerminationSignals::onSignalArrived()
{
    char bytes[64];
    while (::read(m_fds[1], bytes, sizeof bytes) > 0) {
    }
    for (int i = 0; i < 8; ++i) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->close())
            break;
    }
    emit requested();
}

} // namespace cyclara
