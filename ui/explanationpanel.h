#pragma once

#include <QFrame>

namespace cyclara {

// The sunken panel below the chart. It is a tab stop, so it shows when it has the keyboard focus
// with the style's focus frame inside its border.
class ExplanationPanel : public QFrame {
    Q_OBJECT
public:
    explicit ExplanationPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace cyclara
