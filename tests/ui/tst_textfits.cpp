#include "ui/twips.h"
#include "windowfixture.h"

#include <QFontMetricsF>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

// What of a control's text falls outside its box, as a sentence; empty when it all fits. A line
// is as high as its ascent and descent, and its underline when it has one.
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
    return u"%1: %2 x %3 px of text in %4 x %5"_s.arg(w->objectName())
        .arg(width)
        .arg(height)
        .arg(box.width())
        .arg(box.height());
}

QStringList clippedIn(QWidget *window)
{
    QStringList clipped;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible())
            clipped << clipping(w);
    }
    clipped.removeAll(QString());
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
