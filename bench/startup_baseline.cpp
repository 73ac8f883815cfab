// Start-up baseline: the least a Qt Widgets program with the same kind of content does, a line
// chart of 5 series x 33 points and a drop-down of 121 items, shown and painted once.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.resize(733, 591);
    auto *layout = new QVBoxLayout(&window);
    auto *years = new QComboBox(&window);
    for (int year = 2026; year > 2026 - 121; --year)
        years->addItem(QString::number(year));
    layout->addWidget(years);

    auto *chart = new QChart;
    for (int series = 0; series < 5; ++series) {
        auto *line = new QLineSeries;
        for (int day = 0; day < 33; ++day)
            line->append(day, 100.0 * std::sin(day * (series + 1) / 10.0));
        chart->addSeries(line);
    }
    chart->createDefaultAxes();
    layout->addWidget(new QChartView(chart, &window));

    window.show();
    const QPixmap frame = window.grab();
    if (frame.isNull()) {
        std::fprintf(stderr, "startup_baseline: nothing painted\n");
        return 1;
    }
    return 0;
}
