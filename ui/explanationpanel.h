// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/biorhythm.h"
#include "model/dayquery.h"

#include <QFrame>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <array>

class QLabel;

namespace cyclara {

// The sunken panel below the chart, telling the current day of the query: for each cycle its
// name, a face for its band and a paragraph, its status and what the band means. It is a tab
// stop, so it shows when it has the keyboard focus with the style's focus frame inside its
// border; there the arrow keys walk the days, which a screen reader hears (see
// daypanelaccessible.h).
class ExplanationPanel : public QFrame {
    Q_OBJECT
public:
    // The panel's rows, by cycle: the cycle's name, its face and its paragraph.
    struct Rows {
        std::array<QLabel *, cycleCount> headings, faces, paragraphs;
    };

    explicit ExplanationPanel(QWidget *parent = nullptr);

    // The labels the panel fills; they are its children, placed by the window's control table.
    void setRows(const Rows &rows);
    const Rows &rows() const { return m_rows; }

    // The query whose current day the panel tells, and follows.
    void setQuery(const DayQuery *query);
    const DayQuery *query() const { return m_query; }

    // Draws the panel onto another painter (a printer's, say), at (0, 0) in screen pixels, as
    // shapes and text: a printed widget would be a picture at the page's full resolution.
    void paintOn(QPainter &painter) const;

    // The narrowest the panel can be, in pixels, with every paragraph it can show (the widest
    // status of each band) standing whole in its label.
    int narrowestWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ShowDayStatus(int day);
    void fitParagraphsToWidth();

    Rows m_rows{};
    QPointer<const DayQuery> m_query;
    // What each band of each cycle means, a line each.
    QStringList m_meanings;
    // The three face pictures, by band code: smiling, blushing, frowning; made for the screen's
    // pixel ratio when a day is first shown.
    std::array<QPixmap, 3> m_faces;
};

// A paragraph of the explanation panel: a cycle's status, then what its band means.
QString explanationParagraph(const QString &status, const QString &meaning);

} // namespace cyclara
