#include "ui/windowfixture.h"

#include <QIcon>
#include <QPushButton>
#include <QTest>

class tst_Icon : public QObject {
    Q_OBJECT
private slots:
    void iconIsDrawnAtEverySize();
    void bothWindowsShowTheIcon();
};

// A picture with only a small bitmap would come back small or blurred; the SVG is drawn anew for
// every size and screen density. The white card in the middle is opaque, the rounded corners not.
void tst_Icon::iconIsDrawnAtEverySize()
{
    for (const auto &[size, scale] : {std::pair{16, 2.0}, {24, 1.5}, {256, 1.0}}) {
        const QImage image =
            QIcon(QStringLiteral(":/cyclara.svg")).pixmap(QSize(size, size), scale).toImage();
        const int pixels = qRound(size * scale);
        QCOMPARE(image.size(), QSize(pixels, pixels));
        QCOMPARE(image.pixelColor(pixels / 2, pixels / 4).alpha(), 255);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }
}

void tst_Icon::bothWindowsShowTheIcon()
{
    cyclara::test::WindowFixture fixture;
    auto &window = fixture.open();
    window.cmdHelp->click();
    QVERIFY(window.helpWindow());
    const QImage expected = QIcon(QStringLiteral(":/cyclara.svg")).pixmap(48).toImage();
    QCOMPARE(window.windowIcon().pixmap(48).toImage(), expected);
    QCOMPARE(window.helpWindow()->windowIcon().pixmap(48).toImage(), expected);
}

QTEST_MAIN(tst_Icon)
#include "tst_icon.moc"
