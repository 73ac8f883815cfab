// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chartstyle.h"
#include "windowfixture.h"

#include <QHelpEvent>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

// The desktop's palette for one test.
struct DesktopPalette {
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(before); }
    const QPalette before = QApplication::palette();
};

// How many pixels of `image` are close to `colour`.
int pixelsNear(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                60)
                ++count;
        }
    }
    return count;
}

// The tool tip on screen, if any.
QLabel *shownToolTip()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            return qobject_cast<QLabel *>(w);
    }
    return nullptr;
}

} // namespace

// What every user sees: readable text on a light or a dark desktop, visible focus, and an empty
// chart where there is nothing to show.
class tst_Appearance : public QObject {
    Q_OBJECT
private slots:
    void textStaysReadable_data();
    void textStaysReadable();
    void refusedFirstQueryIsToldOnceShownAndDrawsNothing();
};

void tst_Appearance::textStaysReadable_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light desktop") << QPalette(QColor(0xEF, 0xEF, 0xEF));
    // As a desktop theme makes one: Qt derives every role from a dark window colour.
    QTest::newRow("dark desktop") << QPalette(QColor(0x35, 0x35, 0x35));
}

// On the white window every caption is dark enough to read (4.5:1), the chart's labels stand out
// from what they are drawn on, and its series from the plot (3:1); the chart's own colours follow
// the desktop's. A tool tip over a point says which day it is, legibly: it once inherited the
// chart's see-through background and showed as a black box. Each tab stop shows the focus.
void tst_Appearance::textStaysReadable()
{
    QFETCH(QPalette, palette);
    const DesktopPalette desktop(palette);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);

    for (QWidget *control : w.findChildren<QWidget *>()) {
        const bool caption = qobject_cast<QLabel *>(control) ||
                             qobject_cast<QAbstractButton *>(control) ||
                             qobject_cast<QComboBox *>(control);
        if (!caption || !control->isVisible())
            continue;
        const QPalette &p = control->palette();
        const auto [text, background] =
            qobject_cast<QComboBox *>(control) ? std::pair(QPalette::Text, QPalette::Base)
            : qobject_cast<QPushButton *>(control)
                ? std::pair(QPalette::ButtonText, QPalette::Button)
                : std::pair(control->foregroundRole(), control->backgroundRole());
        QVERIFY2(contrastRatio(p.color(text), p.color(background)) >= 4.5,
                 qPrintable(control->objectName()));
    }

    const ChartStyle style = chartStyle(w.chart->palette());
    QCOMPARE(style.dark, palette.color(QPalette::Base).lightness() < 128);
    const QColor behindLabels = style.dark ? style.background : QColor(Qt::white);
    QVERIFY(contrastRatio(style.text, behindLabels) >= 4.5);
    for (const Series series : everySeries)
        QVERIFY(contrastRatio(style.seriesColour(series), style.plotBackground) >= 3.0);

    // What is drawn shows it: the chart's labels and the panel's paragraphs are on screen.
    const QImage chart = w.chart->grab().toImage();
    QVERIFY(pixelsNear(chart, style.text) > 200);
    QVERIFY(pixelsNear(chart, style.seriesColour(Series::Intellectual)) > 50);
    QVERIFY(pixelsNear(w.panel->rows().paragraphs[0]->grab().toImage(), Qt::black) > 100);

    const QPoint point = w.chart->pointPosition(Series::Intellectual, 3);
    QHelpEvent hover(QEvent::ToolTip, point, w.chart->mapToGlobal(point));
    QApplication::sendEvent(w.chart, &hover);
    QLabel *tip = nullptr;
    QTRY_VERIFY((tip = shownToolTip()));
    QVERIFY2(tip->text().startsWith(u"今天\n智力："_s), qPrintable(tip->text()));
    const QColor tipText = tip->palette().color(QPalette::ToolTipText);
    QVERIFY(contrastRatio(tipText, tip->palette().color(QPalette::ToolTipBase)) >= 4.5);
    QVERIFY(pixelsNear(tip->grab().toImage(), tipText) > 30);
    tip->hide();

    // Tab walks the chain back to where it began; each stop looks different with the focus.
    QApplication::setCursorFlashTime(0); // the text caret stays on, not blinking
    w.birthYear->setFocus();
    for (int stops = 1; stops == 1 || focusedControl() != w.birthYear; ++stops) {
        QVERIFY(stops < 30);
        QWidget *stop = focusedControl();
        const QImage focused = stop->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(stop->grab().toImage() != focused, qPrintable(stop->objectName()));
    }
}

// The first person born after today: the refusal waits until the window is on screen, and the
// chart shows axes with no lines or bars made up for the occasion.
void tst_Appearance::refusedFirstQueryIsToldOnceShownAndDrawsNothing()
{
    WindowFixture fixture(QByteArray("Later\t2027-01-01\r\n"));
    BiorhythmWindow &w = fixture.open();
    QVERIFY(fixture.messages.isEmpty());

    WindowFixture::showAndActivate(&w);
    QTRY_COMPARE(fixture.messages, QStringList{orderRefused});
    QCOMPARE(focusedControl(), w.queryYear);
    QCOMPARE(w.days().dayCount(), 0);
    const ChartStyle style = chartStyle(w.chart->palette());
    const QImage chart = w.chart->grab().toImage();
    for (const Series series : everySeries)
        QCOMPARE(pixelsNear(chart, style.seriesColour(series)), 0);
    QVERIFY(pixelsNear(chart, style.zeroLine) > 100);
}

QTEST_MAIN(tst_Appearance)
#include "tst_appearance.moc"
