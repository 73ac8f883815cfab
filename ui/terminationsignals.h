#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <csignal>

class QSocketNotifier;

namespace cyclara {

// Closes a window the normal way when the process is asked to end by SIGTERM, SIGINT or SIGHUP (a
// `kill`, Ctrl+C in a terminal, the end of the desktop session), so that whatever the window does
// on closing, such as saving the register, still happens. The signal only leaves a byte in a
// socket; the window is closed later from the event loop, where that is safe.
//
// One instance at a time; the signals' previous handling comes back when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QWidget *window, QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Whether the handlers are in place (false when the socket could not be made).
    bool isActive() const { return m_notifier != nullptr; }

private:
    void onSignalArrived();

    QPointer<QWidget> m_window;
    int m_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[3] = {};
};

} // namespace cyclara
