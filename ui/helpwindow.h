// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace cyclara {

// The help window: the introduction to biorhythm theory in one read-only text box that always
// fills the window.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *owner);

    QPlainTextEdit *textBox() const { return m_textBox; }

private:
    QPlainTextEdit *m_textBox;
};

} // namespace cyclara
