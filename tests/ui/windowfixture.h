#pragma once

#include "translations/language.h"
#include "ui/frmbiorhythm.h"

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace cyclara::test {

// A main window with a fixed today, a register file in a temporary folder, and message boxes and
// the browser recorded instead of shown; in the language the program would choose (ctest runs
// the tests in Simplified Chinese, and some in the other languages too).
struct WindowFixture {
    explicit WindowFixture(const QByteArray &registerBytes = {}, QDate fixedToday = {2026, 12, 6})
        : today(fixedToday)
    {
        static const InterfaceLanguage language(languageForRun(QCoreApplication::arguments()));
        if (!registerBytes.isNull()) {
            QFile file(registerPath());
            if (file.open(QIODevice::WriteOnly))
                file.write(registerBytes);
        }
    }

    // Services that record what the window says and asks, and answer as the test set up.
    WindowServices services()
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
        services.ask = [this](QWidget *, QMessageBox::Icon, const QString &text,
                              WindowServices::Buttons, QMessageBox::StandardButton) {
            questions << text;
            if (beforeAnswer)
                std::exchange(beforeAnswer, {})();
            return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
        };
        services.askText = [this](QWidget *, const QString &label, const QString &) {
            prompts << label;
            return std::exchange(typedAnswer, std::nullopt);
        };
        services.openUrl = [this](const QUrl &url) {
            openedUrls << url;
            return browserWorks;
        };
        services.askSavePath = [this](QWidget *, const QString &, const QString &,
                                      const QString &) {
            return savePath;
        };
        services.askPrinter = [this](QWidget *, QPrinter &printer) {
            return choosePrinter && choosePrinter(printer);
        };
        return services;
    }

    frmBiorhythm &open(bool shown = false)
    {
        window = std::make_unique<frmBiorhythm>(services());
        if (shown)
            showAndActivate(window.get());
        return *window;
    }

    static void showAndActivate(QWidget *w)
    {
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("the main window did not become active");
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
    // Questions asked, answered in turn from `answers` (Cancel when it runs out); `beforeAnswer`
    // runs once, at the next question, as if the user did something before answering.
    QStringList questions;
    QList<QMessageBox::StandardButton> answers;
    std::function<void()> beforeAnswer;
    // Text prompts shown, answered once with `typedAnswer` (nothing: cancelled).
    QStringList prompts;
    std::optional<QString> typedAnswer;
    // What the save and print dialogs choose: a path (empty: cancelled), a printer set up.
    QString savePath;
    std::function<bool(QPrinter &)> choosePrinter;
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
