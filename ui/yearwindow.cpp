// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/yearwindow.h"

#include "chart/chartpainter.h"
#include "chart/yeargrid.h"
#include "model/dayquery.h"
#include "model/shownquery.h"
#include "ui/daypanelaccessible.h"
#include "ui/exports.h"
#include "ui/windowservices.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace cyclara {

namespace {

// A sheet is laid out this many screen pixels wide and scaled to the page.
constexpr qreal sheetWidth = 1100;

// Paper is white whatever the desktop's colours.
ChartStyle paperStyle()
{
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return chartStyle(paper);
}

QFont pixelFont(const QFont &font, int pixels)
{
    QFont sized = fontInPixels(font);
    sized.setPixelSize(pixels);
    return sized;
}

} // namespace

YearWindow::YearWindow(const DayQuery &query, const WindowServices &services,
                       std::function<void(const QDate &)> showDay, QWidget *owner)
    : QDialog(owner)
    , m_query(query)
    , m_services(services)
    , m_showDay(std::move(showDay))
    , m_person(new QLabel(this))
    , m_year(new QSpinBox(this))
    , m_grid(new YearGrid(this))
    , m_status(new QLabel(this))
    , m_pages(new QComboBox(this))
{
    setWindowTitle(tr("Cyclara - 全年"));
    setModal(false);

    m_year->setAccessibleName(tr("年份"));
    m_year->setRange(100, 9999);
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        showYear(year,
                 sameDayInYear(m_grid->selected().isValid() ? m_grid->selected() : m_query.query(),
                               year));
    });
    auto *previous = new QPushButton(tr("上一年"), this);
    auto *next = new QPushButton(tr("下一年"), this);
    connect(previous, &QPushButton::clicked, m_year, &QSpinBox::stepDown);
    connect(next, &QPushButton::clicked, m_year, &QSpinBox::stepUp);
    for (QPushButton *button : {previous, next})
        button->setAutoDefault(false);

    m_grid->setAccessibleName(tr("全年日历"));
    connect(m_grid, &YearGrid::selectedChanged, this, &YearWindow::showSelectedDay);
    connect(m_grid, &YearGrid::dayActivated, this, [this](const QDate &date) { m_showDay(date); });
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_pages->addItem(tr("每月一页"));
    m_pages->addItem(tr("全年一页"));
    m_pages->setAccessibleName(tr("打印的页面"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::pair<QString, void (YearWindow::*)()> acts[] = {
        {tr("打印…"), &YearWindow::print},
        {tr("导出 PDF…"), &YearWindow::exportPdf},
    };
    for (const auto &[text, act] : acts) {
        QPushButton *button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, act);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *top = new QHBoxLayout;
    top->addWidget(m_person, 1);
    top->addWidget(previous);
    top->addWidget(m_year);
    top->addWidget(next);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("打印："), this));
    bottom->addWidget(m_pages);
    bottom->addWidget(buttons, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);
    layout->addLayout(bottom);
    resize(1080, 800);

    connect(&query, &DayQuery::queryChanged, this, &YearWindow::followQuery);
    followQuery();
    m_grid->setFocus();
}

void YearWindow::followQuery()
{
    m_person->setText(personText());
    if (!m_query.hasDays()) {
        m_days = {};
        m_grid->setDays(nullptr, {}, {});
        return;
    }
    {
        const QSignalBlocker quiet(m_year);
        m_year->setMinimum(m_query.birth().year());
        m_year->setValue(m_query.query().year());
    }
    showYear(m_query.query().year(), m_query.query());
}

void YearWindow::showYear(int year, const QDate &selected)
{
    m_days = YearDays(m_query.birth(), year);
    m_grid->setDays(&m_days, selected, m_services.today());
}

void YearWindow::showSelectedDay(const QDate &date)
{
    m_status->setText(m_days.statusText(date));
    announceSelectedDay(m_grid);
}

QString YearWindow::statusText() const
{
    return m_status->text();
}

void YearWindow::setWholeYearPerPage(bool whole)
{
    m_pages->setCurrentIndex(whole ? 1 : 0);
}

QString YearWindow::personText() const
{
    if (!m_query.hasDays())
        return {};
    const QString birth = m_query.birth().toString(Qt::ISODate);
    if (m_query.name().isEmpty())
        //: Whose year is shown, for a query without a name: the birth date
        return tr("%1 出生").arg(birth);
    //: Whose year is shown: the name, then the birth date
    return tr("%1（%2 出生）").arg(m_query.name(), birth);
}

