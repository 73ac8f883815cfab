// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/chartgeometry.h"
#include "chart/chartpainter.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace cyclara {

class DayTableModel;

// The chart of the main window: the day table drawn as groups of bars or as one line per series,
// with the value axis from -100 to 100, the day labels and a legend; the current day stands on a
// band, today on a line, critical days carry markers on the zero line. Clicking a bar or a line's
// point selects that day; double-clicking the plot elsewhere activates the plot. Clicked, the
// chart takes the keyboard focus; the keys that walk its days are the window's (daywalking.h).
// Its accessible description is the current day's status line.
//
// Days count from 0, the table's first row, as the table model counts them.
class CycleChart : public QWidget {
    Q_OBJECT
public:
    enum ChartType : qint32 { BarChart = 1, LineChart = 3 };

    explicit CycleChart(QWidget *parent = nullptr);

    // The table to draw; the chart follows its changes. Without one, or with an empty one, the
    // chart shows an empty plot.
    void setModel(const DayTableModel *model);

    void setChartType(qint32 type);
    qint32 chartType() const { return m_view.bars ? BarChart : LineChart; }

    void setSeriesHidden(Series series, bool hidden);
    bool isSeriesHidden(Series series) const;

    // Where everything is drawn at the chart's present size.
    const ChartGeometry &chartGeometry() const;
    // Draws the chart as it is on screen onto another painter (a printer's, say), at (0, 0) in
    // the painter's coordinates and in screen pixels, as shapes and text rather than pixels.
    void paintOn(QPainter &painter) const;
    // The chart as a picture at the screen's pixel ratio, as it looks on screen (on the window's
    // colour) but without the keyboard focus's frame: what is copied and exported.
    QImage picture() const;

    // The lowest the chart can be at `width` and still show its legend, the 33 days of the
    // longest table as its language names them, and a plot labelled at least every 50.
    int minimumHeightAt(int width) const;

    // Where the data point of `series` on `day` is drawn: the marker of a line, or the middle of
    // a bar; (-1, -1) when it is not drawn.
    QPoint pointPosition(Series series, int day) const;

signals:
    // The user clicked a data point (a bar or a line's marker) of a shown series.
    void pointSelected(Series series, int day);
    // The user double-clicked the plot anywhere that is not a data point.
    void plotActivated();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Hit {
        Series series = Series::Intellectual;
        int row = 0; // from 0
        bool operator==(const Hit &) const = default;
    };

    void invalidateGeometry();
    void daysChanged();
    void describeCurrentDay();
    QStringList dayLabels() const;
    QStringList
    dateLabels() const; // the days named by their dates, where labels take too much room
    std::optional<QPointF> pointAt(Series series, int day) const;
    std::optional<Hit> hitAt(QPointF position) const;
    QString toolTipAt(QPointF position) const;
    void currentDayChanged(int row);
    int dayCount() const;

    QPointer<const DayTableModel> m_model;
    ChartView m_view;
    mutable std::optional<ChartGeometry> m_geometry;
    mutable QStringList m_laidOutLabels;
    mutable FurtherCycles m_laidOutFurther;
    std::optional<Hit> m_pressed;
    int m_shownCurrentRow = -1;
};

} // namespace cyclara
