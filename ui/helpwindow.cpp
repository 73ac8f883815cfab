// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/helpwindow.h"

#include "data/cyclaratexts.h"
#include "ui/twips.h"
#include "ui/windowcontrols.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace cyclara {

HelpWindow::HelpWindow(QWidget *owner)
    : QDialog(owner)
    , m_textBox(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Cyclara - 帮助信息"));
    setWindowIcon(owner->windowIcon());
    setSizeGripEnabled(true);
    setModal(false);
    // Closing discards the window; the next help request builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    m_textBox->setFont(controlFont());
    m_textBox->setReadOnly(true);
    m_textBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QString text = cyclara::helpText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_textBox->setPlainText(text);
    m_textBox->setFocus();
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins({});
    fill->addWidget(m_textBox);

    resize(twipsToPixels(8685), twipsToPixels(6255));
}

} // namespace cyclara
