#pragma once

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace cyclara {

// Everything the main window reaches outside itself for. The defaults are the real services;
// tests hand in their own.
struct WindowServices {
    std::function<QDate()> today = &QDate::currentDate;
    // Empty: "birth.ini" beside the program, or in the user's data folder when that is read-only.
    QString birthFilePath;
    // A modal message box captioned "Cyclara" with an OK button.
    std::function<void(QWidget *parent, QMessageBox::Icon icon, const QString &text)> showMessage =
        &showMessageBox;
    // Opens an address in the user's web browser without waiting for it.
    std::function<bool(const QUrl &url)> openUrl = &openInBrowser;

    static void showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text);
    static bool openInBrowser(const QUrl &url);
};

} // namespace cyclara
