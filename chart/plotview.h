#pragma once

#include <QChartView>
#include <QFont>
#include <QList>
#include <QPointF>

#include <optional>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QLineSeries;
class QValueAxis;

namespace cyclara {

class ChartGrid;

// Draws a ChartGrid with Qt Charts, as groups of bars or as lines with markers, and turns mouse
// gestures on the plot into data-point clicks and plot double clicks. The grid stays the one
// source of truth: after the grid changes, the owner calls the matching update below.
class PlotView : public QChartView {
    Q_OBJECT
public:
    struct Hit {
        int column = 0;
        int row = 0;
        bool operator==(const Hit &) const = default;
    };

    explicit PlotView(const ChartGrid &grid, QWidget *parent = nullptr);
    ~PlotView() override;

    void rowsChanged();
    void columnLabelChanged(int column);
    void hiddenChanged();
    void setBarChart(bool bars);
    bool isBarChart() const { return m_barChart; }

    // In viewport coordinates: the marker of a line, or the middle of a bar; nothing when the
    // point is not drawn.
    std::optional<QPointF> pointPosition(int column, int row) const;
    // The data point drawn at `position` (viewport coordinates), if any.
    std::optional<Hit> hitAt(QPointF position) const;
    bool isOnPlot(QPointF position) const;

signals:
    void pointClicked(int column, int row);
    void plotDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    bool viewportEvent(QEvent *event) override;

private:
    void matchColumnCount();
    void refillShown();
    void styleColumn(int column);
    void fillBarSeries();
    void fitRowLabels();
    void settleLayout() const;
    QPointF toViewport(QPointF value) const;
    QRectF barRect(int column, int row) const;

    const ChartGrid &m_grid;
    QChart *m_chart;
    QBarCategoryAxis *m_rowAxis;
    QValueAxis *m_valueAxis;
    QLineSeries *m_zeroLine;
    QBarSeries *m_bars;
    QList<QLineSeries *> m_lines; // one per column
    QList<QBarSet *> m_barSets;   // one per column; in m_bars only while the column is shown
    bool m_barChart = false;
    bool m_linesStale = true;
    bool m_barsStale = true;
    std::optional<Hit> m_pressed;
    QFont m_labelFont;
    bool m_labelsUpright = false;
};

} // namespace cyclara
