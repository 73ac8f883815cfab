#include "testrunner.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

QImage render(QSvgRenderer &renderer) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

class tst_Faces : public QObject {
    Q_OBJECT
private slots:
    void face_data();
    void face();
    void facesDiffer();
};

void tst_Faces::face_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("high side, smiling") << QStringLiteral(":/faces/high.svg");
    QTest::newRow("critical, blushing") << QStringLiteral(":/faces/critical.svg");
    QTest::newRow("low side, frowning") << QStringLiteral(":/faces/low.svg");
}

void tst_Faces::face() {
    QFETCH(QString, path);
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    // The panel shows the face at its own size, 32 x 32 logical pixels.
    QCOMPARE(renderer.defaultSize(), QSize(32, 32));
    QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 32, 32));

    const QImage image = render(renderer);
    const QColor corner = image.pixelColor(1, 1);
    QCOMPARE(corner.alpha(), 255);
    QVERIFY2(corner.lightness() < 80, "the background is dark");
    const QColor forehead = image.pixelColor(16, 6);
    QVERIFY2(forehead.red() > 200 && forehead.green() > 170 && forehead.blue() < 140,
             qPrintable(forehead.name()));
}

void tst_Faces::facesDiffer() {
    QList<QImage> images;
    for (const char *name : {"high", "critical", "low"}) {
        QSvgRenderer renderer(QStringLiteral(":/faces/%1.svg").arg(QLatin1String(name)));
        QVERIFY(renderer.isValid());
        images.append(render(renderer));
    }
    QVERIFY(images.at(0) != images.at(1));
    QVERIFY(images.at(0) != images.at(2));
    QVERIFY(images.at(1) != images.at(2));
}

CYCLARA_TEST(tst_Faces);
#include "tst_faces.moc"
