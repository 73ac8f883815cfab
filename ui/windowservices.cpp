// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

namespace {

// A text prompt whose OK is refused while the text is: the prompt stays, with what was typed.
class CheckedTextDialog : public QInputDialog {
public:
    CheckedTextDialog(QWidget *parent, WindowServices::TextCheck accept)
        : QInputDialog(parent)
        , m_accept(std::move(accept))
    {
    }

    void done(int result) override
    {
        if (result == QDialog::Accepted && !m_accept(textValue()))
            return;
        QInputDialog::done(result);
    }

private:
    WindowServices::TextCheck m_accept;
};

} // namespace

std::optional<QString> WindowServices::askForText(QWidget *parent, const QString &label,
                                                  const QString &text, const TextCheck &accept)
{
    CheckedTextDialog dialog(parent, accept);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
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
