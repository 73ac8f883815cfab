// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/displayguard.h"

#include "translations/language.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace cyclara {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// The guard's line, already in the user's language: no translator can be installed before the
// application exists.
QByteArray noDisplayLine;
QList<HeldMessage> held;
QtMessageHandler passedOn = nullptr;
// Standard error itself while the guard lives; meanwhile it leads nowhere, as libraries below Qt
// (libwayland-client, finding no XDG_RUNTIME_DIR) write their complaints there directly.
int standardError = -1;

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category), text});
        return;
    }
    [[maybe_unused]] const ssize_t written =
        ::write(standardError, noDisplayLine.constData(), std::size_t(noDisplayLine.size()));
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    static const char *const line = QT_TRANSLATE_NOOP(
        "DisplayGuard", "无法打开窗口：没有可用的显示（请检查 DISPLAY 或 WAYLAND_DISPLAY）；"
                        "不用窗口的用法见 cyclara --help");
    QString text = QString::fromUtf8(line);
    QTranslator translator;
    if (translator.load(interfaceLocale(languageForRun(arguments)), QStringLiteral("cyclara"),
                        QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        if (const QString translated = translator.translate("DisplayGuard", line);
            !translated.isEmpty())
            text = translated;
    }
    noDisplayLine = "cyclara: " + text.toUtf8() + '\n';
    passedOn = qInstallMessageHandler(&holdOrEnd);
    standardError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC); nowhere >= 0) {
        if (standardError >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
    // Without a copy of standard error, it stays as it is.
    if (standardError < 0)
        standardError = STDERR_FILENO;
}

DisplayGuard::~DisplayGuard()
{
    if (standardError != STDERR_FILENO) {
        ::dup2(standardError, STDERR_FILENO);
        ::close(standardError);
    }
    standardError = -1;
    qInstallMessageHandler(passedOn);
    for (const HeldMessage &message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        passedOn(message.type, context, message.text);
    }
}

} // namespace cyclara
