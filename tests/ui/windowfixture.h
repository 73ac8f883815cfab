#pragma once

#include "ui/frmbiorhythm.h"

#include <QApplication>
#include <QByteArray>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace cyclara::test {

// A main window with a fixed today, a register file in a temporary folder, and message boxes and
// the browser recorded instead of shown.
struct WindowFixture {
    explicit WindowFixture(const QByteArray &registerBytes = {}, QDate fixedToday = {2026, 12, 6})
        : today(fixedToday)
    {
        if (!registerBytes.isNull()) {
            QFile file(registerPath());
            if (file.open(QIODevice::WriteOnly))
                file.write(registerBytes);
        }
    }

    frmBiorhythm &open(bool shown = false)
    {
        WindowServices services;
        services.today = [this] {
            return today;
        };
        services.birthFilePath = registerPath();
        services.showMessage = [this](QWidget *, QMessageBox::Icon icon, const QString &text) {
            messages << text;
            icons << icon;
        };
        services.openUrl = [this](const QUrl &url) {
            openedUrls << url;
            return browserWorks;
        };
        window = std::make_unique<frmBiorhythm>(services);
        if (shown) {
            window->show();
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window.get()))
                qWarning("the main window did not become active");
        }
        return *window;
    }

    QString registerPath() const { return dir.filePath(QStringLiteral("birth.ini")); }

    QByteArray registerBytes() const
    {
        QFile file(registerPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QDate today;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QList<QUrl> openedUrls;
    bool browserWorks = true;
    std::unique_ptr<frmBiorhythm> window;
};

// Types into a picker's text field as a user does: ASCII with real key events, anything else
// committed by an input method, as a Chinese keyboard delivers it.
inline void typeText(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QApplication::sendEvent(field, &commit);
        }
    }
}

// Replaces a picker's text as a user does: the picker takes the focus, everything is selected
// and deleted, and the new text is typed; the picker hands the keys to its text field.
inline void typeInto(QComboBox *picker, const QString &text)
{
    picker->setFocus();
    picker->lineEdit()->selectAll();
    QTest::keyClick(picker, Qt::Key_Delete);
    typeText(picker, text);
}

// Register text as a GBK system writes it.
inline QByteArray gbk(const QString &text)
{
    return QStringEncoder("GB18030").encode(text);
}

// The control that has the focus, named as the window names it (an editable drop-down's text
// field counts as the drop-down).
inline QString focusedControl()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox *>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

} // namespace cyclara::test
