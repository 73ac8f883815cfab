#include "chart/cyclechart.h"
#include "model/daytablemodel.h"
#include "ui/twips.h"
#include "ui/windowcontrols.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

// The height a line of `font` takes as drawn: its ascent and descent, and its underline when it
// has one.
qreal lineHeight(const QFont &font)
{
    const QFontMetricsF metrics(font);
    qreal height = metrics.ascent() + metrics.descent();
    if (font.underline())
        height = std::max(height, metrics.ascent() + metrics.underlinePos() + metrics.lineWidth());
    return height;
}

// Where a control draws its text, and the text.
struct TextPlace {
    QRectF box;
    QString text;
    bool wraps = false;
};

TextPlace textPlace(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return {label->contentsRect(), shownText(label), label->wordWrap()};
    auto *button = qobject_cast<QAbstractButton *>(w);
    if (!button)
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<QRadioButton *>(w)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_PushButtonContents;
    return {button->style()->subElementRect(contents, &option, button), button->text()};
}

// What of a control's text falls outside its box, as a sentence; empty when it all fits.
QString clipping(QWidget *w)
{
    const TextPlace place = textPlace(w);
    if (place.text.isEmpty())
        return {};
    const QFontMetricsF metrics(w->font());
    qreal height = lineHeight(w->font());
    if (place.wraps) {
        height = metrics
                     .boundingRect(QRectF(0, 0, place.box.width(), 10000),
                                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, place.text)
                     .height();
    } else if (metrics.horizontalAdvance(place.text) > place.box.width() + 0.5) {
        return u"%1: %2 px of text in %3 px"_s.arg(w->objectName())
            .arg(metrics.horizontalAdvance(place.text))
            .arg(place.box.width());
    }
    if (height > place.box.height() + 0.5)
        return u"%1: %2 px high text in %3 px"_s.arg(w->objectName())
            .arg(height)
            .arg(place.box.height());
    return {};
}

QStringList clippedIn(QWidget *window)
{
    QStringList clipped;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible() && (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w))) {
            if (const QString what = clipping(w); !what.isEmpty())
                clipped << what;
        }
    }
    return clipped;
}

} // namespace

// Every caption, label and paragraph the window shows fits its box as drawn, at the screen scale
// and in the language the test runs in (ctest runs it at 1, 1.5 and 2, and in each language).
class tst_TextFits : public QObject {
    Q_OBJECT
private slots:
    void everyTextFitsItsBox();
    void grownBoxesStayInTheirGaps();
};

void tst_TextFits::everyTextFitsItsBox()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    QCOMPARE(clippedIn(&w), QStringList());
    // Every day of a month as the birthday, with the paragraphs each band brings, and each day of
    // the table in the status line (today's neighbours have the longest English names).
    for (int day = 1; day <= 31; ++day) {
        w.cboDay1->setCurrentIndex(day - 1);
        w.cmdGo->click();
        for (int row = 1; row <= w.days().dayCount(); ++row) {
            emit w.MSChart1->pointSelected(1, row);
            QCOMPARE(clippedIn(&w), QStringList());
        }
    }
    w.cmdHelp->click();
    QCOMPARE(clippedIn(w.helpWindow()), QStringList());
}

// A box grown for its text covers no other control: what it grew by, below or to the right of
// its place as drawn, reaches nothing that it is drawn over (a control stacked above it stays on
// top).
void tst_TextFits::grownBoxesStayInTheirGaps()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    QHash<QString, QRect> drawn; // each control's box as the window was drawn
    for (const ControlRow &row : ControlTables::window() + ControlTables::panel())
        drawn.insert(QLatin1String(row.name),
                     twipsToPixels(row.left, row.top, row.width, row.height));
    for (auto it = drawn.cbegin(); it != drawn.cend(); ++it) {
        auto *control = w.findChild<QWidget *>(it.key());
        const QRegion grown = QRegion(control->geometry()) - *it;
        const QObjectList stack = control->parentWidget()->children(); // bottom first
        for (qsizetype below = 0; below < stack.indexOf(control); ++below) {
            auto *other = qobject_cast<QWidget *>(stack[below]);
            if (other && other->isVisible() && grown.intersects(drawn.value(other->objectName())))
                QFAIL(qPrintable(
                    u"%1 grew over %2"_s.arg(control->objectName(), other->objectName())));
        }
    }
}

QTEST_MAIN(tst_TextFits)
#include "tst_textfits.moc"
