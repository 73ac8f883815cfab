// Reads arbitrary bytes as a register file and as date texts. Besides crashes, leaks and undefined
// behaviour it checks what the register promises: every person read has a name without white
// space and a date the pickers can show, and writing what was read and reading it again gives
// the same people.
#include "model/datetext.h"
#include "register/birthfile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace cyclara;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_register: %s\n", what);
        std::abort();
    }
}

bool isAsciiBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v';
}

bool inPickerRange(const QDate &date)
{
    return date.isValid() && date.year() >= 100 && date.year() <= 9999;
}

void checkRegister(const QByteArray &bytes)
{
    const BirthRegister reg = parseBirthText(bytes);
    for (const QString &name : reg.names()) {
        require(!name.isEmpty(), "a person without a name");
        for (const QChar c : name)
            require(!isAsciiBlank(c), "white space inside a name");
        require(inPickerRange(reg.date(name)), "a date the pickers cannot show");
    }
    const QByteArray written = formatBirthText(reg);
    require(parseBirthText(written) == reg, "the written register reads back differently");
    require(formatBirthText(parseBirthText(written)) == written, "a second save differs");
}

void checkDateTexts(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto date = registerDateFromText(text)) {
        require(inPickerRange(*date), "a register date out of range");
        require(registerDateFromText(date->toString(u"yyyy-MM-dd")) == date,
                "a register date does not read back");
    }

    // The first two bytes say where to cut the rest into year, month and day texts.
    if (text.size() < 2)
        return;
    const qsizetype rest = text.size() - 2;
    const qsizetype first = rest > 0 ? qsizetype(data[0]) % (rest + 1) : 0;
    const qsizetype second = rest > first ? first + qsizetype(data[1]) % (rest - first + 1) : first;
    const QStringView all = QStringView(text).sliced(2);
    const auto date = dateFromPickerTexts(all.first(first), all.sliced(first, second - first),
                                          all.sliced(second));
    if (date) {
        require(inPickerRange(*date), "a picker date out of range");
        require(dateFromPickerTexts(QString::number(date->year()), QString::number(date->month()),
                                    QString::number(date->day())) == date,
                "a picker date does not read back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkRegister(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkDateTexts(data, size);
    return 0;
}
