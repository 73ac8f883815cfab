#include "chart/cyclechart.h"

#include "model/daytablemodel.h"
#include "model/twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace cyclara {

namespace {

constexpr qreal lineReach = 6.0; // how far from a marker's centre a click still takes it
constexpr qreal barReach = 2.0;  // lets a bar near zero height still be clicked

const DayTableModel &noDays()
{
    static const DayTableModel empty;
    return empty;
}

} // namespace

CycleChart::CycleChart(QWidget *parent)
    : QWidget(parent)
{
    // The chart fills no background of its own: outside the plot it is see-through, so the title
    // line beneath it stays readable.
    setFocusPolicy(Qt::NoFocus);
}

void CycleChart::setModel(const DayTableModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &CycleChart::daysChanged);
    }
    invalidateGeometry();
}

int CycleChart::dayCount() const
{
    return m_model ? m_model->dayCount() : 0;
}

void CycleChart::setChartType(qint32 type)
{
    if ((type != BarChart && type != LineChart) || (type == BarChart) == m_view.bars)
        return;
    m_view.bars = type == BarChart;
    invalidateGeometry();
}

void CycleChart::setSeriesHidden(int series, bool hidden)
{
    if (series < 1 || series >= int(m_view.hidden.size()) ||
        m_view.hidden[std::size_t(series)] == hidden)
        return;
    m_view.hidden[std::size_t(series)] = hidden;
    invalidateGeometry();
}

bool CycleChart::isSeriesHidden(int series) const
{
    return series >= 1 && series < int(m_view.hidden.size()) && m_view.hidden[std::size_t(series)];
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

// A new table with the same day labels (a query for another person, say) draws new series but
// lays nothing out again.
void CycleChart::daysChanged()
{
    if (!m_geometry || dayLabels() != m_laidOutLabels)
        m_geometry.reset();
    update();
}

QStringList CycleChart::dayLabels() const
{
    QStringList labels;
    if (m_model) {
        for (const DayRow &day : m_model->days())
            labels << day.label;
    }
    return labels;
}

void CycleChart::invalidateGeometry()
{
    m_geometry.reset();
    update();
}

const ChartGeometry &CycleChart::chartGeometry() const
{
    if (!m_geometry) {
        const DayTableModel &days = m_model ? *m_model : noDays();
        m_laidOutLabels = dayLabels();
        QStringList legend; // none before there is anything to tell apart
        for (const int series : days.dayCount() > 0 ? m_view.shownSeries() : QList<int>())
            legend << days.headerData(DayTableModel::FirstSeriesColumn + series - 1, Qt::Horizontal)
                          .toString();
        m_geometry = layOutChart(rect(), font(), m_laidOutLabels, legend, m_view.bars);
    }
    return *m_geometry;
}

std::optional<QPointF> CycleChart::pointAt(int series, int row) const
{
    if (!m_model || !m_model->hasDay(row) || isSeriesHidden(series) || series < 1 || series > 5)
        return std::nullopt;
    const ChartGeometry &g = chartGeometry();
    const double value = m_model->day(row).values[std::size_t(series - 1)];
    if (!m_view.bars)
        return QPointF(g.dayCentre(row), g.valueY(value));
    const QList<int> shown = m_view.shownSeries();
    return g.barRect(row, int(shown.indexOf(series)), int(shown.size()), value).center();
}

QPoint CycleChart::pointPosition(int series, int row) const
{
    const std::optional<QPointF> point = pointAt(series, row - 1);
    return point ? point->toPoint() : QPoint(-1, -1);
}

std::optional<CycleChart::Hit> CycleChart::hitAt(QPointF position) const
{
    if (!m_model)
        return std::nullopt;
    const ChartGeometry &g = chartGeometry();
    const QList<int> shown = m_view.shownSeries();
    std::optional<Hit> best;
    qreal bestDistance = lineReach;
    for (int place = 0; place < shown.size(); ++place) {
        const int series = shown[place];
        for (int row = 0; row < m_model->dayCount(); ++row) {
            const double value = m_model->day(row).values[std::size_t(series - 1)];
            if (m_view.bars) {
                const QRectF bar = g.barRect(row, place, int(shown.size()), value);
                if (bar.adjusted(0, -barReach, 0, barReach).contains(position))
                    return Hit{series, row};
                continue;
            }
            // A later series is drawn on top, so on a tie it is the one under the mouse.
            const qreal distance =
                QLineF(QPointF(g.dayCentre(row), g.valueY(value)), position).length();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = Hit{series, row};
            }
        }
    }
    return best;
}

void CycleChart::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintChart(painter, chartGeometry(), chartStyle(palette()), font(),
               m_model ? *m_model : noDays(), m_view, event->rect());
}

void CycleChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_geometry.reset();
}

void CycleChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        invalidateGeometry();
}

bool CycleChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const std::optional<Hit> hit = hitAt(help->pos());
    if (!hit) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const DayRow &day = m_model->day(hit->row);
    const QString series =
        m_model->headerData(DayTableModel::FirstSeriesColumn + hit->series - 1, Qt::Horizontal)
            .toString();
    QToolTip::showText(
        help->globalPos(),
        QStringLiteral("%1\n%2: %3")
            .arg(day.label, series, valueText(day.values[std::size_t(hit->series - 1)])),
        this);
    return true;
}

void CycleChart::mousePressEvent(QMouseEvent *event)
{
    m_pressed.reset();
    if (event->button() == Qt::LeftButton)
        m_pressed = hitAt(event->position());
    QWidget::mousePressEvent(event);
}

// A point counts as clicked when the button goes down and comes up on the same point.
void CycleChart::mouseReleaseEvent(QMouseEvent *event)
{
    std::optional<Hit> clicked;
    if (event->button() == Qt::LeftButton && m_pressed && hitAt(event->position()) == m_pressed)
        clicked = m_pressed;
    m_pressed.reset();
    QWidget::mouseReleaseEvent(event);
    if (clicked)
        emit pointSelected(clicked->series, clicked->row + 1);
}

void CycleChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool activated = event->button() == Qt::LeftButton &&
                           chartGeometry().plot.contains(event->position()) &&
                           !hitAt(event->position());
    QWidget::mouseDoubleClickEvent(event);
    if (activated)
        emit plotActivated();
}

} // namespace cyclara
