// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up baseline, an outside reference: a plain Qt Widgets window with a drop-down of 121 items
// and one Chinese label in the system's CJK face, shown and painted once.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.resize(733, 591);
    auto *layout = new QVBoxLayout(&window);
    auto *years = new QComboBox;
    for (int i = 0; i < 121; ++i)
        years->addItem(QString::number(2026 - i));
    layout->addWidget(years);
    auto *label = new QLabel(QStringLiteral("点击图线(柱), 可以显示该日的生物节律状况."));
    QFont font = label->font();
    font.setFamilies({QStringLiteral("Noto Serif CJK SC")});
    label->setFont(font);
    layout->addWidget(label);
    layout->addStretch();

    window.show();
    QApplication::processEvents();
    if (window.grab().isNull()) {
        std::fprintf(stderr, "startup_baseline: nothing was painted\n");
        return 1;
    }
    return 0;
}
