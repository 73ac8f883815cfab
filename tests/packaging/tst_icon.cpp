#include "testrunner.h"
#include "ui/windowfixture.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

using namespace cyclara;
using cyclara::test::WindowFixture;

namespace {

const QString iconResource = QStringLiteral(":/cyclara.svg");

QImage picture(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_Icon : public QObject {
    Q_OBJECT
private slots:
    void iconIsDrawnAtEverySize_data();
    void iconIsDrawnAtEverySize();
    void bothWindowsShowTheIcon();
    void installedPngsAreTheIcon_data();
    void installedPngsAreTheIcon();
};

void tst_Icon::iconIsDrawnAtEverySize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("16 px, plain screen") << 16 << 1.0;
    QTest::newRow("16 px, double-density screen") << 16 << 2.0;
    QTest::newRow("24 px, one and a half") << 24 << 1.5;
    QTest::newRow("256 px, plain screen") << 256 << 1.0;
}

// A picture with only a 16 px bitmap would come back small or blurred; the SVG is drawn anew for
// every size and screen density.
void tst_Icon::iconIsDrawnAtEverySize()
{
    QFETCH(int, size);
    QFETCH(qreal, scale);

    const QIcon icon(iconResource);
    const QPixmap pixmap = icon.pixmap(QSize(size, size), scale);
    const int devicePixels = qRound(size * scale);
    QCOMPARE(pixmap.size(), QSize(devicePixels, devicePixels));

    const QImage image = pixmap.toImage();
    // The white card in the middle is opaque, the rounded corners are not.
    QCOMPARE(image.pixelColor(devicePixels / 2, devicePixels / 4).alpha(), 255);
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

void tst_Icon::bothWindowsShowTheIcon()
{
    WindowFixture fixture;
    frmBiorhythm &window = fixture.open();
    window.cmdHelp->click();
    QVERIFY(window.helpWindow());

    const QIcon expected(iconResource);
    for (int size : {16, 32, 48}) {
        const QImage icon = picture(expected, size);
        QCOMPARE(picture(window.windowIcon(), size), icon);
        QCOMPARE(picture(window.helpWindow()->windowIcon(), size), icon);
    }
}

void tst_Icon::installedPngsAreTheIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 128, 256})
        QTest::addRow("%d px", size) << size;
}

// The PNGs are rendered at build time for desktops that want bitmaps; they must be the same
// picture the window shows.
void tst_Icon::installedPngsAreTheIcon()
{
    QFETCH(int, size);

    const QString path = QStringLiteral(CYCLARA_ICON_BUILD_DIR "/%1x%1/cyclara.png").arg(size);
    QImage png(path);
    QVERIFY2(!png.isNull(), qPrintable(path));
    png = png.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(size, size));

    const QImage icon = picture(QIcon(iconResource), size);
    int worst = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QColor a = png.pixelColor(x, y), b = icon.pixelColor(x, y);
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
        }
    }
    // Anti-aliasing may differ by a shade; a different or misplaced picture differs by far more.
    QVERIFY2(worst <= 8, qPrintable(QStringLiteral("pixels differ by up to %1").arg(worst)));
}

CYCLARA_TEST(tst_Icon);
#include "tst_icon.moc"
