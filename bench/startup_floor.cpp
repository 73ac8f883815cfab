// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up floor: a plain Qt program that draws exactly Cyclara's first frame (the register's
// first person, 张伟 born 1950-01-01, on the probe's day) with the same controls, fonts, faces and
// chart code, but none of the program's work: no register file, no lists of years, no query run,
// no handlers. The day table and the status texts are the model's, a matter of microseconds.
//   startup_floor [frame.png]
#include "chart/cyclechart.h"
#include "model/dayquery.h"
#include "startupframe.h"
#include "translations/language.h"
#include "ui/applicationsetup.h"
#include "ui/explanationpanel.h"
#include "ui/windowcontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace cyclara;
    QApplication app(argc, argv);
    const InterfaceLanguage language(languageForRun(QApplication::arguments()));
    setUpApplication();

    QWidget window;
    dressMainWindow(&window);
    const WindowControls c = createWindowControls(&window);
    const QDate birth(1950, 1, 1);
    const QDate today = bench::fixedToday;
    const std::pair<QComboBox *, QString> shown[] = {
        {c.birthYear, QString::number(birth.year())},
        {c.birthMonth, QString::number(birth.month())},
        {c.birthDay, QString::number(birth.day())},
        {c.personName, QStringLiteral("张伟")},
        {c.queryYear, QString::number(today.year())},
        {c.queryMonth, QString::number(today.month())},
        {c.queryDay, QString::number(today.day())},
        {c.spanDays, QStringLiteral("3")},
    };
    for (const auto &[picker, text] : shown) {
        if (picker->isEditable())
            picker->setEditText(text);
        else
            picker->addItem(text);
    }

    DayQuery query([today] { return today; });
    query.submit({QStringLiteral("张伟"), birth, today, 3});
    c.chart->setModel(&query.days());
    for (const Series series : everySeries)
        c.chart->setSeriesHidden(series, !c.seriesChecks[at(series)]->isChecked());
    c.prompt->setText(QStringLiteral("点击图线(柱), 可以显示该日的生物节律状况."));
    c.panel->setQuery(&query);
    layOutControls(c, window.size(), true);
    c.birthYear->setFocus();

    const QString savePath = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!bench::finishFirstFrame(window, savePath)) {
        std::fprintf(stderr, "startup_floor: nothing was drawn\n");
        return 1;
    }
    return 0;
}
