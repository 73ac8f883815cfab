// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

namespace cyclara {

// The register file's date text: four year digits, hyphen, one or two month digits, hyphen, one or
// two day digits, naming an existing day of the Gregorian calendar ("1980-5-7", "1980-05-07").
// Years before 100 are refused as well, because the year picker could not take them back.
std::optional<QDate> registerDateFromText(QStringView text);

// The three picker texts of one date. Blanks around each number are ignored; each must be a whole
// number of ASCII digits, the year in 100..9999 (short years are taken as written, not widened),
// and together they must name an existing Gregorian day.
std::optional<QDate> dateFromPickerTexts(QStringView year, QStringView month, QStringView day);

} // namespace cyclara
