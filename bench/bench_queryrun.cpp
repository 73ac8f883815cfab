#include "chart/cyclechart.h"
#include "ui/frmbiorhythm.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

// Notices a paint of the chart or of any widget inside it.
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

// Waits until the chart has been painted; false when it never is.
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

// What the user waits for after a click on the query button with the longest span: the day table
// built, the chart's grid replaced and the chart drawn anew.
void BM_QueryRun(benchmark::State &state)
{
    QTemporaryDir dir;
    WindowServices services;
    services.today = [] {
        return QDate(2026, 12, 6);
    };
    services.birthFilePath = dir.filePath(QStringLiteral("birth.ini"));
    int messages = 0;
    services.showMessage = [&messages](QWidget *, QMessageBox::Icon, const QString &) {
        ++messages;
    };
    services.openUrl = [](const QUrl &) {
        return true;
    };

    frmBiorhythm window(services);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    window.cboName->setEditText(QStringLiteral("张三"));
    const int longestSpan = window.cboDays->findText(QStringLiteral("16"));
    window.cboDays->setCurrentIndex(longestSpan);
    PaintWatch watch(window.MSChart1);
    QCoreApplication::processEvents();

    for (auto _ : state) {
        watch.painted = false;
        QTest::mouseClick(window.cmdGo, Qt::LeftButton);
        if (!waitForPaint(watch)) {
            state.SkipWithError("the chart was not repainted after the query");
            break;
        }
    }
    if (messages > 0 || window.MSChart1->rowCount() != 33)
        state.SkipWithError("the query did not run");
}
BENCHMARK(BM_QueryRun)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
