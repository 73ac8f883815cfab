// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/explanationpanel.h"

#include "chart/chartpainter.h"
#include "data/cyclaratexts.h"
#include "model/dayquery.h"
#include "model/daystatus.h"
#include "ui/daypanelaccessible.h"
#include "ui/focusframe.h"
#include "ui/twips.h"
#include "ui/twipsplacement.h"
#include "ui/windowlayout.h"

#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace cyclara {

namespace {

std::array<QPixmap, 3> facePictures(qreal devicePixelRatio)
{
    static constexpr int faceSize = 32;
    static constexpr std::array<const char16_t *, 3> faces{
        u":/faces/high.svg", u":/faces/critical.svg", u":/faces/low.svg"};
    std::array<QPixmap, 3> pictures;
    for (std::size_t band = 0; band < faces.size(); ++band)
        pictures[band] = QIcon(QString::fromUtf16(faces[band]))
                             .pixmap(QSize(faceSize, faceSize), devicePixelRatio);
    return pictures;
}

// The widest status of each band (high side, critical, low side), as `metrics` draws it. Only
// the statuses of (nearly) the most characters are measured: the others cannot be wider.
std::array<QString, 3> widestStatuses(const QFontMetricsF &metrics)
{
    std::array<QStringList, 3> statuses;
    std::array<qsizetype, 3> longest{};
    for (qint16 value = -100; value <= 100; ++value) {
        qint16 band = 0;
        const QString status = PointVal(value, band);
        statuses[std::size_t(band)] << status;
        longest[std::size_t(band)] = std::max(longest[std::size_t(band)], status.size());
    }
    std::array<QString, 3> widest;
    for (std::size_t band = 0; band < widest.size(); ++band) {
        qreal width = -1;
        for (const QString &status : std::as_const(statuses[band])) {
            if (status.size() + 2 < longest[band])
                continue;
            if (const qreal advance = metrics.horizontalAdvance(status); advance > width) {
                width = advance;
                widest[band] = status;
            }
        }
    }
    return widest;
}

// How many lines `text` takes when broken at `width` (pixels); the text is shaped once, by the
// first call, and only broken again by the others.
class LineBreaker {
public:
    LineBreaker(const QString &text, const QFont &font)
        : m_layout(text, font)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        m_layout.setTextOption(option);
    }
    int linesAt(qreal width)
    {
        int lines = 0;
        m_layout.beginLayout();
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        m_layout.endLayout();
        return lines;
    }

private:
    QTextLayout m_layout;
};

} // namespace

QString explanationParagraph(const QString &status, const QString &meaning)
{
    //: A paragraph of the explanation panel: the cycle's status, then what it means
    return QCoreApplication::translate("ExplanationPanel", "%1: %2").arg(status, meaning);
}

ExplanationPanel::ExplanationPanel(QWidget *parent)
    : QFrame(parent)
    , m_meanings(descriptionText().split(QStringLiteral("\r\n")))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void ExplanationPanel::setRows(const Rows &rows)
{
    m_rows = rows;
    for (int cycle = 0; cycle < cycleCount; ++cycle)
        m_rows.headings[std::size_t(cycle)]->setText(seriesName(everyCycle[std::size_t(cycle)]));
}

void ExplanationPanel::setQuery(const DayQuery *query)
{
    if (m_query)
        disconnect(m_query, nullptr, this, nullptr);
    m_query = query;
    const auto showCurrentDay = [this] {
        ShowDayStatus(m_query->currentDay());
    };
    connect(query, &DayQuery::queryChanged, this, showCurrentDay);
    connect(query, &DayQuery::currentDayChanged, this, &ExplanationPanel::ShowDayStatus);
    showCurrentDay();
}

void ExplanationPanel::ShowDayStatus(int day)
{
    if (!m_query || !m_query->days().hasDay(day))
        return;
    if (m_faces[0].isNull() || m_faces[0].devicePixelRatio() != devicePixelRatioF())
        m_faces = facePictures(devicePixelRatioF());
    const SeriesValues &values = m_query->days().day(day).values;
    for (std::size_t cycle = 0; cycle < cycleCount; ++cycle) {
        qint16 band = 0;
        const QString status = PointVal(qint16(values[cycle]), band);
        m_rows.faces[cycle]->setPixmap(m_faces[std::size_t(band)]);
        m_rows.faces[cycle]->setAccessibleDescription(status);
        m_rows.paragraphs[cycle]->setText(
            explanationParagraph(status, m_meanings.value(phaseLine(int(cycle), band))));
    }
    announceSelectedDay(this);
}

void ExplanationPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (hasFocus())
        drawFocusFrame(this, contentsRect().adjusted(1, 1, -1, -1));
}

void ExplanationPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitParagraphsToWidth();
}

void ExplanationPanel::fitParagraphsToWidth()
{
    const float inner = innerWidthTwips(this);
    for (QLabel *label : m_rows.paragraphs) {
        if (!label)
            return;
        QRectF r = twipsOf(label);
        r.setWidth(explainLabelWidth(inner, float(r.left())));
        placeTwips(label, r);
    }
}

void ExplanationPanel::paintOn(QPainter &painter) const
{
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (const QLabel *label : findChildren<QLabel *>()) {
        if (!label->isVisible())
            continue;
        if (!label->pixmap().isNull()) {
            painter.drawPixmap(
                QRectF(label->geometry().topLeft(), label->pixmap().deviceIndependentSize()),
                label->pixmap(), label->pixmap().rect());
            continue;
        }
        painter.setFont(fontInPixels(label->font()));
        painter.setPen(label->palette().color(QPalette::WindowText));
        painter.drawText(label->geometry(), int(label->alignment()) | Qt::TextWordWrap,
                         label->text());
    }
}

int ExplanationPanel::narrowestWidth() const
{
    const float frame = pixelsToTwips(width()) - innerWidthTwips(this);
    int narrowest = 0;
    for (int cycle = 0; cycle < cycleCount; ++cycle) {
        const QLabel *label = m_rows.paragraphs[std::size_t(cycle)];
        const QFontMetricsF metrics(label->font());
        const std::array<QString, 3> statuses = widestStatuses(metrics);
        // The panel's width at which the label is `labelWidth` wide.
        const auto panelFor = [&](qreal labelWidth) {
            return int(std::ceil(
                (pixelsToTwips(1) * labelWidth + float(twipsOf(label).left()) + 100 + frame) /
                twipsPerPixel));
        };
        const qreal height = label->contentsRect().height();
        for (int band = 0; band < 3; ++band) {
            const QString text = explanationParagraph(statuses[std::size_t(band)],
                                                      m_meanings.value(phaseLine(cycle, band)));
            const int lines = std::max(1, int(height / metrics.lineSpacing()));
            LineBreaker breaker(text, label->font());
            int low = 0;
            int high = 4096;
            while (low + 1 < high) {
                const int middle = (low + high) / 2;
                (breaker.linesAt(middle) <= lines ? high : low) = middle;
            }
            // The label's own measure has the last word: the search counted lines, not pixels.
            while (metrics.boundingRect(QRectF(0, 0, high, 1e6), Qt::TextWordWrap, text).height() >
                   height)
                ++high;
            narrowest = std::max(narrowest, panelFor(high));
        }
    }
    return narrowest;
}

} // namespace cyclara
