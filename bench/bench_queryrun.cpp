// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"
#include "chart/cyclechart.h"
#include "model/daytablemodel.h"
#include "ui/biorhythmwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

// Notices a paint of a widget or of any widget inside it.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *chart)
    {
        chart->installEventFilter(this);
        for (QWidget *inner : chart->findChildren<QWidget *>())
            inner->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Waits until the widget has been painted; false when it never is.
bool waitForPaint(PaintWatch &watch)
{
    QElapsedTimer timer;
    timer.start();
    while (!watch.painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (timer.elapsed() > 2000)
            return false;
    }
    return true;
}

// A window on screen with an empty register and the longest span picked.
struct LongSpanWindow {
    QTemporaryDir dir;
    int messages = 0;
    BiorhythmWindow window{
        bench::quietServices(dir.filePath(QStringLiteral("birth.ini")), messages)};

    bool show()
    {
        if (!bench::showAndWait(window))
            return false;
        window.spanDays->setCurrentIndex(window.spanDays->findText(QStringLiteral("16")));
        emit window.spanDays->activated(window.spanDays->currentIndex());
        return messages == 0 && window.days().dayCount() == 33;
    }
};

// What the user waits for after a click on the query button with the longest span: the day table
// built, the chart's grid replaced and the chart drawn anew.
void BM_QueryRun(benchmark::State &state)
{
    LongSpanWindow shown;
    BiorhythmWindow &window = shown.window;
    if (!shown.show()) {
        state.SkipWithError("the window was never shown");
        return;
    }
    window.personName->setEditText(QStringLiteral("张三"));
    PaintWatch watch(window.chart);
    QCoreApplication::processEvents();

    for (auto _ : state) {
        watch.painted = false;
        QTest::mouseClick(window.queryButton, Qt::LeftButton);
        if (!waitForPaint(watch)) {
            state.SkipWithError("the chart was not repainted after the query");
            break;
        }
    }
    if (shown.messages > 0 || window.days().dayCount() != 33)
        state.SkipWithError("the query did not run");
}
BENCHMARK(BM_QueryRun)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the user waits for after clicking a day in the chart: the prompt line and the panel tell
// about that day and are drawn anew.
void BM_DayStatusMove(benchmark::State &state)
{
    LongSpanWindow shown;
    BiorhythmWindow &window = shown.window;
    if (!shown.show()) {
        state.SkipWithError("the window was never shown");
        return;
    }
    PaintWatch watch(window.prompt);
    QCoreApplication::processEvents();

    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % 33;
        const QPoint day = window.chart->pointPosition(Series::Intellectual, row);
        watch.painted = false;
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          window.chart->mapTo(&window, day));
        if (!waitForPaint(watch) || window.days().currentRow() != row) {
            state.SkipWithError("the click did not move the day shown");
            break;
        }
    }
}
BENCHMARK(BM_DayStatusMove)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
