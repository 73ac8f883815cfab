// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>

namespace cyclara {

// Where the 主页 link leads: until Cyclara has a page of its own, the Chinese encyclopaedia's
// article on biorhythm theory.
inline QUrl homePageUrl()
{
    return QUrl(
        QStringLiteral("https://baike.baidu.com/item/%E7%94%9F%E7%89%A9%E8%8A%82%E5%BE%8B"));
}

} // namespace cyclara
