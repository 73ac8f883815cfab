#pragma once

#include <QFont>

namespace cyclara {

// The window's Chinese faces: 宋体 where it exists, the closest free faces elsewhere.
inline QFont cjkFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace cyclara
