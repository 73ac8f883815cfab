// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/cyclechart.h"
#include "model/daytablemodel.h"
#include "smalldisk.h"
#include "translations/language.h"
#include "ui/biorhythmwindow.h"
#include "ui/datepickers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>
#include <utility>

namespace cyclara::test {

// A main window with a fixed today, its register in a temporary folder, and its message boxes,
// dialogs and browser recorded instead of shown.
struct WindowFixture {
    explicit WindowFixture(const QByteArray &registerBytes = {}, QDate fixedToday = {2026, 12, 6})
        : today(fixedToday)
    {
        static const InterfaceLanguage language(languageForRun(QCoreApplication::arguments()));
        // The further cycles turned on are the fixture's settings, never the account's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        if (!registerBytes.isNull() && !writeRegister(registerBytes))
            qWarning("the register file could not be written");
    }

    BiorhythmWindow &open(bool shown = false)
    {
        WindowServices services;
        services.today = [this] {
            return today;
        };
        services.birthFilePath = registerPath();
        services.showMessage = [this](QWidget *, QMessageBox::Icon, const QString &text) {
            messages << text;
        };
        services.ask = [this](QWidget *, QMessageBox::Icon, const QString &text,
                              WindowServices::Buttons, QMessageBox::StandardButton) {
            questions << text;
            return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
        };
        services.askText = [this](QWidget *, const QString &, const QString &,
                                  const WindowServices::TextCheck &accept) {
            // Each answer is typed over the last and OK pressed; the prompt stays while refused.
            while (!typedAnswers.isEmpty()) {
                const QString typed = typedAnswers.takeFirst();
                if (accept(typed))
                    return std::optional(typed);
            }
            return std::optional<QString>();
        };
        services.openUrl = [this](const QUrl &url) {
            openedUrls << url;
            return false;
        };
        services.askSavePath = [this](QWidget *, const QString &, const QString &suggested,
                                      const QString &) {
            suggestedNames << suggested;
            return savePath;
        };
        services.askPrinter = [this](QWidget *, QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printPath);
            return !printPath.isEmpty();
        };
        window = std::make_unique<BiorhythmWindow>(services);
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

    [[nodiscard]] bool writeRegister(const QByteArray &bytes) const
    {
        return writeFile(registerPath(), bytes);
    }

    QByteArray registerBytes() const { return readFile(registerPath()); }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QDate today;
    QStringList messages;
    QList<QUrl> openedUrls; // the browser never opens: nothing may be said about it
    // Questions asked, answered in turn from `answers` (Cancel when it runs out).
    QStringList questions;
    QList<QMessageBox::StandardButton> answers;
    QStringList typedAnswers;   // typed into the next text prompt in turn (run out: cancelled)
    QString savePath;           // what the save dialog chooses (empty: cancelled)
    QStringList suggestedNames; // the file names the save dialog was opened with
    QString printPath;          // the PDF file the print dialog prints to (empty: cancelled)
    std::unique_ptr<BiorhythmWindow> window;
};

// Replaces a picker's text as a user does; what is not ASCII comes from an input method, as a
// Chinese keyboard delivers it.
inline void typeInto(QComboBox *picker, const QString &text)
{
    picker->setFocus();
    picker->lineEdit()->selectAll();
    QTest::keyClick(picker, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(picker, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QApplication::sendEvent(picker, &commit);
        }
    }
}

inline void chooseFromMenu(QWidget *control, const QString &action)
{
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            control->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(control, &click);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    const QList<QAction *> items = menu->actions();
    const auto item = std::ranges::find(items, action, &QAction::text);
    QVERIFY2(item != items.end() && (*item)->isEnabled(), qPrintable(action));
    menu->setActiveAction(*item);
    QTest::keyClick(menu, Qt::Key_Return);
}

// A window opened by `keys` on `from` and made active, where the keys go; null when none opens.
template <typename Window> Window *openedBy(QWidget *from, QKeyCombination keys)
{
    from->setFocus();
    QTest::keyClick(from, keys.key(), keys.keyboardModifiers());
    auto *opened = from->window()->findChild<Window *>();
    if (!opened || !opened->isVisible())
        return nullptr;
    opened->activateWindow();
    return QTest::qWaitFor([opened] { return opened->isActiveWindow(); }) ? opened : nullptr;
}

inline void pressInOpenList(QComboBox *picker, int row, Qt::Key key,
                            Qt::KeyboardModifiers modifiers = {})
{
    picker->setFocus();
    picker->showPopup();
    QAbstractItemView *list = picker->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, key, modifiers);
}

inline void queryFor(BiorhythmWindow &w, QDate birth)
{
    setPickerText(w.birthYear, QString::number(birth.year()));
    w.birthMonth->setCurrentIndex(birth.month() - 1);
    w.birthDay->setCurrentIndex(birth.day() - 1);
    w.queryButton->click();
}

inline QStringList listed(const QComboBox *picker)
{
    QStringList items;
    for (int i = 0; i < picker->count(); ++i)
        items << picker->itemText(i);
    return items;
}

// Register text as a GBK system writes it.
inline QByteArray gbk(const QString &text)
{
    return QStringEncoder("GB18030").encode(text);
}

// The control that has the focus (an editable drop-down's text field counts as the drop-down).
inline QWidget *focusedControl()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox *>(w->parentWidget()))
        w = w->parentWidget();
    return w;
}

// The contrast of two colours as WCAG 2 reckons it, from 1 to 21.
inline double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline int pixelsNear(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                         std::abs(c.blue() - colour.blue()) <
                     60;
        }
    }
    return count;
}

inline QPushButton *button(QWidget *window, const QString &text)
{
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    const auto found = std::ranges::find(buttons, text, &QPushButton::text);
    return found == buttons.end() ? nullptr : *found;
}

// A PDF file's pages, and its text as pdftotext (poppler-utils) reads it back with `options`.
inline qsizetype pdfPages(const QString &path)
{
    return QString::fromLatin1(WindowFixture::readFile(path))
        .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
}

inline QString pdfText(const QString &path, QStringList options = {})
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), options << path << QStringLiteral("-"));
    if (!pdftotext.waitForFinished())
        qWarning("pdftotext (poppler-utils) does not read the page");
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace cyclara::test

using namespace Qt::StringLiterals;
using namespace cyclara;
using namespace cyclara::test;
