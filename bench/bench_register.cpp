// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registerstore.h"
#include "sampleregister.h"

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
    if (!dir.isValid() || writeBirthFile(path, formatBirthText(bench::sampleRegister(people)))) {
        state.SkipWithError("cannot write the register file");
        return;
    }
    for (auto _ : state) {
        RegisterStore store(path);
        const RegisterStore::Opened opened = store.open();
        if (opened.people.size() != people) {
            state.SkipWithError("the register did not read back whole");
            break;
        }
        if (store.save(opened.people)) {
            state.SkipWithError("cannot save the register file");
            break;
        }
    }
}
BENCHMARK(BM_RegisterLoadSave)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
