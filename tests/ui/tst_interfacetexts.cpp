// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dates.h"
#include "ui/helpwindow.h"
#include "windowfixture.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyleOptionButton>

namespace {

// What of a control's text falls outside its box; empty when it all fits. An underline counts.
QString clipping(QWidget *w)
{
    QRectF box;
    QString text;
    bool wraps = false;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        box = label->contentsRect();
        text = shownText(label);
        wraps = label->wordWrap();
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text = button->text();
        const auto contents = qobject_cast<QCheckBox *>(w)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_PushButtonContents;
        box = button->style()->subElementRect(contents, &option, button);
    }
    if (text.isEmpty())
        return {};
    const QFontMetricsF metrics(w->font());
    qreal width = metrics.horizontalAdvance(text);
    qreal height = metrics.ascent() + metrics.descent();
    if (w->font().underline())
        height = std::max(height, metrics.ascent() + metrics.underlinePos() + metrics.lineWidth());
    if (wraps) {
        width = 0;
        height =
            metrics.boundingRect(QRectF(0, 0, box.width(), 10000), Qt::TextWordWrap, text).height();
    }
    if (width <= box.width() + 0.5 && height <= box.height() + 0.5)
        return {};
    return QString::asprintf("%s: %g x %g px of text in %g x %g", qUtf8Printable(w->objectName()),
                             width, height, box.width(), box.height());
}

QStringList clippedIn(QWidget *window)
{
    QStringList clipped;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->isVisible())
            clipped << clipping(w);
    clipped.removeAll(QString());
    return clipped;
}

} // namespace

// The texts in the system's language fit their boxes; ctest runs each scale and language.
class tst_InterfaceTexts : public QObject {
    Q_OBJECT
private slots:
    void textsInTheUsersLanguageFitTheirBoxes();
};

// Every birthday's every day fits the smallest window (today's neighbours are longest in English).
void tst_InterfaceTexts::textsInTheUsersLanguageFitTheirBoxes()
{
    const QHash<QByteArray, QStringList> expected{
        {"",
         {u"查询"_s, u"确定"_s, u"\u3000\u3000人体生物节律简介"_s,
          u"前天: 智力-临界(-19%,40分) 情绪-临界(0%,50分) 体力-高峰(100%,100分) "_s}},
        {"zh_TW",
         {u"查詢"_s, u"確定"_s, u"\u3000\u3000人體生物節律簡介"_s,
          u"前天: 智力-臨界(-19%,40分) 情緒-臨界(0%,50分) 體力-高峰(100%,100分) "_s}},
        {"en",
         {u"Calculate"_s, u"OK"_s, u"An introduction to human biorhythms"_s,
          u"Day before yesterday: Mind Critical (-19%, 40 pts)   Mood Critical (0%, 50 pts)   "
          u"Body Peak (100%, 100 pts)   "_s}},
    };
    const QStringList texts = expected.value(qgetenv("LANGUAGE"));
    WindowFixture fixture({}, {2006, 4, 11});
    BiorhythmWindow &w = fixture.open(true);
    QCOMPARE(clippedIn(&w), QStringList());
    // Never larger than the screen (a 1080-line screen at scale 2 leaves 540 lines).
    const QRect screen = w.screen()->availableGeometry();
    QCOMPARE(w.frameGeometry().size().boundedTo(screen.size()), w.frameGeometry().size());

    QMessageBox okBox(QMessageBox::Information, u"Cyclara"_s, u"-"_s, QMessageBox::Ok);
    QTest::mouseClick(w.helpButton, Qt::LeftButton);
    QVERIFY(w.helpWindow());
    QCOMPARE(clippedIn(w.helpWindow()), QStringList());
    queryFor(w, QDate(2006, 1, 1));
    emit w.chart->pointSelected(Series::Intellectual, 1);
    QCOMPARE(QStringList({w.queryButton->text(), okBox.button(QMessageBox::Ok)->text().remove(u'&'),
                          w.helpWindow()->textBox()->toPlainText().section(u'\n', 0, 0),
                          w.prompt->text()}),
             texts);

    w.resize(screen.size() - (w.frameGeometry().size() - w.size()));
    QTRY_VERIFY(w.minimumWidth() > 0); // worked out once the window is on screen
    w.resize(w.minimumSize());
    QTRY_COMPARE(w.size(), w.minimumSize());
    for (QWidget *control : w.findChildren<QWidget *>())
        if (control->isVisible() && control->window() == &w)
            QVERIFY2(w.rect().contains(QRect(control->mapTo(&w, QPoint()), control->size())),
                     qPrintable(control->objectName()));
    for (int day = 1; day <= 31; ++day) {
        w.birthDay->setCurrentIndex(day - 1);
        w.queryButton->click();
        for (int row = 0; row < w.days().dayCount(); ++row) {
            emit w.chart->pointSelected(Series::Intellectual, row);
            QCOMPARE(clippedIn(&w), QStringList());
        }
    }

    // At every span and chart type the value labels stand apart and the longest day labels (a day
    // of another year, "07-3-26", and "Day before yesterday") are drawn whole.
    for (const auto &[year, type] : {std::pair{u"2007"_s, CycleChart::LineChart},
                                     {u"2007"_s, CycleChart::BarChart},
                                     {u"2006"_s, CycleChart::LineChart}}) {
        setPickerText(w.queryYear, year);
        w.chart->setChartType(type);
        for (int span = 3; span <= 16; ++span) {
            w.spanDays->setCurrentIndex(span - 3);
            emit w.spanDays->activated(span - 3);
            const ChartGeometry &g = w.chart->chartGeometry();
            const QString where = u"%1, span %2, type %3"_s.arg(year).arg(span).arg(type);
            QVERIFY2(g.plot.height() > 50 && g.plot.width() > 300, qPrintable(where));
            const QFontMetricsF valueMetrics(w.chart->font());
            QVERIFY(valueMetrics.horizontalAdvance(u"-100"_s) <= g.plot.left() - g.labelGap);
            QVERIFY2(g.valueLabelStep > 0 &&
                         g.valueY(0) - g.valueY(g.valueLabelStep) >= valueMetrics.height(),
                     qPrintable(where));
            const QFontMetricsF dayMetrics(g.dayLabelFont);
            for (int row = 0; row < w.days().dayCount(); ++row) {
                // The label, or its date where labels took too much room; broken only at blanks.
                const DayRow &day = w.days().day(row);
                const QString text = g.dayLabelTexts.value(row);
                const QString words = QString(text).replace(u'\n', u' ');
                QVERIFY2(words == day.label || words == dateLabel(day.date, fixture.today),
                         qPrintable(where + u": "_s + words));
                const QRectF box = g.dayLabelBox(row);
                QVERIFY2(box.bottom() <= w.chart->height(), qPrintable(where));
                if (g.dayLabelsUpright) {
                    QVERIFY2(dayMetrics.horizontalAdvance(text) <= box.height() &&
                                 dayMetrics.height() <= box.width() + 0.5,
                             qPrintable(where));
                } else {
                    QVERIFY2(box.contains(dayMetrics.boundingRect(box, Qt::AlignHCenter, text)),
                             qPrintable(where));
                }
            }
        }
    }
    QVERIFY(fixture.messages.isEmpty()); // every query was run
}

QTEST_MAIN(tst_InterfaceTexts)
#include "tst_interfacetexts.moc"
