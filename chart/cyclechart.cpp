#include "chart/cyclechart.h"

#include "chart/chartgrid.h"
#include "chart/plotview.h"
#include "data/fonts.h"
#include "model/twips.h"

#include <QVBoxLayout>

#include <limits>

namespace cyclara {

struct CycleChart::Private {
    ChartGrid grid;
    PlotView *view = nullptr;
};

namespace {

// What the chart shows before it is first given data: five rows by four columns.
QList<ChartRow> designTimeRows()
{
    return {
        {QStringLiteral("R1"), {20, -35, 60, 15}},  {QStringLiteral("R2"), {45, 10, -20, 75}},
        {QStringLiteral("R3"), {-60, 80, 35, -10}}, {QStringLiteral("R4"), {90, -55, -80, 40}},
        {QStringLiteral("R5"), {-25, 65, 50, -90}},
    };
}

qint16 toInt16(int value)
{
    return qint16(std::min(value, int(std::numeric_limits<qint16>::max())));
}

} // namespace

CycleChart::CycleChart(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>())
{
    setFocusPolicy(Qt::NoFocus);
    setFont(cjkFont(10.5));
    d->grid.setRows(designTimeRows());

    d->view = new PlotView(d->grid, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view);

    connect(d->view, &PlotView::pointClicked, this, &CycleChart::pointSelected);
    connect(d->view, &PlotView::plotDoubleClicked, this, &CycleChart::plotActivated);
}

CycleChart::~CycleChart() = default;

void CycleChart::setGrid(const QList<ChartRow> &rows)
{
    d->grid.setRows(rows);
    d->view->rowsChanged();
}

void CycleChart::setColumn(qint16 column)
{
    d->grid.setCurrentColumn(column);
}

qint16 CycleChart::column() const
{
    return toInt16(d->grid.currentColumn());
}

void CycleChart::setColumnLabel(const QString &label)
{
    d->grid.setColumnLabel(d->grid.currentColumn(), label);
    d->view->columnLabelChanged(d->grid.currentColumn());
}

QString CycleChart::columnLabel() const
{
    return d->grid.columnLabel(d->grid.currentColumn());
}

qint16 CycleChart::rowCount() const
{
    return toInt16(d->grid.rowCount());
}

void CycleChart::setRow(qint16 row)
{
    d->grid.setCurrentRow(row);
}

qint16 CycleChart::row() const
{
    return toInt16(d->grid.currentRow());
}

QString CycleChart::rowLabel() const
{
    return d->grid.rowLabel(d->grid.currentRow());
}

QString CycleChart::currentValueText() const
{
    if (!d->grid.hasRow(d->grid.currentRow()) || !d->grid.hasColumn(d->grid.currentColumn()))
        return QString();
    return ChartGrid::valueText(d->grid.value(d->grid.currentRow(), d->grid.currentColumn()));
}

void CycleChart::setChartType(qint32 type)
{
    if (type == BarChart || type == LineChart)
        d->view->setBarChart(type == BarChart);
}

qint32 CycleChart::chartType() const
{
    return d->view->isBarChart() ? BarChart : LineChart;
}

void CycleChart::setSeriesHidden(int series, bool hidden)
{
    if (!d->grid.hasColumn(series) || d->grid.isHidden(series) == hidden)
        return;
    d->grid.setHidden(series, hidden);
    d->view->hiddenChanged();
}

bool CycleChart::isSeriesHidden(int series) const
{
    return d->grid.isHidden(series);
}

bool CycleChart::moveTwips(float left, float top, float width, float height)
{
    // Written this way round so that a NaN is refused too.
    if (!(width >= 0 && height >= 0 && qIsFinite(left) && qIsFinite(top)))
        return false;
    setGeometry(twipsToPixels(left, top, width, height));
    return true;
}

float CycleChart::leftTwips() const
{
    return pixelsToTwips(x());
}

float CycleChart::topTwips() const
{
    return pixelsToTwips(y());
}

QPoint CycleChart::pointPosition(int series, int row) const
{
    const std::optional<QPointF> position = d->view->pointPosition(series, row);
    if (!position)
        return QPoint(-1, -1);
    return d->view->viewport()->mapTo(this, position->toPoint());
}

} // namespace cyclara
