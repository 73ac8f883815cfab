#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

namespace cyclara {

// One row of the chart's data grid: the day's label and one value per data column.
struct ChartRow {
    QString label;
    QList<double> values;
};

// The chart of the main window: a grid of labelled rows (days) by labelled data columns (series),
// drawn as groups of bars or as one line per column. The window only talks to it through this
// interface; how it draws is its own business.
//
// Rows and columns count from 1. One cell is current; the read operations work on it.
class CycleChart : public QWidget {
    Q_OBJECT
public:
    enum ChartType : qint32 { BarChart = 1, LineChart = 3 };

    explicit CycleChart(QWidget *parent = nullptr);
    ~CycleChart() override;

    // Replaces the whole grid: afterwards rowCount() == rows.size() and the column count is the
    // length of the first row. Row and column labels, hidden flags and the current cell are
    // kept where they still exist; new columns are labelled C1, C2, ...
    void setGrid(const QList<ChartRow> &rows);

    void setColumn(qint16 column);
    qint16 column() const;
    void setColumnLabel(const QString &label);
    QString columnLabel() const;

    qint16 rowCount() const;
    void setRow(qint16 row);
    qint16 row() const;
    QString rowLabel() const;

    // The current cell as text: whole numbers as plain digits ("19", "-43", "0", never "-0"),
    // other values in the shortest form that reads back to the same double.
    QString currentValueText() const;

    void setChartType(qint32 type);
    qint32 chartType() const;

    void setSeriesHidden(int series, bool hidden);
    bool isSeriesHidden(int series) const;

    // Places the chart in its parent, in twips. Returns false and leaves the chart where it was
    // when the width or height is negative.
    bool moveTwips(float left, float top, float width, float height);
    float leftTwips() const;
    float topTwips() const;

    // Where the data point of `series` in `row` is drawn, in this widget's coordinates: the
    // marker of a line, or the middle of a bar.
    QPoint pointPosition(int series, int row) const;

signals:
    // The user clicked a data point (a bar or a line's marker) of any visible series.
    void pointSelected(int series, int dataPoint);
    // The user double-clicked the plot anywhere that is not a data point.
    void plotActivated();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace cyclara
