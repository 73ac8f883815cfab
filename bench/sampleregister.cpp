// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sampleregister.h"

#include <QDate>
#include <QString>

namespace cyclara::bench {

namespace {

constexpr QStringView surnames = u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗";
constexpr QStringView givenChars = u"伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂华"
                                   u"玉萍红娥玲芬燕彬宇浩凯健俊帆帅旭宁龙林欣晨云峰建国文";

} // namespace

BirthRegister sampleRegister(int count)
{
    BirthRegister reg;
    const QDate firstBirth(1926, 1, 1);
    const auto g = qsizetype(givenChars.size());
    for (int i = 0; i < count; ++i) {
        // A surname, then the rest of i written in base g with the given-name characters as its
        // digits: every i its own name.
        QString name = surnames[i % surnames.size()];
        qsizetype rest = i / surnames.size();
        do {
            name += givenChars[rest % g];
            rest /= g;
        } while (rest > 0);
        reg.set(name, firstBirth.addDays((i * 7919LL) % 36500));
    }
    return reg;
}

} // namespace cyclara::bench