QString YearWindow::suggestedName() const
{
    return suggestedFileName({m_query.name(), m_query.birth(), QDate(m_days.year(), 1, 1)});
}

void YearWindow::print()
{
    if (m_days.isEmpty())
        return;
    bool whole = true;
    printPage(this, m_services, suggestedName(),
              [this, &whole](QPainter &painter, const QRect &page) {
                  whole = paintSheets(painter, page);
              });
    if (!whole)
        m_services.showMessage(this, QMessageBox::Warning,
                               tr("无法打印全部页面：打印机不接受新的一页"));
}

void YearWindow::exportPdf()
{
    if (m_days.isEmpty())
        return;
    const QString path = m_services.askSavePath(
        this, tr("导出 PDF"), suggestedName() + QStringLiteral(".pdf"), tr("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    // The page size the printer would take (A4 or Letter, as the system's settings have it).
    QPageLayout layout = QPrinter().pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(layout);
    pdf.setResolution(300);
    pdf.setTitle(suggestedName());
    QPainter painter(&pdf);
    const bool whole = paintSheets(painter, pdf.pageLayout().paintRectPixels(pdf.resolution()));
    painter.end();
    if (!whole)
        return m_services.showMessage(this, QMessageBox::Warning, tr("无法导出全部页面"));
    //: A PDF file could not be exported: the file's path, then why
    saveExport(this, m_services, path, bytes, tr("无法写入 PDF 文件：\n%1\n%2"));
}

bool YearWindow::paintSheets(QPainter &painter, const QRect &page) const
{
    if (m_pages->currentIndex() == 1) {
        paintSheet(painter, page, 0);
        return true;
    }
    auto *device = dynamic_cast<QPagedPaintDevice *>(painter.device());
    for (int month = m_days.first().month(); month <= 12; ++month) {
        if (month > m_days.first().month() && !(device && device->newPage()))
            return false;
        paintSheet(painter, page, month);
    }
    return true;
}

// Whose days and which, the month (or the twelve, `month` 0) with each day's values and marks,
// the legend and how the values are worked out.
void YearWindow::paintSheet(QPainter &painter, const QRect &page, int month) const
{
    const qreal scale = page.width() / sheetWidth;
    const qreal height = page.height() / scale;
    const QFont heading = pixelFont(font(), 18);
    const QFont legend = pixelFont(font(), 12);
    const QFont formula = pixelFont(font(), 10);
    const qreal line = QFontMetricsF(heading).height();
    const QDate first =
        month == 0 ? m_days.first() : std::max(m_days.first(), QDate(m_days.year(), month, 1));
    const QDate last =
        month == 0 ? m_days.last() : QDate(m_days.year(), month, 1).addMonths(1).addDays(-1);
    painter.save();
    // The painter's origin already stands at the corner of the printable part of the page.
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const ChartStyle style = paperStyle();
    painter.setPen(style.text);
    painter.setFont(heading);
    //: A printed sheet's heading: whose days, then the first and the last day
    painter.drawText(
        QRectF(0, 0, sheetWidth, line), Qt::AlignCenter,
        tr("%1：%2 至 %3")
            .arg(personText(), first.toString(Qt::ISODate), last.toString(Qt::ISODate)));
    const qreal formulaHeight = 2.4 * QFontMetricsF(formula).height();
    const qreal legendTop = height - formulaHeight - yearLegendHeight(legend);
    const QRectF area(0, 1.6 * line, sheetWidth, legendTop - 1.6 * line - 8);
    const YearLook look{
        style, pixelFont(font(), month == 0 ? 6 : 14), true, QDate(), m_services.today(), false};
    if (month == 0) {
        for (int m = 1; m <= 12; ++m)
            paintMonth(painter, monthRect(area, m), m_days, m, look);
    } else {
        paintMonth(painter, area, m_days, month, look);
    }
    paintYearLegend(painter, QRectF(0, legendTop, sheetWidth, yearLegendHeight(legend)), style,
                    legend);
    painter.setPen(style.text);
    painter.setFont(formula);
    //: The small print of a printed sheet: how each value is worked out
    painter.drawText(
        QRectF(0, height - formulaHeight, sheetWidth, formulaHeight),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
        tr("每个节律的值 = sin(2π·t/P) × 100，四舍五入到整数（恰为一半时取偶数）；2π 取程序的常数 "
           "6.2832，t 为出生以来的天数，P 为周期：智力 33 天、情绪 28 天、体力 23 天。"
           "颜色为三者的均值。"));
    painter.restore();
}

} // namespace cyclara
