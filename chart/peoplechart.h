// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/chartgeometry.h"
#include "model/peopledaysmodel.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace cyclara {

// Several people's days in one series: a line per person, each in its own colour and dash, a
// legend of their names, the current day on a band and today on a line as in the main chart, and
// each person's critical days marked on the zero line in that person's colour. A click on the
// plot picks the day under it; the keys that walk the days are the window's. Its accessible
// description is the current day with every person's status.
class PeopleChart : public QWidget {
    Q_OBJECT
public:
    explicit PeopleChart(QWidget *parent = nullptr);

    void setModel(const PeopleDaysModel *model);
    const PeopleDaysModel *model() const { return m_model; }

    const ChartGeometry &chartGeometry() const;
    // Where person `person`'s point of day `row` is drawn.
    QPointF pointPosition(int person, int row) const;
    // Draws the chart as on screen onto another painter (a printer's), at (0, 0) in screen pixels.
    void paintOn(QPainter &painter) const;
    // The chart as a picture at the screen's pixel ratio, on the window's colour, without the
    // focus frame: what is copied and exported.
    QImage picture() const;

signals:
    void dayClicked(int row);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void paint(QPainter &painter, const QRectF &exposed, bool focused, const QFont &font,
               const ChartGeometry &geometry) const;
    std::optional<int> dayAt(QPointF position) const;
    void daysChanged();
    void currentDayChanged(int row);
    void describeCurrentDay();

    QPointer<const PeopleDaysModel> m_model;
    mutable std::optional<ChartGeometry> m_geometry;
    int m_shownCurrentRow = -1;
};

} // namespace cyclara
