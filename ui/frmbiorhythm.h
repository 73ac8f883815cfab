#pragma once

#include <QWidget>

namespace cyclara {

class frmBiorhythm : public QWidget {
    Q_OBJECT
public:
    explicit frmBiorhythm(QWidget *parent = nullptr);
};

} // namespace cyclara
