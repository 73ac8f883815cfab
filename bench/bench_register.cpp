#include "bench/sampleregister.h"
#include "register/birthfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

// One start and one close of a program whose register has grown to 10,000 people: the file read
// and parsed, then written back whole.
void BM_RegisterLoadSave(benchmark::State &state)
{
    constexpr int people = 10000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("birth.ini"));
    if (!dir.isValid() || writeBirthFile(path, bench::sampleRegister(people))) {
        state.SkipWithError("cannot write the register file");
        return;
    }
    for (auto _ : state) {
        const BirthFileRead read = readBirthFile(path);
        if (read.entries.size() != people) {
            state.SkipWithError("the register did not read back whole");
            break;
        }
        if (writeBirthFile(path, read.entries)) {
            state.SkipWithError("cannot save the register file");
            break;
        }
    }
}
BENCHMARK(BM_RegisterLoadSave)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
