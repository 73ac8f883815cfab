#include "bench/sampleregister.h"

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
        // Surname, one given character, and a second one from the thousands on: every i its own
        // name for up to 20 * g * (g + 1) people.
        QString name;
        name += surnames[i % surnames.size()];
        name += givenChars[(i / surnames.size()) % g];
        const qsizetype third = i / (surnames.size() * g);
        if (third > 0)
            name += givenChars[(third - 1) % g];
        reg.set(name, firstBirth.addDays((i * 7919LL) % 36500));
    }
    return reg;
}

} // namespace cyclara::bench
