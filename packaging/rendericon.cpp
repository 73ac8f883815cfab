// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's SVG icon as a square PNG of one size, for desktops that want pixel icons
// beside the scalable one: rendericon <icon.svg> <size> <out.png>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: rendericon <icon.svg> <size> <out.png>\n";
        return 2;
    }
    const QString source = QFile::decodeName(argv[1]);
    const QString target = QFile::decodeName(argv[3]);
    bool sizeOk = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > 4096) {
        err << "rendericon: not a size: " << QString::fromLocal8Bit(argv[2]) << '\n';
        return 2;
    }

    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        err << "rendericon: cannot read " << source << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(target, "PNG")) {
        err << "rendericon: cannot write " << target << '\n';
        return 1;
    }
    return 0;
}
