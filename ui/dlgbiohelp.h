#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace cyclara {

// The help window: the introduction to biorhythm theory in one read-only text box that always
// fills the window.
class dlgBioHelp : public QDialog {
    Q_OBJECT
public:
    explicit dlgBioHelp(QWidget *owner);

    QPlainTextEdit *Text1;
};

} // namespace cyclara
