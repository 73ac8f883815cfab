
#include <QImage>
#include <QTest>

class tst_Faces : public QObject {
    Q_OBJECT
private slots:
    void faces();
};

void tst_Faces::faces()
{
    QList<QImage> images;
    for (const char *name : {"high", "critical", "low"}) {
        const QImage image(QStringLiteral(":/faces/%1.svg").arg(QLatin1String(name)));
        // The panel shows each face at its own size, 32 x 32 logical pixels.
        QVERIFY2(image.size() == QSize(32, 32), name);
        // A yellow face on a dark, opaque background, unlike the other two faces.
        const QColor corner = image.pixelColor(1, 1);
        const QColor forehead = image.pixelColor(16, 6);
        QVERIFY2(corner.alpha() == 255 && corner.lightness() < 80, name);
        QVERIFY2(forehead.red() > 200 && forehead.green() > 170 && forehead.blue() < 140, name);
        QVERIFY2(!images.contains(image), name);
        images.append(image);
    }
}

QTEST_MAIN(tst_Faces)
#include "tst_faces.moc"
