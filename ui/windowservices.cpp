#include "ui/windowservices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>

namespace cyclara {

namespace {

const QString caption = QStringLiteral("Cyclara");

} // namespace

void WindowServices::showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox::StandardButton WindowServices::askQuestion(QWidget *parent, QMessageBox::Icon icon,
                                                        const QString &text, Buttons buttons,
                                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

std::optional<QString> WindowServices::askForText(QWidget *parent, const QString &label,
                                                  const QString &text)
{
    bool accepted = false;
    const QString typed =
        QInputDialog::getText(parent, caption, label, QLineEdit::Normal, text, &accepted);
    return accepted ? std::optional(typed) : std::nullopt;
}

bool WindowServices::openInBrowser(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QString WindowServices::askForSavePath(QWidget *parent, const QString &caption,
                                       const QString &suggestedName, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

bool WindowServices::askForPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace cyclara
