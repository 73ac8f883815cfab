// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace cyclara {

// Everything the main window reaches outside itself for. The defaults are the real services;
// tests hand in their own.
struct WindowServices {
    using Buttons = QMessageBox::StandardButtons;

    std::function<QDate()> today = &QDate::currentDate;
    // Empty: "birth.ini" beside the program, or in the user's data folder when that is read-only.
    QString birthFilePath;
    // A modal message box captioned "Cyclara" with an OK button.
    std::function<void(QWidget *parent, QMessageBox::Icon icon, const QString &text)> showMessage =
        &showMessageBox;
    // A modal question captioned "Cyclara" with `buttons`; returns the button chosen (Escape or
    // closing the box chooses Cancel or No).
    std::function<QMessageBox::StandardButton(QWidget *parent, QMessageBox::Icon icon,
                                              const QString &text, Buttons buttons,
                                              QMessageBox::StandardButton defaultButton)>
        ask = &askQuestion;
    // A modal one-line text prompt captioned "Cyclara"; nothing when the user cancels. OK closes
    // it only when `accept` takes the text typed; a text refused (accept says why to the user)
    // stays in the prompt to be mended.
    using TextCheck = std::function<bool(const QString &typed)>;
    std::function<std::optional<QString>(QWidget *parent, const QString &label, const QString &text,
                                         const TextCheck &accept)>
        askText = &askForText;
    // Opens an address in the user's web browser without waiting for it.
    std::function<bool(const QUrl &url)> openUrl = &openInBrowser;
    // A save-file dialog captioned `caption`, starting at `suggestedName`; the path chosen, empty
    // when the user cancels.
    std::function<QString(QWidget *parent, const QString &caption, const QString &suggestedName,
                          const QString &filter)>
        askSavePath = &askForSavePath;
    // A print dialog for `printer` (a printer, or a PDF file); false when the user cancels.
    std::function<bool(QWidget *parent, QPrinter &printer)> askPrinter = &askForPrinter;

    static void showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text);
    static QMessageBox::StandardButton askQuestion(QWidget *parent, QMessageBox::Icon icon,
                                                   const QString &text, Buttons buttons,
                                                   QMessageBox::StandardButton defaultButton);
    static std::optional<QString> askForText(QWidget *parent, const QString &label,
                                             const QString &text, const TextCheck &accept);
    static bool openInBrowser(const QUrl &url);
    static QString askForSavePath(QWidget *parent, const QString &caption,
                                  const QString &suggestedName, const QString &filter);
    static bool askForPrinter(QWidget *parent, QPrinter &printer);
};

} // namespace cyclara
